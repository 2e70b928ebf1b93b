// The Recurring Decimals invariants for the volume run: a proper fraction in lowest terms that
// does not terminate, its decimal in the shortest form each kind asks, the two equal by
// cross-multiplying, and the answer the one written as the other.
#include "invariants.h"

#include <numeric>

namespace recurringdecimals::checks {
namespace {

// A shorter block, repeated, runs through the block: in whole copies ("4545"), or also cut short
// ("121") for the blocks a question is drawn with.
bool hasShorterPeriod(const std::string& block, bool wholeCopies)
{
    for (std::size_t length = 1; length < block.size(); ++length) {
        if ((!wholeCopies || block.size() % length == 0) &&
            block.substr(length) == block.substr(0, block.size() - length))
            return true;
    }
    return false;
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    const long long p = data["numerator"].whole();
    const long long q = data["denominator"].whole();
    const std::string pre = data["pre"].text();
    const std::string rep = data["rep"].text();
    long long rest = q; // q without its factors 2 and 5
    while (rest % 2 == 0 || rest % 5 == 0)
        rest /= rest % 2 == 0 ? 2 : 5;
    if (p <= 0 || p >= q || std::gcd(p, q) != 1 || rest == 1)
        return "the fraction is not proper and in lowest terms, or terminates";
    if (rep.empty() || pre.size() > 2 || rep.size() > 6 ||
        hasShorterPeriod(rep, kind == "fraction-to-decimal") ||
        (kind == "decimal-to-fraction" && (!pre.empty() || rep.size() > 3)) ||
        (kind == "partly-recurring" && (pre.empty() || pre.size() + rep.size() > 3)) ||
        (!pre.empty() && pre.back() == rep.back()))
        return "the decimal 0." + pre + "(" + rep + ") is not in its shortest form";
    const auto power10 = [](std::size_t k) {
        return static_cast<long long>(reliability::power10(static_cast<int>(k)));
    };
    if ((std::stoll(pre + rep) - (pre.empty() ? 0 : std::stoll(pre))) * q !=
        p * (power10(pre.size() + rep.size()) - power10(pre.size())))
        return "0." + pre + "(" + rep + ") is not " + std::to_string(p) + "/" + std::to_string(q);
    const std::string decimal = "0." + pre + "(" + rep + ")";
    const std::string ratio = std::to_string(p) + "/" + std::to_string(q);
    const std::string answer =
        kind == "fraction-to-decimal" ? ratio + " = " + decimal : decimal + " = " + ratio;
    return e.answer[0] == answer ? "" : "the answer is not " + answer;
}

} // namespace recurringdecimals::checks
