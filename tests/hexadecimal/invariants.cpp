// The Hexadecimal invariants for the volume run: the numbers' ranges, a sum that stays within two
// hexadecimal digits and a difference that stays positive, and the answer's result in its base.
#include "invariants.h"

namespace hexadecimal::checks {

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const long long a = data["a"].whole();
    const long long b = mode >= 2 ? data["b"].whole() : 16;
    if (a < 16 || a > 255 || b < 16 || b > 255 || (mode == 2 && a + b > 255) || (mode == 3 && a <= b))
        return "numbers outside their ranges";
    // After " = ", in decimal when converting into it, then its base as a subscript, ₁₀ or ₁₆.
    char result[32];
    std::snprintf(result, sizeof result, mode == 0 ? " = %lld\u2081\u2080" : " = %llX\u2081\u2086",
                  mode == 2 ? a + b : mode == 3 ? a - b : a);
    return e.answer[0].ends_with(result) ? "" : std::string("the answer does not end") + result;
}

} // namespace hexadecimal::checks
