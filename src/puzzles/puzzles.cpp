#include "puzzles/puzzles.h"

#include <algorithm>

namespace puzzles {

Arithmagon drawArithmagon(bool negative, shell::RandomSource& draws)
{
    const int size = negative ? 25 : 20;
    const int lowest = negative ? -12 : 1;
    for (;;) {
        Arithmagon a;
        a.top = shell::drawWhole(draws, size, lowest);
        a.left = shell::drawWhole(draws, size, lowest);
        a.right = shell::drawWhole(draws, size, lowest);
        const bool differ = a.top != a.left && a.top != a.right && a.left != a.right;
        if (differ && (!negative || std::min({a.top, a.left, a.right}) < 0))
            return a;
    }
}

bool Pyramid::isShown(int brick) const
{
    return std::find(shown.begin(), shown.end(), brick) != shown.end();
}

Pyramid drawPyramid(shell::RandomSource& draws)
{
    Pyramid p;
    for (int b = 1; b <= 4; ++b)
        p.bricks[static_cast<std::size_t>(b)] = shell::drawWhole(draws, 12, 1);
    for (const Triple& t : kTriples)
        p.bricks[static_cast<std::size_t>(t.parent)] =
            p.bricks[static_cast<std::size_t>(t.left)] + p.bricks[static_cast<std::size_t>(t.right)];
    p.shown = kCompletableSets[static_cast<std::size_t>(shell::drawWhole(draws, kShownSets, 0))];
    std::array<bool, kBricks + 1> known{};
    for (const int b : p.shown)
        known[static_cast<std::size_t>(b)] = true;
    p.steps = deduce(known);
    return p;
}

} // namespace puzzles
