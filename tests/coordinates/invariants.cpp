// The Coordinates invariants for the volume run, from A and B: the points on the grid, and the
// answer the gradient in lowest terms, the line through both, or a whole length and the midpoint.
#include "shell/core/activity.h"

#include <algorithm>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

namespace coordinates::checks {
namespace {

// The minus sign as "-", so that numbers read with std::stol.
std::string plain(std::string text)
{
    for (std::size_t at = text.find("\u2212"); at != std::string::npos; at = text.find("\u2212", at))
        text.replace(at, 3, "-");
    return text;
}

std::string checkAnswer(const std::string& kind, long xA, long yA, long xB, long yB, const std::vector<std::string>& lines)
{
    const long run = xB - xA, rise = yB - yA;
    const std::string answer = plain(lines[0]);
    std::smatch m;
    if (kind == "gradient") {
        static const std::regex kGradient(R"(^Gradient = (-?\d+)(?:/(\d+))?$)");
        if (run <= 0 || !std::regex_match(answer, m, kGradient))
            return "B is not right of A, or no gradient";
        const long p = std::stol(m[1]), q = m[2].matched ? std::stol(m[2]) : 1;
        if (p * run != q * rise || std::gcd(p, q) != 1 || (m[2].matched && q == 1))
            return "the gradient is not rise/run in lowest terms";
    } else if (kind == "equation") {
        static const std::regex kLevel(R"(^([xy]) = (-?\d+)$)");
        static const std::regex kSlanted(R"(^y = (-?)(\d*)x(?: ([-+]) (\d+))?$)");
        if (std::regex_match(answer, m, kLevel)) {
            const long k = std::stol(m[2]);
            const bool vertical = m[1] == "x";
            if (k == 0 || (vertical ? xA != k || xB != k || rise < 2 : yA != k || yB != k || run < 2))
                return "\"" + lines[0] + "\" is not the level line through A and B";
        } else if (std::regex_match(answer, m, kSlanted) && m[2] != "1" && m[4] != "0") {
            const long slope = (m[1].matched && m[1] == "-" ? -1 : 1) * (m[2].length() ? std::stol(m[2]) : 1);
            const long c = m[3].matched ? (m[3] == "-" ? -1 : 1) * std::stol(m[4]) : 0;
            if (std::abs(slope) > 5 || std::abs(c) > 8 || run < 2 || slope * xA + c != yA || slope * xB + c != yB)
                return "\"" + lines[0] + "\" is not the line through A and B";
        } else {
            return "unreadable equation \"" + lines[0] + "\"";
        }
    } else {
        static const std::regex kMidpoint(R"(^Midpoint \((-?[\d.]+), (-?[\d.]+)\)$)");
        const std::vector<long> lengths{5, 10, 13, 15, 17, 20};
        if (lines.size() != 2 || !std::regex_match(answer, m, kMidpoint) || !lines[1].starts_with("Length AB = "))
            return "not a midpoint and a length";
        const long length = std::stol(lines[1].substr(12));
        if (length * length != run * run + rise * rise || std::find(lengths.begin(), lengths.end(), length) == lengths.end())
            return "the length is not √(run² + rise²) of a listed triple";
        if (2 * std::stod(m[1]) != xA + xB || 2 * std::stod(m[2]) != yA + yB)
            return "the midpoint is not halfway";
    }
    return {};
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    static const std::vector<std::string> kKinds{"gradient", "equation", "midpoint-length"};
    const shell::Json& data = e.fields.back().second;
    const std::string kind = data["kind"].text();
    if (mode < 3 && kind != kKinds[static_cast<std::size_t>(mode)])
        return "kind " + kind + " in another mode";
    const long xA = data["ax"].whole(), yA = data["ay"].whole(), xB = data["bx"].whole(), yB = data["by"].whole();
    if (std::max({std::abs(xA), std::abs(yA), std::abs(xB), std::abs(yB)}) > 9 || (xA == xB && yA == yB) ||
        (kind != "midpoint-length" && xB < xA))
        return "A and B off the grid, one point, or B left of A";
    return checkAnswer(kind, xA, yA, xB, yB, e.answer);
}

} // namespace coordinates::checks
