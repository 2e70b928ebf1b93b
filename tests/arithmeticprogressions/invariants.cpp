// The Arithmetic Progressions invariants for the volume run: the first term and the difference in
// range, never 1, 2, 3, …, the terms on the sequence, and the answer's numbers those of the data.
#include "invariants.h"

namespace arithmeticprogressions::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const long long a = data["first"].whole(), d = data["difference"].whole(), c = a - d;
    const auto term = [&](long long n) { return a + (n - 1) * d; };
    bool ok = d != 0 && d >= -9 && d <= 9 && (d < 0 ? a >= 10 && a <= 40 : a >= -10 && a <= 20) &&
              (a != 1 || d != 1);
    for (long long n = 1; n <= 5; ++n)
        ok = ok && data["terms"][static_cast<std::size_t>(n - 1)].whole() == term(n);
    const std::string kind = data["kind"].text(), &answer = e.answer[0];
    if (kind == "next-terms")
        ok = ok && reliability::readNs(answer, " and ") == std::vector{term(6), term(7)};
    else if (kind == "which-term") {
        const long long n = data["position"].whole();
        ok = ok && n >= 8 && n <= 30 && data["target"].whole() == term(n) && answer.ends_with(" term.") &&
             reliability::readN(answer.substr(0, answer.find(' '))) == term(n) &&
             answer.find(" the " + std::to_string(n)) != std::string::npos;
    } else { // "3n + 2", "n − 5", "7n", "23 − 3n": the constant is a − d
        const auto dn = [](long long k) { return (k == 1 ? "" : std::to_string(k)) + "n"; };
        const std::string constant = (c < 0 ? " \u2212 " : " + ") + std::to_string(std::abs(c));
        ok = ok && answer == "nth term = " + (d < 0 ? std::to_string(c) + " \u2212 " + dn(-d)
                                                    : dn(d) + (c ? constant : ""));
    }
    return ok ? "" : "a term or the difference out of range, 1, 2, 3, …, or an answer that is not the data's";
}

} // namespace arithmeticprogressions::checks
