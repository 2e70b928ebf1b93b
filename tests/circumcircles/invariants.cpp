// The Circumcircles invariants for the volume run: a right-angled triangle's sides and radii, or
// angles that make a triangle of the stated type, and the answer from them.
#include "invariants.h"

namespace circumcircles::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (kind == "in-or-out") {
        const shell::Json& angles = data["angles"];
        const long long G = angles["top"].whole(), L = angles["left"].whole(), R = angles["right"].whole();
        const std::size_t type = G > 90 ? 2 : G == 90 ? 1 : 0;
        return G + L + R == 180 && G >= L && G >= R && L % 5 == 0 && R % 5 == 0 && L >= 20 && R >= 20 &&
                       (G <= 80 || G == 90 || G >= 100) &&
                       data["type"].text() == std::vector<std::string>{"acute", "right", "obtuse"}[type] &&
                       e.answer[0] == std::vector<std::string>{"Inside the triangle", "On the longest side",
                                                               "Outside the triangle"}[type]
                   ? ""
                   : "the angles are not a triangle's, largest at the top and clear of 90°, or not its "
                     "answer";
    }
    const long long a = data["a"].whole(), b = data["b"].whole(), c = data["c"].whole(),
                    r = data["inradius"].whole();
    // The inradius is the area over the half-perimeter.
    return a < b && a * a + b * b == c * c && r * (a + b + c) == a * b &&
                   data["circumradius"].number() == c / 2.0 &&
                   e.answer[0] == (kind == "circumcircle"
                                       ? "R = " + std::to_string(c / 2) + (c % 2 ? ".5" : "")
                                       : "r = " + std::to_string(r)) +
                                      " cm"
               ? ""
               : "the sides are not a right-angled triangle's, shorter leg first, or the radii or answer not "
                 "its";
}

} // namespace circumcircles::checks
