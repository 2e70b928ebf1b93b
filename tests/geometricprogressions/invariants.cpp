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
    const shell::Json& terms = data["terms"];
    std::set<long long> different;
    for (std::size_t j = 0; j < 6; ++j) {
        const double previous = j == 0 ? data["first"].number() / r : terms[j - 1].number();
        if (std::abs(terms[j].whole()) > 12500 || static_cast<double>(terms[j].whole()) != previous * r)
            return "the terms are not whole, within 12,500 and going by the ratio";
        different.insert(terms[j].whole());
    }
    if (different.size() != 6 || !std::set<double>{2, 3, 4, 5, -2, -3, 0.5, 1.5}.contains(r))
        return "two terms are the same, or the ratio is not one of the eight";
    if (kind == "nth-term") {
        // "160 × 0.5ⁿ⁻¹", "(−2)ⁿ⁻¹" when a = 1, "3 × 3ⁿ⁻¹ = 3ⁿ" when a = r.
        const long long a = terms[0].whole();
        const std::string rt = r < 0      ? "(\u2212" + std::to_string(static_cast<int>(-r)) + ")"
                               : r == 0.5 ? "0.5"
                               : r == 1.5 ? "1.5"
                                          : std::to_string(static_cast<int>(r));
        const std::string rule = (a == 1 ? "" : std::to_string(a) + " \u00d7 ") + rt + "\u207f\u207b\u00b9" +
                                 (a == r ? " = " + rt + "\u207f" : "");
        return e.answer[0] == "nth term = " + rule ? "" : "the rule is not " + rule;
    }
    if (kind == "fill-gaps" && terms[0].whole() == 1)
        return "a first term of 1 in the gaps";
    const std::size_t first = kind == "fill-gaps" ? 1 : 4;
    return reliability::readNs(e.answer[0], " and ") ==
                   std::vector{terms[first].whole(), terms[first + 1].whole()}
               ? ""
               : "the answer is not the missing terms";
}

} // namespace geometricprogressions::checks
