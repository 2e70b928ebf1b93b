// The Geometric Progressions invariants for the volume run, worked out again from the data and
// the texts.
#include "invariants.h"

#include "shell/core/activity.h"

#include <cmath>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>

namespace geometricprogressions::checks {
namespace {

using reliability::between;
using reliability::readN;

const std::string kMinus = "\u2212";
const std::string kPowerNMinus1 = "\u207f\u207b\u00b9";
const std::string kPowerN = "\u207f";

// A ratio as the texts write it: "3", "0.5", or "(−2)" after a sign that would touch it.
std::optional<double> readRatio(std::string text)
{
    if (text.starts_with("(") && text.ends_with(")"))
        text = text.substr(1, text.size() - 2);
    if (text == "0.5" || text == "1.5")
        return text == "0.5" ? 0.5 : 1.5;
    const std::optional<long long> whole = readN(text);
    return whole ? std::optional<double>(static_cast<double>(*whole)) : std::nullopt;
}

// Checks the rule "a × rⁿ⁻¹" (the "a × " left out when a is 1, " = rⁿ" added when a is r)
// against the six terms.
std::string checkRule(const std::string& rule, const shell::Json& terms)
{
    const std::vector<std::string> sides = reliability::split(rule, " = ");
    const std::vector<std::string> product = reliability::split(sides[0], " \u00d7 ");
    const std::optional<long long> first = product.size() == 2 ? readN(product[0]) : 1;
    const std::optional<std::string> base = between(product.back(), "", kPowerNMinus1);
    const std::optional<double> r = base ? readRatio(*base) : std::nullopt;
    if (sides.size() > 2 || product.size() > 2 || !first || !r || (product.size() == 2 && *first == 1))
        return "the rule " + rule + " is not a × rⁿ⁻¹";
    if (*r < 0 && !base->starts_with("("))
        return "the negative ratio of " + rule + " is not bracketed";
    const std::optional<std::string> power =
        sides.size() == 2 ? between(sides[1], "", kPowerN) : std::nullopt;
    if ((sides.size() == 2) != (static_cast<double>(*first) == *r) || (sides.size() == 2 && power != base))
        return "the rule " + rule + " is written as a power of r exactly when a = r";
    for (int n = 1; n <= 6; ++n) {
        if (static_cast<double>(*first) * std::pow(*r, n - 1) !=
            terms[static_cast<std::size_t>(n - 1)].number())
            return "the rule " + rule + " does not give term " + std::to_string(n);
    }
    return {};
}

std::string checkPair(const std::string& answer, const shell::Json& terms, std::size_t first)
{
    const std::vector<std::string> pair = reliability::split(answer, " and ");
    if (pair.size() != 2 || readN(pair[0]) != terms[first].whole() ||
        readN(pair[1]) != terms[first + 1].whole())
        return "the answer " + answer + " is not terms " + std::to_string(first + 1) + " and " +
               std::to_string(first + 2);
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const std::string kind = data["kind"].text();
    const double r = data["ratio"].number();
    static const std::set<double> kRatios{2, 3, 4, 5, -2, -3, 0.5, 1.5};
    if (!kRatios.contains(r))
        return "an unknown ratio";
    const shell::Json& terms = data["terms"];
    std::set<long long> different;
    for (std::size_t j = 0; j < 6; ++j) {
        const long long t = terms[j].whole();
        different.insert(t);
        if (t > 12500 || t < -12500)
            return "a term beyond 12,500";
        if (j == 0 ? t != data["first"].whole()
                   : static_cast<double>(t) != static_cast<double>(terms[j - 1].whole()) * r)
            return "the terms do not go by the ratio";
    }
    if (different.size() != 6)
        return "two terms are the same";

    const std::vector<std::string> shown = reliability::split(e.question[0].text, ", ");
    const bool gaps = kind == "fill-gaps";
    if (shown.size() != 5 || shown[4] != "\u2026")
        return "the question does not show four terms";
    for (std::size_t j = 0; j < 4; ++j) {
        const bool hidden = gaps && (j == 1 || j == 2);
        if (hidden ? shown[j] != "?" : readN(shown[j]) != terms[j].whole())
            return "the question does not show the sequence";
    }
    static const std::regex kCareless(
        "(^|[^0-9.])1 \u00d7|(\u00d7|\u00f7) \u2212|(^|[^(])\u2212[0-9.]+\u207f");
    std::vector<std::string> texts(e.answer);
    for (const shell::Line& line : e.working)
        texts.push_back(line.text);
    for (const std::string& text : texts) {
        if (std::regex_search(text, kCareless))
            return "\"" + text + "\" shows 1 ×, a minus after × or ÷, or an unbracketed negative power";
    }

    if (kind == "next-terms")
        return checkPair(e.answer[0], terms, 4);
    if (gaps) {
        const double t1 = static_cast<double>(terms[0].whole());
        if (t1 == 1 || t1 * r * r * r != static_cast<double>(terms[3].whole()))
            return "T1 × r³ is not T4, or T1 is 1";
        return checkPair(e.answer[0], terms, 1);
    }
    const std::optional<std::string> rule = between(e.answer[0], "nth term = ", "");
    if (!rule)
        return "the answer does not give the nth term";
    return checkRule(*rule, terms);
}

} // namespace geometricprogressions::checks
