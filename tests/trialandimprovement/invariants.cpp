// The Trial and Improvement invariants for the volume run: the cubic's ranges, its root inside
// the stated interval and clear of every value tried, and the answer that root rounded.
#include "invariants.h"

#include <cmath>

namespace trialandimprovement::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const bool plus = data["form"].text() == "plus";
    const long long a = data["a"].whole();
    const double root = data["root"].number(), low = data["low"].number(), high = data["high"].number();
    const int places = static_cast<int>(data["places"].whole());
    const double tries = 2 * std::pow(10, places); // values tried lie on steps of 0.05 or 0.005
    char answer[16];
    std::snprintf(answer, sizeof answer, "%.*f", places, root);
    if (a < 1 || a > (plus ? 6 : 4) || low < 2 || root < 2 || root > 6 ||
        std::fabs(root * root * root + (plus ? a : -a) * root - data["k"].number()) > 1e-6 || root <= low ||
        root >= high || std::fabs(high - low - (places == 1 ? 1 : 0.1)) > 1e-9 ||
        std::fabs(root * tries - std::round(root * tries)) < 0.1)
        return "the cubic, the interval or the root breaks its range, or the root lies near a value tried";
    return data["answer"].text() == answer &&
                   e.answer[0] == "x = " + std::string(answer) + " to " + std::to_string(places) + " d.p."
               ? ""
               : "the answer is not the root to " + std::to_string(places) + " d.p.";
}

} // namespace trialandimprovement::checks
