// The Puzzles invariants for the volume run: the circles' or bottom bricks' ranges and rejection
// rules, the boxes the circles' sums, shown bricks that adding and subtracting complete, and the
// answer the data's circles or bottom row.
#include "invariants.h"

#include <algorithm>

namespace puzzles::checks {
namespace {

// Whether adding and subtracting, in any order, find every brick from the shown ones (bricks 1 to
// 4 the bottom row, 10 the top), which also makes the answer the only one.
bool completes(const std::vector<long long>& shown)
{
    static const int kStandsOn[6][3]{{5, 1, 2}, {6, 2, 3}, {7, 3, 4}, {8, 5, 6}, {9, 6, 7}, {10, 8, 9}};
    bool known[11]{};
    for (long long b : shown)
        known[b] = true;
    for (bool progress = true; progress;) {
        progress = false;
        for (const auto& bricks : kStandsOn) {
            if (known[bricks[0]] + known[bricks[1]] + known[bricks[2]] == 2) {
                known[bricks[0]] = known[bricks[1]] = known[bricks[2]] = true;
                progress = true;
            }
        }
    }
    return std::all_of(known + 1, known + 11, [](bool k) { return k; });
}

std::string pyramid(const shell::Exercise& e, const shell::Json& data)
{
    std::vector<long long> bottom;
    for (const shell::Json& brick : data["bottom"].elements())
        bottom.push_back(brick.whole());
    std::vector<long long> shown;
    for (const shell::Json& brick : data["shown"].elements())
        shown.push_back(brick.whole());
    // The top is the bottom row's 1, 3, 3, 1 sum.
    const long long top = bottom[0] + 3 * bottom[1] + 3 * bottom[2] + bottom[3];
    if (std::any_of(bottom.begin(), bottom.end(), [](long long b) { return b < 1 || b > 12; }) || top > 96 ||
        shown.size() != 4 ||
        std::any_of(shown.begin(), shown.end(), [](long long b) { return b < 1 || b > 10; }) ||
        *std::max_element(shown.begin(), shown.end()) <= 4 || !completes(shown))
        return "a bottom brick out of 1 to 12, or shown bricks that leave a bottom brick hidden or cannot be "
               "completed";
    return reliability::readNs(e.answer[0].substr(12), ", ") == bottom &&
                   e.answer[0].starts_with("Bottom row: ")
               ? ""
               : "the answer is not the bottom row";
}

std::string arithmagon(const shell::Exercise& e, const shell::Json& data, bool negative)
{
    const long long top = data["top"].whole(), left = data["left"].whole(), right = data["right"].whole();
    const long long low = negative ? -12 : 1, high = negative ? 12 : 20;
    if (data["boxes"]["left"].whole() != top + left || data["boxes"]["right"].whole() != top + right ||
        data["boxes"]["bottom"].whole() != left + right)
        return "boxes that are not the sums of their circles";
    if (top == left || top == right || left == right || std::min({top, left, right}) < low ||
        std::max({top, left, right}) > high || (negative && std::min({top, left, right}) >= 0))
        return "circles that repeat or are out of range, or no negative circle";
    const std::vector<std::string> parts = reliability::split(e.answer[0], ", ");
    return parts.size() == 3 && parts[0].starts_with("Top ") &&
                   reliability::readN(parts[0].substr(4)) == top &&
                   reliability::readN(parts[1].substr(5)) == left &&
                   reliability::readN(parts[2].substr(6)) == right
               ? ""
               : "the answer is not the circles";
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
