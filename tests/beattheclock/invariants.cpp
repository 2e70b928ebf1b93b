// The Beat the Clock invariants for the volume run: the mode allows the item's kind, its numbers
// lie in the kind's ranges, the answer is whole, 1 to 1000 and right, and no item repeats within
// its round.
#include "shell/core/activity.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace beattheclock::checks {
namespace {

bool within(long v, long low, long high)
{
    return v >= low && v <= high;
}

// The items of the round under way: kind and numbers, ordered where the operation commutes.
std::set<std::pair<std::string, std::pair<long, long>>> g_round;

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& exercise)
{
    // The kinds each mode may ask, in the modes' order.
    static const std::vector<std::vector<std::string>> kKindsOfMode{
        {"multiply", "divide"},
        {"multiply", "divide", "add", "subtract"},
        {"square", "root", "cube"},
        {"multiply", "divide", "add", "subtract", "square", "root", "cube"},
    };
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
        {"multiply", std::to_string(a) + " × " + std::to_string(b), a * b,
         within(a, 2, 12) && within(b, 2, 12)},
        {"divide", std::to_string(a) + " ÷ " + std::to_string(b), b ? a / b : 0,
         within(b, 2, 12) && a % b == 0 && within(a / b, 2, 12)},
        {"add", std::to_string(a) + " + " + std::to_string(b), a + b, within(a, 11, 79) && within(b, 11, 79)},
        {"subtract", std::to_string(a) + " − " + std::to_string(b), a - b,
         within(a, 21, 99) && within(b, 11, 99) && b < a},
        {"square", std::to_string(a) + "²", a * a, !two && within(a, 2, 15)},
        {"root", "√" + std::to_string(a), root, !two && root * root == a && within(root, 2, 15)},
        {"cube", std::to_string(a) + "³", a * a * a, !two && (within(a, 2, 5) || a == 10)},
    };
    const auto* found =
        std::find_if(std::begin(kKinds), std::end(kKinds), [&](const auto& k) { return kind == k.kind; });
    if (!found->inRange || exercise.question[0].text != found->text || !within(found->answer, 1, 1000) ||
        exercise.answer[0] != std::to_string(found->answer))
        return "\"" + exercise.question[0].text + "\" out of its kind's ranges, or not answered " +
               std::to_string(found->answer);
    if (data["position"].whole() == 1)
        g_round.clear();
    const bool commutes = kind == "multiply" || kind == "add";
    if (!g_round.insert({kind, {commutes ? std::min(a, b) : a, commutes ? std::max(a, b) : b}}).second)
        return "\"" + found->text + "\" twice in one round";
    return {};
}

} // namespace beattheclock::checks
