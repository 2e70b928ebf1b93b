// The Hexadecimal invariants for the volume run: the numbers' ranges, a sum that stays within two
// hexadecimal digits and a difference that stays positive, and the question and answer in their bases.
#include "invariants.h"

namespace hexadecimal::checks {

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const long long a = data["a"].whole();
    const long long b = mode >= 2 ? data["b"].whole() : 16;
    if (a < 16 || a > 255 || b < 16 || b > 255 || (mode == 2 && a + b > 255) || (mode == 3 && a <= b))
        return "numbers outside their ranges";
    const long long result = mode == 2 ? a + b : mode == 3 ? a - b : a;
    // Numbers carry their base as a subscript, ₁₀ or ₁₆.
    const auto inBase = [](long long n, bool decimal) {
        char digits[8];
        std::snprintf(digits, sizeof digits, decimal ? "%lld" : "%llX", n);
        return digits + std::string(decimal ? "\u2081\u2080" : "\u2081\u2086");
    };
    const std::string asked = mode < 2
                                  ? inBase(a, mode == 1)
                                  : inBase(a, false) + (mode == 2 ? " + " : " \u2212 ") + inBase(b, false);
    const std::string answer = asked + " = " + inBase(result, mode == 0);
    return e.question[0].text == asked && e.answer[0] == answer
               ? ""
               : "the question or the answer is not " + answer;
}

} // namespace hexadecimal::checks
