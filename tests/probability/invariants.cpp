// The Probability invariants for the volume run: the bag's counts and colours, or the dice's
// event, the answer the share of equally likely outcomes in the event, counted afresh, and the
// figure marking the outcomes that count.
#include "invariants.h"

#include <numeric>
#include <set>
#include <variant>

namespace probability::checks {
namespace {

struct NoMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
};

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string event = data["event"].text();
    long long found = 0;
    long long outcomes = 0;
    std::size_t marked = 0; // counters ringed or dice cells filled on Solution
    if (data["kind"].text() == "dice") {
        const long long T = data["target"].whole();
        for (int first = 1; first <= 6; ++first) {
            for (int second = 1; second <= 6; ++second, ++outcomes)
                found += event == "total"        ? first + second == T
                         : event == "total-more" ? first + second > T
                                                 : first * second == T;
        }
        marked = static_cast<std::size_t>(found);
        if (found < 2 || data["outcomes"].whole() != found)
            return "the event has fewer than 2 outcomes, or the data miscount them";
    } else {
        const bool pairs = data["kind"].text() == "two-picks";
        const std::string X = data["first"].text();
        const std::string Y = data["second"].isNull() ? "" : data["second"].text();
        std::vector<std::string> bag;
        std::set<std::string> colours;
        for (std::size_t i = 0; i < data["colours"].elements().size(); ++i) {
            const long long count = data["counts"][i].whole();
            if (count < 1 || count > 8 || !colours.insert(data["colours"][i].text()).second)
                return "a count out of 1 to 8, or a colour drawn twice";
            bag.insert(bag.end(), static_cast<std::size_t>(count), data["colours"][i].text());
        }
        if (colours.size() < 2 || bag.size() > (pairs ? 12u : 16u) || X == Y)
            return "fewer than two colours, too many counters, or one colour asked twice";
        for (std::size_t i = 0; i < bag.size(); ++i) {
            marked += (event == "not" ? bag[i] != X : bag[i] == X || bag[i] == Y) ? 1 : 0;
            for (std::size_t j = 0; j < (pairs ? bag.size() : 1); ++j) {
                if (pairs && i == j && !data["replacement"].boolean())
                    continue;
                ++outcomes;
                found += pairs            ? bag[i] == X && bag[j] == (event == "both" ? X : Y)
                         : event == "not" ? bag[i] != X
                                          : bag[i] == X || bag[i] == Y;
            }
        }
    }
    const long long common = std::gcd(found, outcomes);
    const std::string p = std::to_string(found / common) + "/" + std::to_string(outcomes / common);
    if (found == 0 || found == outcomes || !e.answer[0].ends_with(") = " + p) ||
        data["probability"] != shell::Json::list(std::vector{found / common, outcomes / common}))
        return "the answer is not " + p;
    for (const shell::Mark& mark : e.figure(shell::FigureState::Solution, NoMeasure()).marks) {
        const auto* circle = std::get_if<shell::CircleMark>(&mark);
        marked -= (circle && !circle->fill) || std::holds_alternative<shell::BoxMark>(mark) ? 1 : 0;
    }
    return marked == 0 ? "" : "the figure does not mark the outcomes that count";
}

} // namespace probability::checks
