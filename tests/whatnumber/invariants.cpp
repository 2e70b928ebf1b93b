// The What Number invariants for the volume run: the steps' numbers in range and the answer the
// one number they lead back from, or the clues fitting one two-digit number, each clue needed.
#include "invariants.h"

#include <algorithm>
#include <cmath>

namespace whatnumber::checks {
namespace {

bool fits(const shell::Json& clue, long long n)
{
    const std::string type = clue["type"].text();
    if (type == "parity")
        return n % 2 == (clue["value"].text() == "odd" ? 1 : 0);
    if (type == "special") {
        const std::string special = clue["value"].text();
        int prime = n > 1, square = 0, cube = 0, triangular = 0;
        for (long long d = 1; d <= n; ++d) {
            prime &= d == 1 || d == n || n % d != 0;
            square |= d * d == n, cube |= d * d * d == n, triangular |= d * (d + 1) / 2 == n;
        }
        return special == "prime"    ? prime
               : special == "square" ? square
               : special == "cube"   ? cube
                                     : triangular;
    }
    const long long v = clue["value"].whole();
    return type == "multiple"    ? n % v == 0
           : type == "factor"    ? v % n == 0
           : type == "digit-sum" ? n / 10 + n % 10 == v
           : type == "more-than" ? n > v
                                 : n < v;
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    if (data["kind"].text() == "clues") {
        const auto& clues = data["clues"].elements();
        // One number fits them all, and without any one clue another would fit too.
        std::vector<bool> needed(clues.size());
        long long answer = 0;
        int answers = 0;
        for (long long n = 10; n <= 99; ++n) {
            std::vector<std::size_t> missed;
            for (std::size_t i = 0; i < clues.size(); ++i) {
                if (!fits(clues[i], n))
                    missed.push_back(i);
            }
            answers += missed.empty() ? 1 : 0;
            answer = missed.empty() ? n : answer;
            if (missed.size() == 1)
                needed[missed[0]] = true;
        }
        if (answers != 1 || std::count(needed.begin(), needed.end(), false) > 0 ||
            e.answer[0] != "I am " + std::to_string(answer))
            return "not one number fits the clues, a clue is not needed, or the answer is not it";
        return {};
    }
    // Back from the result through the inverse steps, each value on the way whole and 1 to 100.
    double value = static_cast<double>(data["result"].whole());
    const auto& steps = data["steps"].elements();
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        const std::string op = (*step)["op"].text();
        const double v = static_cast<double>((*step)["value"].whole());
        if (value < 1 || value > (steps.size() == 2 ? 100 : 144) || v < 1 || v > 60)
            return "a value on the way or a step's number is out of range";
        value = op == "+" ? value - v : op == "\u2212" ? value + v : op == "\u00d7" ? value / v : value * v;
    }
    if (value < 1 || value > (steps.size() == 2 ? 20 : 144) || value != std::floor(value))
        return "the number is not whole and in range";
    return e.answer[0] == "My number is " + std::to_string(static_cast<long long>(value))
               ? ""
               : "the answer is not the number";
}

} // namespace whatnumber::checks
