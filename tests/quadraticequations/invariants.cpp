// What every quadratic equation question must satisfy, from its texts: the equation read back,
// each stated root put into it exactly, and the formula's roots worked out and rounded afresh.
#include "shell/core/activity.h"

#include <cmath>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

namespace quadraticequations::checks {
namespace {

std::string ascii(std::string text)
{
    for (std::size_t at; (at = text.find("\u2212")) != std::string::npos;)
        text.replace(at, 3, "-");
    return text;
}

bool isSquare(long long n)
{
    long long r = 0;
    while (r * r < n)
        ++r;
    return r * r == n;
}

// Half away from zero, both decimals written.
std::string twoPlaces(long double x)
{
    const long long hundredths = std::llround(std::fabs(x) * 100);
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", x < 0 ? "-" : "", hundredths / 100, hundredths % 100);
    return text;
}

std::string checkFactorised(long long a, long long b, long long c, const std::vector<std::string>& roots, bool repeated)
{
    const long long D = b * b - 4 * a * c;
    if (!isSquare(D) || (D == 0) != repeated)
        return "the discriminant is not a square, or 0 just when a repeated root is stated";
    static const std::regex fraction(R"((-?[1-9]\d*)(?:/([2-9]|[1-9]\d+))?)");
    int whole = 0;
    for (const std::string& root : roots) {
        std::smatch m;
        if (!std::regex_match(root, m, fraction))
            return "the root " + root + " is not a fraction";
        const long long p = std::stoll(m[1]);
        const long long q = m[2].matched ? std::stoll(m[2]) : 1;
        if (std::gcd(p, q) != 1 || a * p * p + b * p * q + c * q * q != 0)
            return "x = " + root + " is not in lowest terms or does not satisfy the equation";
        whole += q == 1 ? 1 : 0;
    }
    if (a == 1 ? whole != static_cast<int>(roots.size()) || b < -18 || b > 18 || c < -81 || c > 81
               : a > 5 || whole != 1 || b == 0 || std::gcd(std::gcd(a, b), c) != 1)
        return "the equation is out of its kind's ranges";
    return {};
}

std::string checkFormula(long long a, long long b, long long c, const std::vector<std::string>& roots,
                         const std::vector<shell::Line>& working)
{
    const long long D = b * b - 4 * a * c;
    if (D <= 0 || isSquare(D) || a > 3 || roots.size() != 2 || working.size() != 6)
        return "the formula needs a positive discriminant that is not a square, two roots and six lines";
    const long double x[2] = {(-b - std::sqrt(static_cast<long double>(D))) / (2 * a),
                              (-b + std::sqrt(static_cast<long double>(D))) / (2 * a)};
    for (int i = 0; i < 2; ++i) {
        const long double hundredths = std::fabs(x[i]) * 100;
        if (std::fabs(hundredths - std::floor(hundredths) - 0.5L) < 0.05L || std::fabs(x[i]) < 0.088L)
            return "a root lies within 0.0005 of a rounding boundary or within 0.088 of 0";
        if (roots[static_cast<std::size_t>(i)] != twoPlaces(x[i]))
            return "the root " + roots[static_cast<std::size_t>(i)] + " is not " + twoPlaces(x[i]);
        // Line 5 cuts the larger root, line 6 the smaller, after 4 decimals.
        const std::string cut = ascii(working[static_cast<std::size_t>(5 - i)].text);
        const long double shown = std::stold(cut.substr(cut.rfind("= ") + 2));
        if (!cut.ends_with("…") || std::llround(shown * 10000) != static_cast<long long>(x[i] * 10000) ||
            twoPlaces(shown) != twoPlaces(x[i]))
            return "\"" + cut + "\" does not cut the root after 4 decimals";
    }
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (mode != 3 && kind != activity.modes[static_cast<std::size_t>(mode)].sheetName)
        return "the kind " + kind + " is not the mode's";
    static const std::regex equation(R"(([2-5]?)x²(?: ([+-]) ([2-9]|[1-9]\d+)?x)?(?: ([+-]) ([1-9]\d*))? = 0)");
    std::smatch m;
    const std::string line = ascii(e.question.at(0).text);
    if (!std::regex_match(line, m, equation))
        return "the equation \"" + line + "\" is not written in its form";
    const long long a = m[1].length() == 0 ? 1 : std::stoll(m[1]);
    const long long b = !m[2].matched ? 0 : (m[2] == "-" ? -1 : 1) * (m[3].matched ? std::stoll(m[3]) : 1);
    const long long c = !m[4].matched ? 0 : (m[4] == "-" ? -1 : 1) * std::stoll(m[5]);
    if (a != data["a"].whole() || b != data["b"].whole() || c != data["c"].whole())
        return "the equation is not the data's";

    static const std::regex answer(R"(x = (\S+) (?:or x = (\S+)|\(a repeated root\)))");
    const std::string stated = ascii(e.answer.at(0));
    if (!std::regex_match(stated, m, answer))
        return "the answer \"" + stated + "\" is not written in its form";
    std::vector<std::string> roots{m[1]};
    if (m[2].matched)
        roots.push_back(m[2]);
    if (data["root_texts"].elements().size() != roots.size() || e.working.size() > 6)
        return "the data do not give the answer's roots, or there are more than 6 working lines";
    static const std::regex careless(R"((^|[^\d.])[01]x)");
    for (const shell::Line& working : e.working) {
        if (std::regex_search(working.text, careless))
            return "the working line \"" + working.text + "\" shows 1x or 0x";
    }
    return kind == "formula" ? checkFormula(a, b, c, roots, e.working) : checkFactorised(a, b, c, roots, !m[2].matched);
}

} // namespace quadraticequations::checks
