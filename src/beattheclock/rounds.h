// The rounds of Beat the Clock: ten quick mental-arithmetic items, none equal to another, drawn
// from times tables, the four operations on small numbers, or squares, square roots and cubes.
#pragma once

#include "shell/core/randomsource.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace beattheclock {

inline constexpr int kRoundLength = 10;

// The modes: which items a round holds.
enum Mode { Tables, FourOperations, SquaresRoots, Mixed };

enum class Operation { Multiply, Divide, Add, Subtract, Square, Root, Cube };

// An item as shown: "a × b", "a ÷ b", "a + b", "a − b", "a²", "√a", "a³".
struct Item {
    Operation operation = Operation::Multiply;
    int a = 0;
    int b = 0; // 0 for squares, roots and cubes

    std::string text() const;
    int answer() const;
    // "multiply", "divide", "add", "subtract", "square", "root", "cube".
    std::string_view kind() const;
    // The same question: a × b and b × a (or a + b and b + a) are equal.
    bool sameAs(const Item& other) const;
};

// An item of the mode that equals none of `earlier`.
Item drawItem(int mode, std::span<const Item> earlier, shell::RandomSource& draws);

// A whole round of the mode.
std::vector<Item> drawRound(int mode, shell::RandomSource& draws);

} // namespace beattheclock
