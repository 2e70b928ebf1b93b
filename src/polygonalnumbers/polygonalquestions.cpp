#include "polygonalnumbers/polygonalquestions.h"

#include <cmath>
#include <numbers>

namespace polygonalnumbers {
namespace {

bool isTriangular(int x)
{
    const int k = triangularRoot(x);
    return k * (k + 1) / 2 == x;
}

Question drawKind(Kind kind, shell::RandomSource& draws)
{
    Question q;
    q.kind = kind;
    switch (kind) {
    case Kind::Triangular:
        q.n = shell::drawWhole(draws, 16, 5);
        break;
    case Kind::PentagonalHexagonal:
        q.sides = shell::drawWhole(draws, 2, 0) == 0 ? 5 : 6;
        q.n = shell::drawWhole(draws, 8, 5);
        break;
    case Kind::IsItTriangular:
        if (shell::drawWhole(draws, 2, 1) == 1) {
            q.n = shell::drawWhole(draws, 20, 5);
            q.x = polygonal(3, q.n);
        } else {
            // As many triangular numbers as not, so a "no" is never left to chance.
            do
                q.x = shell::drawWhole(draws, 286, 15);
            while (isTriangular(q.x));
            q.n = triangularRoot(q.x);
        }
        break;
    }
    return q;
}

} // namespace

Question makeQuestion(int mode, shell::RandomSource& draws)
{
    const int kind = mode == 3 ? shell::drawWhole(draws, 3, 0) : mode;
    return drawKind(static_cast<Kind>(kind), draws);
}

int polygonal(int sides, int n)
{
    return ((sides - 2) * n * n - (sides - 4) * n) / 2;
}

int layerDots(int sides, int j)
{
    return j == 1 ? 1 : (sides - 2) * (j - 1) + 1;
}

int triangularRoot(int x)
{
    int k = 0;
    while ((k + 1) * (k + 2) / 2 <= x)
        ++k;
    return k;
}

double dotSpacing(int sides)
{
    return sides == 3 ? 480 : sides == 5 ? 280 : 250;
}

double dotRadius(int sides)
{
    return sides == 3 ? 75 : 60;
}

std::vector<std::vector<shell::PointTwips>> patternLayers(int sides, int k)
{
    const double d = dotSpacing(sides);
    std::vector<std::vector<shell::PointTwips>> layers(static_cast<std::size_t>(k));
    if (sides == 3) {
        for (int r = 1; r <= k; ++r)
            for (int i = 1; i <= r; ++i)
                layers[r - 1].push_back({(i - (r + 1) / 2.0) * d, -(r - 1) * std::numbers::sqrt3 / 2 * d});
        return layers;
    }
    layers[0].push_back({0, 0});
    for (int j = 2; j <= k; ++j) {
        // The j-gon's corners from V0 = (0, 0), anticlockwise; the dots run V1 → ... → V(s − 1).
        std::vector<shell::PointTwips> corners{{0, 0}};
        for (int e = 0; e < sides - 1; ++e) {
            const double turn = e * 2 * std::numbers::pi / sides;
            corners.push_back({corners.back().x + (j - 1) * d * std::cos(turn),
                               corners.back().y + (j - 1) * d * std::sin(turn)});
        }
        for (int e = 1; e < sides - 1; ++e)
            for (int t = e == 1 ? 0 : 1; t < j; ++t) {
                const double along = static_cast<double>(t) / (j - 1);
                layers[j - 1].push_back({corners[e].x + along * (corners[e + 1].x - corners[e].x),
                                         corners[e].y + along * (corners[e + 1].y - corners[e].y)});
            }
    }
    return layers;
}

} // namespace polygonalnumbers
