// The Polygonal Numbers invariants for the volume run: n and x in range, the family the kind's,
// and the answer the nth number of its family, or whether x is triangular, found by counting.
#include "invariants.h"

namespace polygonalnumbers::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    const std::string family = data["family"].text();
    const long long sides = family == "triangular"   ? 3
                            : family == "pentagonal" ? 5
                            : family == "hexagonal"  ? 6
                                                     : 0;
    if (sides == 0 || (kind == "pentagonal-hexagonal") == (sides == 3))
        return "a " + family + " question of kind " + kind;
    // The nth s-gonal number: n((s − 2)n − (s − 4)) / 2.
    const auto polygonal = [sides](long long n) { return n * ((sides - 2) * n - (sides - 4)) / 2; };
    const std::string& answer = e.answer[0];
    if (kind == "is-it-triangular") {
        const long long x = data["x"].whole();
        long long n = 1;
        while (polygonal(n) < x)
            ++n;
        const char* th = n % 100 / 10 == 1 || n % 10 == 0 || n % 10 > 3 ? "th"
                         : n % 10 == 1                                  ? "st"
                         : n % 10 == 2                                  ? "nd"
                                                                        : "rd";
        const std::string expected = polygonal(n) == x
                                         ? "Yes: the " + std::to_string(n) + th + " triangular number"
                                         : "No: " + std::to_string(x) + " is not triangular";
        return x >= 15 && x <= 300 && answer == expected
                   ? ""
                   : "x is out of 15 to 300, or the answer is not " + expected;
    }
    const long long n = data["n"].whole();
    return n >= 5 && n <= (sides == 3 ? 20 : 12) &&
                   answer.ends_with(" number is " + std::to_string(polygonal(n)))
               ? ""
               : "n is out of range, or the answer is not the nth number";
}

} // namespace polygonalnumbers::checks
