// The Puzzles activity's invariants for the volume run: the boxes and bricks recomputed from the
// question's data, and the pyramid's shown bricks checked by brute force to give one answer
// that adding and subtracting reach.
#include "shell/core/activity.h"
#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace puzzles::checks {
namespace {

using shell::forms::N;

// Brick b (from 1) as a sum of the bottom row's bricks: its coefficient of each.
using Coefficients = std::array<long long, 4>;
const std::array<Coefficients, 11> kBrickSums{{{0, 0, 0, 0},
                                               {1, 0, 0, 0},
                                               {0, 1, 0, 0},
                                               {0, 0, 1, 0},
                                               {0, 0, 0, 1},
                                               {1, 1, 0, 0},
                                               {0, 1, 1, 0},
                                               {0, 0, 1, 1},
                                               {1, 2, 1, 0},
                                               {0, 1, 2, 1},
                                               {1, 3, 3, 1}}};
// The bricks each brick above the bottom row stands on.
const std::array<std::array<int, 3>, 6> kStandsOn{
    {{5, 1, 2}, {6, 2, 3}, {7, 3, 4}, {8, 5, 6}, {9, 6, 7}, {10, 8, 9}}};

// Bareiss's fraction-free elimination: every division is exact.
long long determinant(std::array<Coefficients, 4> m)
{
    long long previous = 1;
    long long sign = 1;
    for (std::size_t k = 0; k < 4; ++k) {
        if (m[k][k] == 0) {
            std::size_t r = k + 1;
            while (r < 4 && m[r][k] == 0)
                ++r;
            if (r == 4)
                return 0;
            std::swap(m[k], m[r]);
            sign = -sign;
        }
        for (std::size_t i = k + 1; i < 4; ++i) {
            for (std::size_t j = k + 1; j < 4; ++j)
                m[i][j] = (m[i][j] * m[k][k] - m[i][k] * m[k][j]) / previous;
        }
        previous = m[k][k];
    }
    return sign * m[3][3];
}

// Whether adding and subtracting, in any order, find every brick from the shown ones.
bool completes(std::array<bool, 11> known)
{
    for (bool progress = true; progress;) {
        progress = false;
        for (const auto& bricks : kStandsOn) {
            const auto unknown = std::count_if(bricks.begin(), bricks.end(),
                                               [&](int b) { return !known[static_cast<std::size_t>(b)]; });
            if (unknown == 1) {
                for (const int b : bricks)
                    known[static_cast<std::size_t>(b)] = true;
                progress = true;
            }
        }
    }
    return std::all_of(known.begin() + 1, known.end(), [](bool k) { return k; });
}

// "Step i: a + b = c" or "Step i: a − b = c", with the sum or difference right.
bool stepAddsUp(const std::string& line, int index)
{
    const std::string start = "Step " + std::to_string(index) + ": ";
    if (line.rfind(start, 0) != 0)
        return false;
    std::istringstream words(line.substr(start.size()));
    long long a = 0;
    long long b = 0;
    long long c = 0;
    std::string op;
    std::string equals;
    if (!(words >> a >> op >> b >> equals >> c) || equals != "=")
        return false;
    return op == "+" ? a + b == c : op == "\u2212" && a - b == c;
}

std::string pyramid(const shell::Exercise& e, const shell::Json& data)
{
    std::array<long long, 11> value{};
    for (std::size_t i = 0; i < 4; ++i) {
        value[i + 1] = data["bottom"][i].whole();
        if (value[i + 1] < 1 || value[i + 1] > 12)
            return "a bottom brick outside 1 to 12";
    }
    for (const auto& [parent, left, right] : kStandsOn)
        value[static_cast<std::size_t>(parent)] =
            value[static_cast<std::size_t>(left)] + value[static_cast<std::size_t>(right)];
    std::array<bool, 11> known{};
    std::array<Coefficients, 4> rows{};
    std::size_t count = 0;
    int previous = 0;
    for (const shell::Json& shown : data["shown"].elements()) {
        const auto b = static_cast<int>(shown.whole());
        if (b <= previous || b > 10 || count == 4)
            return "the shown bricks are not four in order";
        previous = b;
        known[static_cast<std::size_t>(b)] = true;
        rows[count++] = kBrickSums[static_cast<std::size_t>(b)];
    }
    if (count != 4 || (known[1] && known[2] && known[3] && known[4]))
        return "not four shown bricks with a bottom brick hidden";
    if (determinant(rows) == 0)
        return "shown bricks that leave more than one answer";
    if (!completes(known))
        return "shown bricks that adding and subtracting cannot complete";
    if (value[10] > 96)
        return "a brick above 96";
    const auto brick = [&](int b) {
        return known[static_cast<std::size_t>(b)] ? N(value[static_cast<std::size_t>(b)]) : "?";
    };
    const std::vector<std::string> rowsShown{"Top row: " + brick(10), "Row 2: " + brick(8) + ", " + brick(9),
                                             "Row 3: " + brick(5) + ", " + brick(6) + ", " + brick(7),
                                             "Bottom row: " + brick(1) + ", " + brick(2) + ", " + brick(3) +
                                                 ", " + brick(4)};
    if (e.described != rowsShown)
        return "the rows described are not the pyramid's";
    if (e.answer != std::vector<std::string>{"Bottom row: " + N(value[1]) + ", " + N(value[2]) + ", " +
                                             N(value[3]) + ", " + N(value[4])})
        return "the answer is not the bottom row";
    if (e.working.size() != 6)
        return "not six steps";
    for (std::size_t i = 0; i < e.working.size(); ++i) {
        if (!stepAddsUp(e.working[i].text, static_cast<int>(i) + 1))
            return "a step that does not add up: " + e.working[i].text;
    }
    return {};
}

std::string arithmagon(const shell::Exercise& e, const shell::Json& data, bool negative)
{
    const long long top = data["top"].whole();
    const long long left = data["left"].whole();
    const long long right = data["right"].whole();
    const long long l = data["boxes"]["left"].whole();
    const long long r = data["boxes"]["right"].whole();
    const long long b = data["boxes"]["bottom"].whole();
    if (l != top + left || r != top + right || b != left + right)
        return "boxes that are not the sums of their circles";
    if ((l + r + b) % 2 != 0)
        return "an odd total of the boxes";
    if (top == left || top == right || left == right || l == r || l == b || r == b)
        return "circles or boxes that repeat";
    const long long lowest = negative ? -12 : 1;
    const long long highest = negative ? 12 : 20;
    for (const long long corner : {top, left, right}) {
        if (corner < lowest || corner > highest)
            return "a circle out of range";
    }
    if (negative && std::min({top, left, right}) >= 0)
        return "no negative circle";
    if ((l + r - b) / 2 != top || (l - r + b) / 2 != left || (-l + r + b) / 2 != right)
        return "boxes that come from other circles";
    if (e.described !=
        std::vector<std::string>{"Left box " + N(l) + ", right box " + N(r) + ", bottom box " + N(b)})
        return "the boxes described are not the data's";
    if (e.answer != std::vector<std::string>{"Top " + N(top) + ", left " + N(left) + ", right " + N(right)})
        return "the answer is not the circles";
    return e.working.size() == 7 ? std::string() : "not seven working lines";
}

} // namespace

std::string invariants(const shell::Activity&, int, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (kind == "pyramid")
        return pyramid(e, data);
    return arithmagon(e, data, kind == "arithmagon-negative");
}

} // namespace puzzles::checks
