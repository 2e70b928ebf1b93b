// What every probability question must satisfy, worked out again by counting: every counter or
// ordered pair of counters, or every throw of two dice, is an equally likely outcome, and the
// answer is the share of them in the event. The bag and the figure are read back too.
#include "shell/core/activity.h"

#include <algorithm>
#include <numeric>
#include <regex>
#include <string>
#include <variant>
#include <vector>

namespace probability::checks {
namespace {

struct Share {
    long long found = 0;
    long long outcomes = 0;
};

const std::vector<std::string> kColours{"yellow", "white", "black", "orange"};

std::string checkAnswer(const shell::Exercise& e, const shell::Json& data, const std::string& event, Share share)
{
    const long long common = std::gcd(share.found, share.outcomes);
    const long long p = share.found / common;
    const long long q = share.outcomes / common;
    if (!(0 < p && p < q))
        return "the probability is not between 0 and 1";
    const shell::Json::Array& stated = data["probability"].elements();
    if (stated.size() != 2 || stated[0].whole() != p || stated[1].whole() != q)
        return "the data's probability is not " + std::to_string(p) + "/" + std::to_string(q);
    const std::string answer = event + " = " + std::to_string(p) + "/" + std::to_string(q);
    if (e.answer != std::vector<std::string>{answer})
        return "the answer is not \"" + answer + "\"";
    if (e.question.back().text != event + " = ?")
        return "the question does not ask for " + event;
    return {};
}

std::string checkBag(const std::string& kind, const shell::Exercise& e, const shell::Json& data)
{
    std::vector<std::string> colours;
    std::vector<long long> counts;
    for (const shell::Json& colour : data["colours"].elements())
        colours.push_back(colour.text());
    for (const shell::Json& count : data["counts"].elements())
        counts.push_back(count.whole());
    std::string line;
    long long total = 0;
    for (std::size_t i = 0; i < colours.size() && i < counts.size(); ++i) {
        line += (i > 0 ? ", " : "") + std::to_string(counts[i]) + " " + colours[i];
        total += counts[i];
        if (std::count(kColours.begin(), kColours.end(), colours[i]) != 1 ||
            std::count(colours.begin(), colours.end(), colours[i]) != 1)
            return "the colour " + colours[i] + " is not one of the four, or drawn twice";
        if (counts[i] < 1 || counts[i] > 8)
            return "a count is out of 1 to 8";
    }
    if (colours.size() != counts.size() || colours.size() < 2 || colours.size() > 3 || e.question.at(0).text != line)
        return "the counts line is not the bag's";
    if (total > (kind == "two-picks" ? 12 : 16))
        return "too many counters";

    const std::string event = data["event"].text();
    const std::string X = data["first"].text();
    const bool second = event == "or" || event == "then";
    const std::string Y = second ? data["second"].text() : std::string();
    const bool allowed = kind == "one-event" ? event == "colour"
                         : kind == "not-or"  ? event == "not" || event == "or"
                                             : event == "both" || event == "then";
    if (!allowed || (!second && !data["second"].isNull()) || (second && Y == X) ||
        std::count(colours.begin(), colours.end(), X) != 1 || (second && std::count(colours.begin(), colours.end(), Y) != 1))
        return "the event or its colours are not the kind's";
    if (event == "or" && colours.size() != 3)
        return "\"or\" is asked of a bag of three colours";
    const bool pairs = kind == "two-picks";
    const bool replacement = pairs && data["replacement"].boolean();
    if (pairs == data["replacement"].isNull())
        return "replacement belongs to two picks alone";
    const std::string instruction = !pairs        ? "Take one counter at random."
                                    : replacement ? "Take two counters, with replacement."
                                                  : "Take two counters, without replacement.";
    if (e.instruction != instruction)
        return "the instruction is not the kind's";

    // Every counter by its colour, then every outcome counted.
    std::vector<std::string> bag;
    for (std::size_t i = 0; i < colours.size(); ++i)
        bag.insert(bag.end(), static_cast<std::size_t>(counts[i]), colours[i]);
    Share share;
    std::size_t counting = 0;
    for (std::size_t i = 0; i < bag.size(); ++i) {
        const bool in = event == "not" ? bag[i] != X : bag[i] == X || (event == "or" && bag[i] == Y);
        counting += in || (event == "then" && bag[i] == Y) ? 1 : 0;
        if (!pairs) {
            ++share.outcomes;
            share.found += in ? 1 : 0;
            continue;
        }
        for (std::size_t j = 0; j < bag.size(); ++j) {
            if (i == j && !replacement)
                continue;
            ++share.outcomes;
            share.found += bag[i] == X && bag[j] == (event == "both" ? X : Y) ? 1 : 0;
        }
    }
    if (share.found == 0 && event == "both")
        return "both without replacement from a single counter";
    std::string name = event == "colour" ? "P(" + X + ")"
                       : event == "not"  ? "P(not " + X + ")"
                       : event == "or"   ? "P(" + X + " or " + Y + ")"
                       : event == "both" ? "P(both " + X + ")"
                                         : "P(" + X + " then " + Y + ")";
    if (auto problem = checkAnswer(e, data, name, share); !problem.empty())
        return problem;
    if (e.working.size() > 6)
        return "more than 6 working lines";

    struct NoMeasure final : shell::TextMeasure {
        shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
    };
    std::size_t counters = 0;
    std::size_t rings = 0;
    for (const shell::Mark& mark : e.figure(shell::FigureState::Solution, NoMeasure()).marks) {
        const auto* circle = std::get_if<shell::CircleMark>(&mark);
        if (!circle)
            continue;
        if (circle->centre.x - circle->radius < 600 || circle->centre.x + circle->radius > 9600)
            return "the counters leave 600 to 9600";
        (circle->fill ? counters : rings) += 1;
    }
    if (counters != bag.size() || rings != counting)
        return "the figure does not show every counter and ring those that count";
    return {};
}

std::string checkDice(const shell::Exercise& e, const shell::Json& data)
{
    const std::string event = data["event"].text();
    const long long target = data["target"].whole();
    Share share;
    for (int first = 1; first <= 6; ++first) {
        for (int second = 1; second <= 6; ++second) {
            ++share.outcomes;
            share.found += event == "total"        ? first + second == target
                           : event == "total-more" ? first + second > target
                                                   : first * second == target;
        }
    }
    if (share.found < 2 || data["outcomes"].whole() != share.found)
        return "the event has fewer than 2 outcomes or the data miscount them";
    const std::string T = std::to_string(target);
    const std::string name = event == "total"        ? "P(total = " + T + ")"
                             : event == "total-more" ? "P(total > " + T + ")"
                                                     : "P(product = " + T + ")";
    if (e.working.size() > 5)
        return "more than 5 working lines";
    std::size_t marked = 0;
    struct NoMeasure final : shell::TextMeasure {
        shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
    };
    for (const shell::Mark& mark : e.figure(shell::FigureState::Solution, NoMeasure()).marks)
        marked += std::holds_alternative<shell::BoxMark>(mark) ? 1 : 0;
    if (static_cast<long long>(marked) != share.found)
        return "the grid does not mark every outcome of the event";
    return checkAnswer(e, data, name, share);
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (kind != activity.modes[static_cast<std::size_t>(mode)].sheetName)
        return "the kind " + kind + " is not the mode's";
    return kind == "dice" ? checkDice(e, data) : checkBag(kind, e, data);
}

} // namespace probability::checks
