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
    const bool two = kind == "multiply" || kind == "divide" || kind == "add" || kind == "subtract";
    const long b = two ? data["b"].whole() : 0;
    if (!two && !data["b"].isNull())
        return "b given for a one-number item";
    std::string text;
    long answer = 0;
    bool inRange = false;
    if (kind == "multiply") {
        text = std::to_string(a) + " \u00d7 " + std::to_string(b);
        answer = a * b;
        inRange = within(a, 2, 12) && within(b, 2, 12);
    } else if (kind == "divide") {
        text = std::to_string(a) + " \u00f7 " + std::to_string(b);
        answer = b > 0 ? a / b : 0;
        inRange = within(b, 2, 12) && a % b == 0 && within(answer, 2, 12);
    } else if (kind == "add") {
        text = std::to_string(a) + " + " + std::to_string(b);
        answer = a + b;
        inRange = within(a, 11, 79) && within(b, 11, 79);
    } else if (kind == "subtract") {
        text = std::to_string(a) + " \u2212 " + std::to_string(b);
        answer = a - b;
        inRange = within(a, 21, 99) && within(b, 11, 99) && b < a;
    } else if (kind == "square") {
        text = std::to_string(a) + "\u00b2";
        answer = a * a;
        inRange = within(a, 2, 15);
    } else if (kind == "root") {
        text = "\u221a" + std::to_string(a);
        for (long n = 2; n <= 15; ++n) {
            if (n * n == a) {
                answer = n;
                inRange = true;
            }
        }
    } else if (kind == "cube") {
        text = std::to_string(a) + "\u00b3";
        answer = a * a * a;
        inRange = a == 2 || a == 3 || a == 4 || a == 5 || a == 10;
    }
    if (!inRange)
        return "numbers outside the ranges of a " + kind + " item";
    if (exercise.question[0].text != text)
        return "the item reads \"" + exercise.question[0].text + "\", not \"" + text + "\"";
    if (!within(answer, 1, 1000) || exercise.answer[0] != std::to_string(answer))
        return "the answer is not " + std::to_string(answer);

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
