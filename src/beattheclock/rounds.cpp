#include "beattheclock/rounds.h"

#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>

namespace beattheclock {
namespace {

using shell::drawWhole;

Item tablesItem(shell::RandomSource& draws)
{
    const int a = drawWhole(draws, 11, 2);
    const int b = drawWhole(draws, 11, 2);
    const int f = drawWhole(draws, 4, 1);
    return f == 4 ? Item{Operation::Divide, a * b, a} : Item{Operation::Multiply, a, b};
}

Item fourOperationsItem(shell::RandomSource& draws)
{
    switch (drawWhole(draws, 4, 1)) {
    case 1:
        return {Operation::Add, drawWhole(draws, 69, 11), drawWhole(draws, 69, 11)};
    case 2: {
        int a = 0;
        int b = 0;
        do {
            a = drawWhole(draws, 79, 21);
            b = drawWhole(draws, 89, 11);
        } while (b >= a);
        return {Operation::Subtract, a, b};
    }
    case 3: {
        const int a = drawWhole(draws, 11, 2);
        return {Operation::Multiply, a, drawWhole(draws, 11, 2)};
    }
    default: {
        const int a = drawWhole(draws, 11, 2);
        const int q = drawWhole(draws, 11, 2);
        return {Operation::Divide, a * q, a};
    }
    }
}

Item squaresRootsItem(shell::RandomSource& draws)
{
    constexpr std::array<int, 5> kCubed{2, 3, 4, 5, 10};
    const int f = drawWhole(draws, 5, 1);
    if (f <= 2)
        return {Operation::Square, drawWhole(draws, 14, 2)};
    if (f <= 4) {
        const int n = drawWhole(draws, 14, 2);
        return {Operation::Root, n * n};
    }
    return {Operation::Cube, kCubed[static_cast<std::size_t>(drawWhole(draws, 5, 0))]};
}

Item itemOfGroup(int group, shell::RandomSource& draws)
{
    switch (group) {
    case Tables:
        return tablesItem(draws);
    case FourOperations:
        return fourOperationsItem(draws);
    default:
        return squaresRootsItem(draws);
    }
}

} // namespace

std::string Item::text() const
{
    using namespace shell::forms;
    switch (operation) {
    case Operation::Multiply:
        return N(a) + " " + std::string(kTimes) + " " + N(b);
    case Operation::Divide:
        return N(a) + " " + std::string(kDivide) + " " + N(b);
    case Operation::Add:
        return N(a) + " + " + N(b);
    case Operation::Subtract:
        return Sub(a, b);
    case Operation::Square:
        return N(a) + "\u00b2";
    case Operation::Root:
        return "\u221a" + N(a);
    case Operation::Cube:
        return N(a) + "\u00b3";
    }
    return {};
}

int Item::answer() const
{
    switch (operation) {
    case Operation::Multiply:
        return a * b;
    case Operation::Divide:
        return a / b;
    case Operation::Add:
        return a + b;
    case Operation::Subtract:
        return a - b;
    case Operation::Square:
        return a * a;
    case Operation::Root: {
        int root = 1;
        while (root * root < a)
            ++root;
        return root;
    }
    case Operation::Cube:
        return a * a * a;
    }
    return 0;
}

std::string_view Item::kind() const
{
    constexpr std::array<std::string_view, 7> kKinds{"multiply", "divide", "add",  "subtract",
                                                     "square",   "root",   "cube"};
    return kKinds[static_cast<std::size_t>(operation)];
}

bool Item::sameAs(const Item& other) const
{
    if (operation != other.operation)
        return false;
    const bool commutes = operation == Operation::Multiply || operation == Operation::Add;
    return (a == other.a && b == other.b) || (commutes && a == other.b && b == other.a);
}

Item drawItem(int mode, std::span<const Item> earlier, shell::RandomSource& draws)
{
    // Mixed draws the group once per item; an item equal to an earlier one is drawn again
    // within its group.
    const int group = mode == Mixed ? drawWhole(draws, 3, 0) : mode;
    for (;;) {
        const Item item = itemOfGroup(group, draws);
        if (std::none_of(earlier.begin(), earlier.end(), [&](const Item& e) { return e.sameAs(item); }))
            return item;
    }
}

std::vector<Item> drawRound(int mode, shell::RandomSource& draws)
{
    std::vector<Item> round;
    round.reserve(kRoundLength);
    while (round.size() < kRoundLength)
        round.push_back(drawItem(mode, round, draws));
    return round;
}

} // namespace beattheclock
