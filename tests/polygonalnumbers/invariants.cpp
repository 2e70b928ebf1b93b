// The Polygonal Numbers invariants for the volume run: n and x in range, the family the kind's,
// and the answer the nth number of its family, or whether x is triangular, found by counting.
#include "invariants.h"

namespace polygonalnumbers::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text(), family = data["family"].text(), &answer = e.answer[0];
    const long long sides = family == "triangular"   ? 3
                            : family == "pentagonal" ? 5
                            : family == "hexagonal"  ? 6
                                                     : 0;
    if (sides == 0 || (kind == "pentagonal-hexagonal") == (sides == 3))
        return "a " + family + " question of kind " + kind;
    // The nth s-gonal number: n((s − 2)n − (s − 4)) / 2.
    const auto polygonal = [sides](long long n) { return n * ((sides - 2) * n - (sides - 4)) / 2; };
    if (kind == "is-it-triangular") {
        const long long x = data["x"].whole();
        long long n = 1;
        while (polygonal(n) < x)
            ++n;
        return x >= 15 && x <= 300 &&
                       (polygonal(n) == x ? answer.starts_with("Yes: the " + std::to_string(n)) &&
                                                answer.ends_with(" triangular number")
                                          : answer == "No: " + std::to_string(x) + " is not triangular")
                   ? ""
                   : "x is out of 15 to 300, or the answer is not whether it is triangular";
    }
    const long long n = data["n"].whole();
    return n >= 5 && n <= (sides == 3 ? 20 : 12) &&
                   answer.ends_with(" number is " + std::to_string(polygonal(n)))
               ? ""
               : "n is out of range, or the answer is not the nth number";
}

} // namespace polygonalnumbers::checks
