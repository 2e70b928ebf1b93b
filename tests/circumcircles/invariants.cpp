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
        const long long G = data["angles"]["top"].whole(), L = data["angles"]["left"].whole(),
                        R = data["angles"]["right"].whole();
        const char* type = G > 90 ? "obtuse" : G == 90 ? "right" : "acute";
        const char* answer = G > 90    ? "Outside the triangle"
                             : G == 90 ? "On the longest side"
                                       : "Inside the triangle";
        if (G + L + R != 180 || G < L || G < R || L % 5 || R % 5 || L < 20 || R < 20 || (G > 80 && G < 90) ||
            (G > 90 && G < 100) || data["type"].text() != type || e.answer[0] != answer)
            return "the angles are not a triangle's, largest at the top and clear of 90°, or not its answer";
        return {};
    }
    const long long a = data["a"].whole(), b = data["b"].whole(), c = data["c"].whole();
    const long long r = data["inradius"].whole();
    // The inradius is the area over the half-perimeter.
    if (a >= b || a * a + b * b != c * c || r * (a + b + c) != a * b ||
        data["circumradius"].number() != c / 2.0)
        return "the sides are not a right-angled triangle's, shorter leg first, or the radii not its";
    const std::string answer = kind == "circumcircle"
                                   ? "R = " + std::to_string(c / 2) + (c % 2 ? ".5" : "") + " cm"
                                   : "r = " + std::to_string(r) + " cm";
    return e.answer[0] == answer ? "" : "the answer is not " + answer;
}

} // namespace circumcircles::checks
