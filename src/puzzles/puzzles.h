// The Puzzles activity's questions, free of Qt: triangle arithmagons, whose boxes are the sums of
// the circles they join, and four-row addition pyramids with four bricks shown, both with one
// answer that adding and subtracting find.
#pragma once

#include "shell/core/randomsource.h"

#include <array>
#include <cstddef>

namespace puzzles {

struct Arithmagon {
    int top = 0;
    int left = 0;
    int right = 0;

    int leftBox() const { return top + left; }
    int rightBox() const { return top + right; }
    int bottomBox() const { return left + right; }
};

// Circles from 1 to 20, or from −12 to 12 with one at least negative; all three differ.
Arithmagon drawArithmagon(bool negative, shell::RandomSource& draws);

// Bricks are numbered 1 to 4 along the bottom row from the left, 5 to 7 above them, then 8 and
// 9, and 10 at the top; each brick above the bottom row is the sum of the two below it.
inline constexpr int kBricks = 10;
struct Triple {
    int left;
    int right;
    int parent;
};
inline constexpr std::array<Triple, 6> kTriples{
    {{1, 2, 5}, {2, 3, 6}, {3, 4, 7}, {5, 6, 8}, {6, 7, 9}, {8, 9, 10}}};

// One deduction: the brick the triple's other two bricks give.
struct Step {
    int triple = 0; // index into kTriples
    int found = 0;  // a brick number
};

// The deductions from the bricks known (known[b] for brick b, from 1): at the first triple with
// exactly one unknown brick, find it, and start again from the first triple; stop when no triple
// has one unknown. Fewer steps than hidden bricks means the rule cannot complete the pyramid.
struct Deductions {
    std::array<Step, kBricks> steps{};
    int count = 0;
};

constexpr Deductions deduce(std::array<bool, kBricks + 1> known)
{
    Deductions result;
    for (bool progress = true; progress;) {
        progress = false;
        for (int t = 0; t < static_cast<int>(kTriples.size()) && !progress; ++t) {
            const Triple& triple = kTriples[static_cast<std::size_t>(t)];
            const std::array<int, 3> bricks{triple.left, triple.right, triple.parent};
            int unknown = 0;
            int last = 0;
            for (const int b : bricks) {
                if (!known[static_cast<std::size_t>(b)]) {
                    ++unknown;
                    last = b;
                }
            }
            if (unknown == 1) {
                known[static_cast<std::size_t>(last)] = true;
                result.steps[static_cast<std::size_t>(result.count++)] = {t, last};
                progress = true;
            }
        }
    }
    return result;
}

using ShownSet = std::array<int, 4>;
inline constexpr int kShownSets = 121;

// Every set of four shown bricks that the rule completes, in lexicographic order, without the
// bottom row alone (which leaves nothing to deduce backwards).
constexpr std::array<ShownSet, kShownSets> completableSets()
{
    std::array<ShownSet, kShownSets> sets{};
    std::size_t count = 0;
    for (int a = 1; a <= kBricks; ++a)
        for (int b = a + 1; b <= kBricks; ++b)
            for (int c = b + 1; c <= kBricks; ++c)
                for (int d = c + 1; d <= kBricks; ++d) {
                    if (a == 1 && b == 2 && c == 3 && d == 4)
                        continue;
                    std::array<bool, kBricks + 1> known{};
                    for (const int shown : {a, b, c, d})
                        known[static_cast<std::size_t>(shown)] = true;
                    if (deduce(known).count == kBricks - 4)
                        sets.at(count++) = {a, b, c, d};
                }
    return sets;
}

inline constexpr std::array<ShownSet, kShownSets> kCompletableSets = completableSets();

struct Pyramid {
    std::array<int, kBricks + 1> bricks{}; // bricks[b] for brick b, from 1
    ShownSet shown{};
    Deductions steps;

    bool isShown(int brick) const;
};

// The bottom row from 1 to 12, then one of the completable sets.
Pyramid drawPyramid(shell::RandomSource& draws);

} // namespace puzzles
