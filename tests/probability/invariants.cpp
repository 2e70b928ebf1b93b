// The Probability invariants for the volume run: the bag's counts and colours, or the dice's
// event, and the answer the share of equally likely outcomes in the event, counted afresh.
#include "invariants.h"

#include <numeric>
#include <set>

namespace probability::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text(), event = data["event"].text(),
                      X = data["first"].isNull() ? "" : data["first"].text(),
                      Y = data["second"].isNull() ? "" : data["second"].text();
    const long long T = kind == "dice" ? data["target"].whole() : 0;
    std::vector<std::string> bag;
    std::set<std::string> colours;
    for (std::size_t i = 0; kind != "dice" && i < data["colours"].elements().size(); ++i) {
        const long long count = data["counts"][i].whole();
        if (count < 1 || count > 8 || !colours.insert(data["colours"][i].text()).second)
            return "a count out of 1 to 8, or a colour drawn twice";
        bag.insert(bag.end(), static_cast<std::size_t>(count), data["colours"][i].text());
    }
    if (kind != "dice" && (colours.size() < 2 || bag.size() > (kind == "two-picks" ? 12u : 16u) || X == Y))
        return "fewer than two colours, too many counters, or one colour asked twice";
    // Every outcome: two dice, one counter, or two counters picked with or without putting back.
    const std::size_t size = kind == "dice" ? 6 : bag.size(),
                      seconds = kind == "dice" || kind == "two-picks" ? size : 1;
    long long found = 0, outcomes = 0;
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = 0; j < seconds; ++j) {
            if (kind == "two-picks" && i == j && !data["replacement"].boolean())
                continue;
            ++outcomes;
            const long long a = static_cast<long long>(i) + 1, b = static_cast<long long>(j) + 1;
            found += kind == "dice"        ? (event == "total"        ? a + b == T
                                              : event == "total-more" ? a + b > T
                                                                      : a * b == T)
                     : kind == "two-picks" ? bag[i] == X && bag[j] == (event == "both" ? X : Y)
                     : event == "not"      ? bag[i] != X
                                           : bag[i] == X || bag[i] == Y;
        }
    }
    const long long common = std::gcd(found, outcomes);
    const std::string p = std::to_string(found / common) + "/" + std::to_string(outcomes / common);
    return found > 0 && found < outcomes &&
                   (kind != "dice" || (found >= 2 && data["outcomes"].whole() == found)) &&
                   e.answer[0].ends_with(") = " + p) &&
                   data["probability"] == shell::Json::list(std::vector{found / common, outcomes / common})
               ? ""
               : "the event has too few outcomes, or the answer is not " + p;
}

} // namespace probability::checks
