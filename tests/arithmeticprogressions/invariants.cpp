// The Arithmetic Progressions invariants for the volume run: the sequence's ranges, 1, 2, 3, …
// never asked, and the answer read back against the data.
#include "invariants.h"

namespace arithmeticprogressions::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const long long a = data["first"].whole();
    const long long d = data["difference"].whole();
    const auto term = [&](long long n) { return a + (n - 1) * d; };
    if (d == 0 || d < -9 || d > 9 || (d < 0 ? a < 10 || a > 40 : a < -10 || a > 20) || (a == 1 && d == 1))
        return "the first term or the difference is out of range, or the sequence is 1, 2, 3, …";
    for (std::size_t n = 1; n <= 5; ++n) {
        if (data["terms"][n - 1].whole() != term(static_cast<long long>(n)))
            return "the terms do not go up by the difference";
    }
    const std::string kind = data["kind"].text();
    if (kind == "next-terms")
        return reliability::readNs(e.answer[0], " and ") == std::vector{term(6), term(7)}
                   ? ""
                   : "not terms 6 and 7";
    if (kind == "which-term") {
        const long long n = data["position"].whole();
        const std::size_t space = e.answer[0].find(' ');
        const char* th = n % 100 / 10 == 1 || n % 10 == 0 || n % 10 > 3 ? "th"
                         : n % 10 == 1                                  ? "st"
                         : n % 10 == 2                                  ? "nd"
                                                                        : "rd";
        return n >= 8 && n <= 30 && data["target"].whole() == term(n) &&
                       reliability::readN(e.answer[0].substr(0, space)) == term(n) &&
                       e.answer[0].substr(space) == " is the " + std::to_string(n) + th + " term."
                   ? ""
                   : "the target is not term 8 to 30, or not the answer's";
    }
    // "3n + 2", "n − 5", "7n", "23 − 3n": the constant is a − d.
    const auto dn = [](long long k) { return (k == 1 ? "" : std::to_string(k)) + "n"; };
    const long long c = a - d;
    const std::string rule = d < 0   ? std::to_string(c) + " \u2212 " + dn(-d)
                             : c > 0 ? dn(d) + " + " + std::to_string(c)
                             : c < 0 ? dn(d) + " \u2212 " + std::to_string(-c)
                                     : dn(d);
    return e.answer[0] == "nth term = " + rule ? "" : "the rule is not " + rule;
}

} // namespace arithmeticprogressions::checks
