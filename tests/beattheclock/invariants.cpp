// What every Beat the Clock item must satisfy, read back from its texts and data: the text shows
// its numbers, they lie in their kind's ranges, the mode allows the kind, the answer is whole,
// 1 to 1000 and right, and no item repeats within its round.
#include "shell/core/activity.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace beattheclock::checks {
namespace {

bool within(long v, long low, long high)
{
    return v >= low && v <= high;
}

// The kinds each mode may ask, in the modes' order.
const std::vector<std::vector<std::string>> kKindsOfMode{
    {"multiply", "divide"},
    {"multiply", "divide", "add", "subtract"},
    {"square", "root", "cube"},
    {"multiply", "divide", "add", "subtract", "square", "root", "cube"},
};

// The items of the round under way: kind and numbers, ordered where the operation commutes.
std::vector<std::pair<std::string, std::pair<long, long>>> g_round;
long g_lastPosition = 0;

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& exercise)
{
    if (exercise.instruction != "Answer each question as fast as you can.")
        return "the instruction is not the sheet's";
    if (exercise.question.size() != 1 || exercise.answer.size() != 1 || !exercise.working.empty())
        return "not one item and one answer without working";
    const shell::Json& data = exercise.fields.back().second;
    const std::string kind = data["kind"].text();
    const auto& allowed = kKindsOfMode.at(static_cast<std::size_t>(mode));
    if (std::find(allowed.begin(), allowed.end(), kind) == allowed.end())
        return "a " + kind + " item in this mode";

    const long a = data["a"].whole();
    const bool two = data["b"].isWhole();
    const long b = two ? data["b"].whole() : 0;
    long root = 0;
    while (root * root < a)
        ++root;
    // Each kind: its text, its answer worked out again, and the ranges of its numbers.
    const struct {
        const char* kind;
        std::string text;
        long answer;
        bool inRange;
    } kKinds[] = {
        {"multiply", std::to_string(a) + " × " + std::to_string(b), a * b, within(a, 2, 12) && within(b, 2, 12)},
        {"divide", std::to_string(a) + " ÷ " + std::to_string(b), b ? a / b : 0,
         within(b, 2, 12) && b && a % b == 0 && within(a / b, 2, 12)},
        {"add", std::to_string(a) + " + " + std::to_string(b), a + b, within(a, 11, 79) && within(b, 11, 79)},
        {"subtract", std::to_string(a) + " − " + std::to_string(b), a - b,
         within(a, 21, 99) && within(b, 11, 99) && b < a},
        {"square", std::to_string(a) + "²", a * a, !two && within(a, 2, 15)},
        {"root", "√" + std::to_string(a), root, !two && root * root == a && within(root, 2, 15)},
        {"cube", std::to_string(a) + "³", a * a * a, !two && (within(a, 2, 5) || a == 10)},
    };
    const auto* found = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const auto& k) { return kind == k.kind; });
    if (found == std::end(kKinds) || !found->inRange)
        return "numbers outside the ranges of a " + kind + " item";
    const std::string& text = found->text;
    if (exercise.question[0].text != text)
        return "the item reads \"" + exercise.question[0].text + "\", not \"" + text + "\"";
    if (!within(found->answer, 1, 1000) || exercise.answer[0] != std::to_string(found->answer))
        return "the answer is not " + std::to_string(found->answer);

    const long position = data["position"].whole();
    if (data["round"].whole() < 1 || !within(position, 1, 10))
        return "round or position out of range";
    if (position == 1)
        g_round.clear();
    else if (position != g_lastPosition + 1)
        return "positions out of order";
    g_lastPosition = position;
    const bool commutes = kind == "multiply" || kind == "add";
    const std::pair<long, long> numbers{commutes ? std::min(a, b) : a, commutes ? std::max(a, b) : b};
    const auto item = std::make_pair(kind, numbers);
    if (std::find(g_round.begin(), g_round.end(), item) != g_round.end())
        return "\"" + text + "\" twice in one round";
    g_round.push_back(item);
    return {};
}

} // namespace beattheclock::checks
