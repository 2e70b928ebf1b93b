// The Geometric Progressions invariants for the volume run, worked out again from the data and
// the texts.
#include "invariants.h"

#include <cmath>
#include <regex>
#include <set>

namespace geometricprogressions::checks {
namespace {

using reliability::readN;

std::string checkPair(const std::string& answer, const shell::Json& terms, std::size_t first)
{
    static const std::regex kPair("(.+) and (.+)");
    std::smatch m;
    if (!std::regex_match(answer, m, kPair) || readN(m[1].str()) != terms[first].whole() ||
        readN(m[2].str()) != terms[first + 1].whole())
        return "the answer " + answer + " is not the right two terms";
    return {};
}

// "a × rⁿ⁻¹", without "1 × ", and with " = rⁿ" exactly when a = r; a negative r bracketed.
std::string checkRule(const std::string& rule, const shell::Json& terms, double r)
{
    static const std::regex kRule(
        "(?:(\\d+) \u00d7 )?(\\(\u2212[\\d.]+\\)|[\\d.]+)\u207f\u207b\u00b9(?: = (.+)\u207f)?");
    std::smatch m;
    if (!std::regex_match(rule, m, kRule) || m[1] == "1")
        return "the rule " + rule + " is not a × rⁿ⁻¹";
    std::string base = m[2].str();
    if (base.starts_with("("))
        base = "-" + base.substr(4, base.size() - 5);
    const double a = m[1].length() ? std::stod(m[1].str()) : 1;
    if (std::stod(base) != r || m[3].matched != (a == r) || (m[3].matched && m[3] != m[2]))
        return "the rule " + rule + " does not show the ratio, or rⁿ exactly when a = r";
    for (std::size_t n = 1; n <= 6; ++n) {
        if (a * std::pow(r, static_cast<double>(n - 1)) != terms[n - 1].number())
            return "the rule " + rule + " does not give term " + std::to_string(n);
    }
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    const double r = data["ratio"].number();
    const shell::Json& terms = data["terms"];
    std::set<long long> different;
    for (std::size_t j = 0; j < 6; ++j) {
        const double previous = j == 0 ? data["first"].number() / r : terms[j - 1].number();
        if (std::abs(terms[j].whole()) > 12500 || static_cast<double>(terms[j].whole()) != previous * r)
            return "the terms are not whole, within 12,500 and going by the ratio";
        different.insert(terms[j].whole());
    }
    static const std::set<double> kRatios{2, 3, 4, 5, -2, -3, 0.5, 1.5};
    if (different.size() != 6 || !kRatios.contains(r))
        return "two terms are the same, or the ratio is not one of the eight";
    const std::vector<std::string> shown = reliability::split(e.question[0].text, ", ");
    const bool gaps = kind == "fill-gaps";
    for (std::size_t j = 0; j < 5; ++j) {
        if (j == 4 ? shown.size() != 5 || shown[4] != "\u2026"
                   : (gaps && (j == 1 || j == 2) ? shown[j] != "?" : readN(shown[j]) != terms[j].whole()))
            return "the question does not show the sequence";
    }
    static const std::regex kCareless(
        "(^|[^0-9.])1 \u00d7|(\u00d7|\u00f7) \u2212|(^|[^(])\u2212[0-9.]+\u207f");
    for (const shell::Line& line : e.working) {
        if (std::regex_search(line.text, kCareless))
            return "\"" + line.text + "\" shows 1 ×, a minus after × or ÷, or an unbracketed negative power";
    }
    if (kind == "next-terms")
        return checkPair(e.answer[0], terms, 4);
    if (gaps)
        return terms[0].whole() == 1 ? "a first term of 1 in the gaps" : checkPair(e.answer[0], terms, 1);
    return e.answer[0].starts_with("nth term = ") ? checkRule(e.answer[0].substr(11), terms, r) : "no rule";
}

} // namespace geometricprogressions::checks
