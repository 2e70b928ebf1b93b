// What every probability question must satisfy, worked out by counting: each counter, each
// ordered pair of counters or each throw of two dice is one equally likely outcome, and the answer
// is the share of them in the event. The bag and the figure are read back too.
#include "shell/core/activity.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <variant>
#include <vector>

namespace probability::checks {
namespace {

struct NoMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
};

// The event's name and the share of outcomes in it, from the data alone.
struct Counted {
    std::string event;
    long long found = 0;
    long long outcomes = 0;
    std::size_t marked = 0; // counters ringed, or dice cells filled, on Solution
    std::string problem;
};

Counted countBag(const std::string& kind, const shell::Exercise& e, const shell::Json& data)
{
    Counted c;
    const std::string event = data["event"].text();
    const std::string X = data["first"].text();
    const std::string Y = event == "or" || event == "then" ? data["second"].text() : "";
    const bool pairs = kind == "two-picks";
    const bool replacement = pairs && data["replacement"].boolean();
    std::vector<std::string> bag;
    std::string line;
    std::vector<std::string> colours;
    for (std::size_t i = 0; i < data["colours"].elements().size(); ++i) {
        const std::string colour = data["colours"][i].text();
        const long long count = data["counts"][i].whole();
        line += (i > 0 ? ", " : "") + std::to_string(count) + " " + colour;
        if (count < 1 || count > 8 || std::count(colours.begin(), colours.end(), colour) > 0 ||
            std::string("yellow white black orange").find(colour) == std::string::npos)
            c.problem = "a count out of 1 to 8, or a colour not one of the four or drawn twice";
        colours.push_back(colour);
        bag.insert(bag.end(), static_cast<std::size_t>(count), colour);
    }
    const bool kindsEvent = kind == "one-event" ? event == "colour"
                            : kind == "not-or"  ? event == "not" || event == "or"
                                                : event == "both" || event == "then";
    if (e.question.at(0).text != line || colours.size() < 2 || bag.size() > (pairs ? 12u : 16u) || !kindsEvent ||
        Y == X || (event == "or" && colours.size() != 3) || pairs == data["replacement"].isNull())
        c.problem = "the bag, the event or the replacement is not the kind's";
    for (std::size_t i = 0; i < bag.size(); ++i) {
        const bool in = event == "not" ? bag[i] != X : bag[i] == X || bag[i] == Y;
        c.marked += in ? 1 : 0;
        for (std::size_t j = 0; j < (pairs ? bag.size() : 1); ++j) {
            if (pairs && i == j && !replacement)
                continue;
            ++c.outcomes;
            c.found += pairs ? bag[i] == X && bag[j] == (event == "both" ? X : Y) : in;
        }
    }
    c.event = event == "colour" ? "P(" + X + ")"
              : event == "not"  ? "P(not " + X + ")"
              : event == "or"   ? "P(" + X + " or " + Y + ")"
              : event == "both" ? "P(both " + X + ")"
                                : "P(" + X + " then " + Y + ")";
    return c;
}

Counted countDice(const shell::Json& data)
{
    Counted c;
    const std::string event = data["event"].text();
    const long long T = data["target"].whole();
    for (int first = 1; first <= 6; ++first) {
        for (int second = 1; second <= 6; ++second) {
            ++c.outcomes;
            c.found += event == "total" ? first + second == T : event == "total-more" ? first + second > T : first * second == T;
        }
    }
    c.marked = static_cast<std::size_t>(c.found);
    const std::string t = std::to_string(T);
    c.event = event == "total" ? "P(total = " + t + ")" : event == "total-more" ? "P(total > " + t + ")" : "P(product = " + t + ")";
    if (c.found < 2 || data["outcomes"].whole() != c.found)
        c.problem = "the event has fewer than 2 outcomes, or the data miscount them";
    return c;
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (kind != activity.modes[static_cast<std::size_t>(mode)].sheetName)
        return "the kind " + kind + " is not the mode's";
    const bool dice = kind == "dice";
    const Counted c = dice ? countDice(data) : countBag(kind, e, data);
    if (!c.problem.empty())
        return c.problem;
    const long long common = std::gcd(c.found, c.outcomes);
    const std::string p = std::to_string(c.found / common) + "/" + std::to_string(c.outcomes / common);
    if (!(0 < c.found && c.found < c.outcomes) || e.answer.at(0) != c.event + " = " + p ||
        e.question.back().text != c.event + " = ?" || data["probability"][0].whole() != c.found / common ||
        data["probability"][1].whole() != c.outcomes / common)
        return "the question or the answer is not " + c.event + " = " + p;
    if (e.working.size() > (dice ? 5u : 6u))
        return "too many working lines";
    std::size_t marked = 0;
    for (const shell::Mark& mark : e.figure(shell::FigureState::Solution, NoMeasure()).marks) {
        if (const auto* circle = std::get_if<shell::CircleMark>(&mark)) {
            if (circle->centre.x - circle->radius < 600 || circle->centre.x + circle->radius > 9600)
                return "the counters leave 600 to 9600";
            marked += circle->fill ? 0 : 1;
        }
        marked += std::holds_alternative<shell::BoxMark>(mark) ? 1 : 0;
    }
    if (marked != c.marked)
        return "the figure does not mark the outcomes that count";
    return {};
}

} // namespace probability::checks
