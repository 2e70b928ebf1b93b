// The Geometric Progressions invariants for the volume run: one of the eight ratios, whole terms
// within 12,500 and all different, no first term of 1 in the gaps, and the answer's terms.
#include "invariants.h"

#include <set>

namespace geometricprogressions::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    const double r = data["ratio"].number();
    std::vector<long long> t;
    for (std::size_t j = 0; j < 6; ++j) {
        t.push_back(data["terms"][j].whole());
        if (std::abs(t[j]) > 12500 || t[j] != (j == 0 ? data["first"].number() : t[j - 1] * r))
            return "the terms are not whole, within 12,500 and going by the ratio";
    }
    if (std::set(t.begin(), t.end()).size() != 6 ||
        !std::set<double>{2, 3, 4, 5, -2, -3, 0.5, 1.5}.contains(r) || (kind == "fill-gaps" && t[0] == 1))
        return "two terms are the same, the ratio is not one of the eight, or a first term of 1 in the gaps";
    if (kind != "nth-term")
        return reliability::readNs(e.answer[0], " and ") ==
                       std::vector{t[kind == "fill-gaps" ? 1 : 4], t[kind == "fill-gaps" ? 2 : 5]}
                   ? ""
                   : "the answer is not the missing terms";
    // "160 × 0.5ⁿ⁻¹", "(−2)ⁿ⁻¹" when a = 1, "3 × 3ⁿ⁻¹ = 3ⁿ" when a = r.
    char ratio[16];
    std::snprintf(ratio, sizeof ratio, r < 0 ? "(\u2212%g)" : "%g", std::abs(r));
    return e.answer[0] == "nth term = " + (t[0] == 1 ? "" : std::to_string(t[0]) + " \u00d7 ") + ratio +
                              "\u207f\u207b\u00b9" + (t[0] == r ? " = " + std::string(ratio) + "\u207f" : "")
               ? ""
               : "the answer is not the rule";
}

} // namespace geometricprogressions::checks
