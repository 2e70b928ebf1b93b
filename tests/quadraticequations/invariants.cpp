// The Quadratic Equations invariants for the volume run: each kind's coefficients and rejection
// rules, the data's roots in the equation, and the answer giving them.
#include "invariants.h"

#include <cmath>
#include <numeric>

namespace quadraticequations::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    const long long a = data["a"].whole(), b = data["b"].whole(), c = data["c"].whole(),
                    D = b * b - 4 * a * c;
    const auto root = std::llround(std::sqrt(static_cast<double>(std::llabs(D))));
    const bool square = D >= 0 && root * root == D, lowest = std::gcd(std::gcd(a, b), c) == 1;
    if (kind == "factorise"     ? a != 1 || !square || std::abs(b) > 18 || c == 0 || std::abs(c) > 81
        : kind == "factorise-a" ? a < 2 || a > 5 || !square || b == 0 || !lowest
                                : a > 3 || D <= 0 || square || b == 0 || c == 0 || !lowest)
        return "the equation breaks its kind's ranges or rejection rules";
    const shell::Json& texts = data["root_texts"];
    for (std::size_t i = 0; i < texts.elements().size(); ++i) {
        const double x = data["roots"][i].number(),
                     hundredths = std::fabs(100 * x) - std::floor(std::fabs(100 * x));
        if (std::fabs((a * x + b) * x + c) > 1e-6 ||
            (kind == "formula" && std::fabs(hundredths - 0.5) < 0.05))
            return "a root is not the equation's, or lies near a rounding boundary";
    }
    const std::string answer = texts.elements().size() == 1
                                   ? "x = " + texts[0].text() + " (a repeated root)"
                                   : "x = " + texts[0].text() + " or x = " + texts[1].text();
    return e.answer[0] == answer ? "" : "the answer is not " + answer;
}

} // namespace quadraticequations::checks
