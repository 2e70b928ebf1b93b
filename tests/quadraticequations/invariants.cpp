// What every quadratic equation question must satisfy, worked out again from its texts: the
// equation read back, each stated root put into it exactly, the discriminant, and the formula's
// roots rounded afresh.
#include "shell/core/activity.h"

#include <cmath>
#include <cstdlib>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

namespace quadraticequations::checks {
namespace {

// The text with − written as "-", so that numbers read with the standard library.
std::string ascii(std::string text)
{
    for (std::size_t at; (at = text.find("\u2212")) != std::string::npos;)
        text.replace(at, 3, "-");
    return text;
}

struct Fraction {
    long long p = 0;
    long long q = 1;
};

bool readFraction(const std::string& text, Fraction& f)
{
    static const std::regex form(R"((-?[1-9]\d*)(?:/([1-9]\d*))?)");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        return false;
    f = {std::stoll(m[1]), m[2].matched ? std::stoll(m[2]) : 1};
    return std::gcd(f.p, f.q) == 1 && (f.q != 1 || !m[2].matched);
}

bool isSquare(long long n)
{
    if (n < 0)
        return false;
    long long r = 0;
    while (r * r < n)
        ++r;
    return r * r == n;
}

// x rounded half away from zero to 2 decimals, written with both decimals.
std::string twoPlaces(long double x)
{
    const long long hundredths = std::llround(std::fabs(x) * 100);
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", x < 0 ? "-" : "", hundredths / 100, hundredths % 100);
    return text;
}

std::string checkFactorised(long long a, long long b, long long c, const std::vector<std::string>& roots,
                            bool repeated)
{
    const long long D = b * b - 4 * a * c;
    if (!isSquare(D))
        return "the discriminant " + std::to_string(D) + " is not a square";
    if ((D == 0) != repeated)
        return "a repeated root is stated exactly when the discriminant is 0";
    std::vector<Fraction> values;
    for (const std::string& text : roots) {
        Fraction f;
        if (!readFraction(text, f))
            return "the root " + text + " is not a fraction in lowest terms";
        if (a * f.p * f.p + b * f.p * f.q + c * f.q * f.q != 0)
            return "x = " + text + " does not satisfy the equation";
        values.push_back(f);
    }
    if (values.size() == 2 && values[0].p * values[1].q >= values[1].p * values[0].q)
        return "the roots are not in increasing order";
    int whole = 0;
    for (const Fraction& f : values)
        whole += f.q == 1 ? 1 : 0;
    if (a == 1 && (whole != static_cast<int>(values.size()) || b < -18 || b > 18 || c < -81 || c > 81 || c == 0))
        return "x² + bx + c out of its ranges";
    if (a != 1 && (a < 2 || a > 5 || whole != 1 || values.size() != 2 || b == 0 ||
                   std::gcd(std::gcd(a, b), c) != 1))
        return "ax² + bx + c needs one whole root, one not whole, b ≠ 0 and no common factor";
    return {};
}

std::string checkFormula(long long a, long long b, long long c, const std::vector<std::string>& roots,
                         const std::vector<shell::Line>& working)
{
    const long long D = b * b - 4 * a * c;
    if (D <= 0 || isSquare(D) || a < 1 || a > 3)
        return "the formula needs a from 1 to 3 and a discriminant that is positive and not a square";
    if (roots.size() != 2 || working.size() != 6)
        return "the formula gives two roots after six working lines";
    const long double root = std::sqrt(static_cast<long double>(D));
    const long double x[2] = {(-b - root) / (2 * a), (-b + root) / (2 * a)};
    static const std::regex cutForm(R"(.* = (-?\d+)\.(\d{4})…)");
    for (int i = 0; i < 2; ++i) {
        const long double hundredths = std::fabs(x[i]) * 100;
        if (std::fabs(hundredths - std::floor(hundredths) - 0.5L) < 0.05L)
            return "a root lies within 0.0005 of a rounding boundary";
        if (std::fabs(x[i]) < 0.088L)
            return "a root lies within 0.088 of 0";
        if (ascii(roots[static_cast<std::size_t>(i)]) != twoPlaces(x[i]))
            return "the root " + roots[static_cast<std::size_t>(i)] + " is not " + twoPlaces(x[i]);
        // Line 5 cuts the larger root, line 6 the smaller.
        std::smatch m;
        const std::string line = ascii(working[static_cast<std::size_t>(5 - i)].text);
        if (!std::regex_match(line, m, cutForm))
            return "\"" + line + "\" does not end in a root cut after 4 decimals";
        const long long tenThousandths = std::llabs(std::stoll(m[1])) * 10000 + std::stoll(m[2]);
        if (tenThousandths != static_cast<long long>(std::fabs(x[i]) * 10000))
            return "\"" + line + "\" does not cut the root after 4 decimals";
        const long double cut = static_cast<long double>(tenThousandths) / 10000 * (x[i] < 0 ? -1 : 1);
        if (twoPlaces(cut) != twoPlaces(x[i]))
            return "the cut value does not round to the answer";
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
    const long long a = data["a"].whole();
    const long long b = data["b"].whole();
    const long long c = data["c"].whole();

    static const std::regex equationForm(R"(([2-9]?)x²(?: ([+-]) ([2-9]|[1-9]\d+)?x)?(?: ([+-]) ([1-9]\d*))? = 0)");
    std::smatch m;
    const std::string equation = ascii(e.question.at(0).text);
    if (!std::regex_match(equation, m, equationForm))
        return "the equation \"" + equation + "\" is not written in its form";
    const long long readB = !m[2].matched ? 0 : (m[2] == "-" ? -1 : 1) * (m[3].matched ? std::stoll(m[3]) : 1);
    const long long readC = !m[4].matched ? 0 : (m[4] == "-" ? -1 : 1) * std::stoll(m[5]);
    if ((m[1].length() == 0 ? 1 : std::stoll(m[1])) != a || readB != b || readC != c)
        return "the equation \"" + equation + "\" is not the data's";

    static const std::regex answerForm(R"(x = (\S+) (?:or x = (\S+)|\(a repeated root\)))");
    const std::string answer = ascii(e.answer.at(0));
    if (e.answer.size() != 1 || !std::regex_match(answer, m, answerForm))
        return "the answer \"" + answer + "\" is not written in its form";
    std::vector<std::string> roots{m[1]};
    if (m[2].matched)
        roots.push_back(m[2]);
    const shell::Json::Array& rootTexts = data["root_texts"].elements();
    if (rootTexts.size() != roots.size() || data["roots"].elements().size() != roots.size())
        return "the data do not give the answer's roots";
    for (std::size_t i = 0; i < roots.size(); ++i) {
        if (ascii(rootTexts[i].text()) != roots[i])
            return "the data's root texts are not the answer's";
    }
    if (e.working.size() > 6)
        return "more than 6 working lines";
    for (const shell::Line& line : e.working) {
        static const std::regex careless(R"((^|[^\d.])[01]x|\+ −|− −|\+ 0\b)");
        if (std::regex_search(line.text, careless))
            return "the working line \"" + line.text + "\" shows a careless form";
    }
    if (kind == "formula")
        return checkFormula(a, b, c, roots, e.working);
    return checkFactorised(a, b, c, roots, !m[2].matched);
}

} // namespace quadraticequations::checks
