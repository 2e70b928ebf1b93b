// The Puzzles invariants for the volume run: the circles' or bottom bricks' ranges and rejection
// rules, the boxes the circles' sums, shown bricks that adding and subtracting complete, and the
// answer the data's circles or bottom row.
#include "invariants.h"

#include <algorithm>
#include <array>

namespace puzzles::checks {

std::string invariants(const shell::Activity&, int, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (data["kind"].text() == "pyramid") {
        std::vector<long long> bottom, shown;
        for (const shell::Json& brick : data["bottom"].elements())
            bottom.push_back(brick.whole());
        // Adding and subtracting, in any order, find every brick from the shown ones (1 to 4 the
        // bottom row, 10 the top), which also makes the answer the only one.
        bool known[11]{};
        // A shown brick outside 1 to 10 marks place 0, which no brick has.
        for (const shell::Json& brick : data["shown"].elements()) {
            shown.push_back(brick.whole());
            known[brick.whole() >= 1 && brick.whole() <= 10 ? brick.whole() : 0] = true;
        }
        for (int pass = 0; pass < 6; ++pass) {
            for (const auto& [above, left, right] :
                 {std::array{5, 1, 2}, {6, 2, 3}, {7, 3, 4}, {8, 5, 6}, {9, 6, 7}, {10, 8, 9}})
                if (known[above] + known[left] + known[right] >= 2)
                    known[above] = known[left] = known[right] = true;
        }
        return std::all_of(bottom.begin(), bottom.end(), [](long long b) { return b >= 1 && b <= 12; }) &&
                       bottom[0] + 3 * bottom[1] + 3 * bottom[2] + bottom[3] <= 96 && shown.size() == 4 &&
                       !known[0] && *std::max_element(shown.begin(), shown.end()) > 4 &&
                       std::all_of(known + 1, known + 11, [](bool k) { return k; }) &&
                       e.answer[0].starts_with("Bottom row: ") &&
                       reliability::readNs(e.answer[0].substr(12), ", ") == bottom
                   ? ""
                   : "a bottom brick out of 1 to 12, the top above 96, shown bricks that cannot be "
                     "completed, or not the answer";
    }
    const long long top = data["top"].whole(), left = data["left"].whole(), right = data["right"].whole();
    const bool negative = data["kind"].text() == "arithmagon-negative";
    const auto N = [](long long v) { return (v < 0 ? "\u2212" : "") + std::to_string(std::abs(v)); };
    return data["boxes"]["left"].whole() == top + left && data["boxes"]["right"].whole() == top + right &&
                   data["boxes"]["bottom"].whole() == left + right && top != left && top != right &&
                   left != right && std::min({top, left, right}) >= (negative ? -12 : 1) &&
                   std::max({top, left, right}) <= (negative ? 12 : 20) &&
                   (!negative || std::min({top, left, right}) < 0) &&
                   e.answer[0] == "Top " + N(top) + ", left " + N(left) + ", right " + N(right)
               ? ""
               : "boxes that are not the circles' sums, circles that repeat or are out of range, no negative "
                 "circle, or not the answer";
}

} // namespace puzzles::checks
