// The Recurring Decimals invariants for the volume run: a proper fraction in lowest terms that
// does not terminate, its decimal in the shortest form each kind asks, the two equal by
// cross-multiplying, and the answer the one written as the other.
#include "invariants.h"

#include <numeric>

namespace recurringdecimals::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text(), pre = data["pre"].text(), rep = data["rep"].text();
    const long long p = data["numerator"].whole(), q = data["denominator"].whole();
    long long rest = q; // q without its factors 2 and 5
    while (rest % 2 == 0 || rest % 5 == 0)
        rest /= rest % 2 == 0 ? 2 : 5;
    // A shorter block repeated runs through the block: in whole copies ("4545"), or also cut short
    // ("121") for the blocks a question is drawn with.
    bool shorter = false;
    for (std::size_t length = 1; length < rep.size(); ++length)
        shorter |= (kind != "fraction-to-decimal" || rep.size() % length == 0) &&
                   rep.substr(length) == rep.substr(0, rep.size() - length);
    const auto power10 = [](std::size_t k) {
        return static_cast<long long>(reliability::power10(static_cast<int>(k)));
    };
    const std::string decimal = "0." + pre + "(" + rep + ")",
                      ratio = std::to_string(p) + "/" + std::to_string(q);
    if (p <= 0 || p >= q || std::gcd(p, q) != 1 || rest == 1 || rep.empty() || pre.size() > 2 ||
        rep.size() > 6 || shorter || (kind == "decimal-to-fraction" && (!pre.empty() || rep.size() > 3)) ||
        (kind == "partly-recurring" && (pre.empty() || pre.size() + rep.size() > 3)) ||
        (!pre.empty() && pre.back() == rep.back()) ||
        (std::stoll(pre + rep) - (pre.empty() ? 0 : std::stoll(pre))) * q !=
            p * (power10(pre.size() + rep.size()) - power10(pre.size())))
        return "the fraction " + ratio + " is not proper, lowest and recurring, or not " + decimal +
               " in its shortest form";
    return e.answer[0] == (kind == "fraction-to-decimal" ? ratio + " = " + decimal : decimal + " = " + ratio)
               ? ""
               : "the answer is not the one as the other";
}

} // namespace recurringdecimals::checks
