// The What Number invariants for the volume run: the steps' numbers in range and the answer the
// one number they lead back from, or the clues fitting one two-digit number, each clue needed.
#include "invariants.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace whatnumber::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    if (data["kind"].text() == "clues") {
        // One number fits them all, and without any one clue another would fit too.
        const auto& clues = data["clues"].elements();
        std::vector<bool> needed(clues.size());
        long long answer = 0, answers = 0;
        for (long long n = 10; n <= 99; ++n) {
            std::vector<std::size_t> missed;
            bool square = false, cube = false, triangular = false, prime = n > 1;
            for (long long d = 1; d <= n; ++d) {
                square |= d * d == n, cube |= d * d * d == n, triangular |= d * (d + 1) / 2 == n;
                prime &= d == 1 || d == n || n % d != 0;
            }
            const std::map<std::string, bool> special{{"odd", n % 2 == 1}, {"even", n % 2 == 0},
                                                      {"prime", prime},    {"square", square},
                                                      {"cube", cube},      {"triangular", triangular}};
            for (std::size_t i = 0; i < clues.size(); ++i) {
                const std::string type = clues[i]["type"].text();
                const long long v = clues[i]["value"].isWhole() ? clues[i]["value"].whole() : 0;
                if (!(v ? type == "multiple"    ? n % v == 0
                          : type == "factor"    ? v % n == 0
                          : type == "digit-sum" ? n / 10 + n % 10 == v
                          : type == "more-than" ? n > v
                                                : n < v
                        : special.at(clues[i]["value"].text())))
                    missed.push_back(i);
            }
            if (missed.empty()) {
                ++answers;
                answer = n;
            }
            if (missed.size() == 1)
                needed[missed[0]] = true;
        }
        return answers == 1 && std::count(needed.begin(), needed.end(), false) == 0 &&
                       e.answer[0] == "I am " + std::to_string(answer)
                   ? ""
                   : "not one number fits the clues, a clue is not needed, or the answer is not it";
    }
    // Back from the result through the inverse steps, each value on the way whole and 1 to 100.
    const auto& steps = data["steps"].elements();
    double value = static_cast<double>(data["result"].whole());
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        const std::string op = (*step)["op"].text();
        const double v = static_cast<double>((*step)["value"].whole());
        if (value < 1 || value > (steps.size() == 2 ? 100 : 144) || v < 1 || v > 60)
            return "a value on the way or a step's number is out of range";
        value = op == "+" ? value - v : op == "\u2212" ? value + v : op == "\u00d7" ? value / v : value * v;
    }
    return value >= 1 && value <= (steps.size() == 2 ? 20 : 144) && value == std::floor(value) &&
                   e.answer[0] == "My number is " + std::to_string(static_cast<long long>(value))
               ? ""
               : "the number is not whole and in range, or not the answer";
}

} // namespace whatnumber::checks
