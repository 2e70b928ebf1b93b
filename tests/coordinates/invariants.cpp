// The Coordinates invariants for the volume run, from A and B: the points on the grid, and the
// answer the gradient in lowest terms, the line through both, or the midpoint and a whole length.
#include "shell/core/activity.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace coordinates::checks {

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    static const std::vector<std::string> kKinds{"gradient", "equation", "midpoint-length"};
    const shell::Json& data = e.fields.back().second;
    const std::string kind = data["kind"].text();
    const long xA = data["ax"].whole(), yA = data["ay"].whole(), xB = data["bx"].whole(),
               yB = data["by"].whole();
    const long run = xB - xA, rise = yB - yA;
    if ((mode < 3 && kind != kKinds[static_cast<std::size_t>(mode)]) ||
        std::max({std::abs(xA), std::abs(yA), std::abs(xB), std::abs(yB)}) > 9 || (run == 0 && rise == 0) ||
        (kind != "midpoint-length" && run < 0))
        return "another mode's kind, A and B off the grid, one point, or B left of A";
    const auto N = [](long v) { return (v < 0 ? "\u2212" : "") + std::to_string(std::abs(v)); };
    std::vector<std::string> answer;
    if (kind == "gradient") {
        const long g = std::gcd(rise, run);
        answer = {"Gradient = " + N(rise / g) + (run == g ? "" : "/" + std::to_string(run / g))};
    } else if (kind == "midpoint-length") {
        const auto half = [](long s) {
            return (s < 0 ? "\u2212" : "") + std::to_string(std::abs(s) / 2) + (s % 2 ? ".5" : "");
        };
        long length = 1;
        while (length * length < run * run + rise * rise)
            ++length;
        if (length * length != run * run + rise * rise ||
            std::string("5 10 13 15 17 20").find(std::to_string(length)) == std::string::npos)
            return "AB is not a whole length of a listed triple";
        answer = {"Midpoint (" + half(xA + xB) + ", " + half(yA + yB) + ")",
                  "Length AB = " + std::to_string(length)};
    } else if (run == 0 || rise == 0) {
        if ((run == 0 ? xA : yA) == 0 || std::abs(run + rise) < 2)
            return "a level line on an axis, or through points too close";
        answer = {run == 0 ? "x = " + N(xA) : "y = " + N(yA)};
    } else {
        const long m = rise / run, c = yA - m * xA;
        if (rise % run != 0 || std::abs(m) > 5 || std::abs(c) > 8 || run < 2)
            return "a slanted line whose gradient or intercept is out of range, or through points too close";
        answer = {"y = " +
                  (m == 1    ? ""
                   : m == -1 ? "\u2212"
                             : N(m)) +
                  "x" +
                  (c > 0   ? " + " + N(c)
                   : c < 0 ? " \u2212 " + N(-c)
                           : "")};
    }
    return e.answer == answer ? "" : "the answer is not " + answer[0];
}

} // namespace coordinates::checks
