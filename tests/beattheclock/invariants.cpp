// The Beat the Clock invariants for the volume run: the mode allows the item's kind, its numbers
// lie in the kind's ranges, the answer is right and 1 to 1000, and no item repeats within its round.
#include "shell/core/activity.h"

#include <map>
#include <set>
#include <tuple>

namespace beattheclock::checks {
namespace {

// The items of the round under way: kind and numbers, ordered where the operation commutes.
std::set<std::tuple<std::string, long, long>> g_round;

bool in(long v, long low, long high)
{
    return v >= low && v <= high;
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json& data = e.fields.back().second;
    const std::string kind = data["kind"].text();
    const long a = data["a"].whole(), b = data["b"].isWhole() ? data["b"].whole() : 0;
    long root = 0;
    while (root * root < a)
        ++root;
    // Each kind: the modes that ask it (a bit each), whether its numbers are in range, its answer.
    const std::map<std::string, std::tuple<int, bool, long>> kKinds{
        {"multiply", {0b1011, in(a, 2, 12) && in(b, 2, 12), a * b}},
        {"divide", {0b1011, in(b, 2, 12) && a % b == 0 && in(a / b, 2, 12), b ? a / b : 0}},
        {"add", {0b1010, in(a, 11, 79) && in(b, 11, 79), a + b}},
        {"subtract", {0b1010, in(a, 21, 99) && in(b, 11, 99) && b < a, a - b}},
        {"square", {0b1100, !b && in(a, 2, 15), a * a}},
        {"root", {0b1100, !b && root * root == a && in(root, 2, 15), root}},
        {"cube", {0b1100, !b && (in(a, 2, 5) || a == 10), a * a * a}}};
    const auto [modes, inRange, answer] = kKinds.at(kind);
    if (!(modes >> mode & 1) || !inRange || !in(answer, 1, 1000) || e.answer[0] != std::to_string(answer))
        return "a " + kind + " item of another mode, out of its ranges, or not answered " +
               std::to_string(answer);
    if (data["position"].whole() == 1)
        g_round.clear();
    const bool commutes = kind == "multiply" || kind == "add";
    return g_round.insert({kind, commutes ? std::min(a, b) : a, commutes ? std::max(a, b) : b}).second
               ? ""
               : "\"" + e.question[0].text + "\" twice in one round";
}

} // namespace beattheclock::checks
