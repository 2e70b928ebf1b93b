// The Coordinates invariants for the volume run, from A and B: the points on the grid, each kind's
// rejection rules, and the answer the gradient, the line, or the midpoint and the whole length.
#include "shell/core/activity.h"

#include <numeric>

namespace coordinates::checks {

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json& data = e.fields.back().second;
    const std::string kind = data["kind"].text();
    const long xA = data["ax"].whole(), yA = data["ay"].whole(), xB = data["bx"].whole(),
               yB = data["by"].whole();
    const long run = xB - xA, rise = yB - yA, g = std::gcd(rise, run), m = run ? rise / run : 0,
               c = yA - m * xA;
    const auto N = [](long v, bool half = false) {
        return (v < 0 ? "\u2212" : "") + std::to_string(std::abs(v) >> half) + (half && v % 2 ? ".5" : "");
    };
    long length = 0;
    while (length * length < run * run + rise * rise)
        ++length;
    const std::string slope = m == 1 ? "x" : m == -1 ? "\u2212x" : N(m) + "x";
    const std::vector<std::string> answer =
        kind == "gradient"
            ? std::vector<std::string>{"Gradient = " + N(rise / g) + (run == g ? "" : "/" + N(run / g))}
        : kind == "equation"
            ? std::vector<std::string>{run == 0 ? "x = " + N(xA)
                                       : rise == 0
                                           ? "y = " + N(yA)
                                           : "y = " + slope +
                                                 (c ? (c > 0 ? " + " : " \u2212 ") + N(std::abs(c)) : "")}
            : std::vector<std::string>{"Midpoint (" + N(xA + xB, true) + ", " + N(yA + yB, true) + ")",
                                       "Length AB = " + N(length)};
    const bool level = run == 0 || rise == 0;
    return (mode == 3 || kind == std::vector<std::string>{"gradient", "equation", "midpoint-length"}[mode]) &&
                   std::max({std::abs(xA), std::abs(yA), std::abs(xB), std::abs(yB)}) <= 9 && g != 0 &&
                   (kind == "midpoint-length" ? length * length == run * run + rise * rise &&
                                                    length % 5 * (length - 13) * (length - 17) == 0
                                              : run >= 0) &&
                   (kind != "equation" ||
                    (level ? (run == 0 ? xA : yA) != 0 && std::abs(run + rise) >= 2
                           : rise % run == 0 && std::abs(m) <= 5 && std::abs(c) <= 8 && run >= 2)) &&
                   e.answer == answer
               ? ""
               : "another mode's kind, off the grid, a rejected line or length, or an answer not the data's";
}

} // namespace coordinates::checks
