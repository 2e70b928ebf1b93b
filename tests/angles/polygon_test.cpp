// Polygons: every side count drawn and named, every polygon regular, the solutions to the letter.
#include "angles/polygon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

TEST(PolygonQuestion, DrawsEverySideCount)
{
    struct Case {
        int sides;
        float draw;
        const char* polygon;
    };
    const Case cases[] = {
        {3, 0.0f, "an equilateral triangle"},  {4, 0.15f, "a square"},
        {5, 0.25f, "a regular pentagon"},      {6, 0.35f, "a regular hexagon"},
        {7, 0.45f, "a regular heptagon"},      {8, 0.55f, "a regular octagon"},
        {9, 0.65f, "a regular nonagon"},       {10, 0.75f, "a regular decagon"},
        {11, 0.85f, "a regular hendecagon"},   {12, shell::kLargestDraw, "a regular dodecagon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.polygon);
        shell::ScriptedDraws draws({c.draw});
        const angles::PolygonQuestion q = angles::makePolygonQuestion(draws);
        EXPECT_EQ(draws.reseeds(), 1);
        EXPECT_EQ(q.polygon.sides, c.sides);
        EXPECT_EQ(q.polygon.vertices.size(), static_cast<std::size_t>(c.sides));
        EXPECT_EQ(q.question, "What are the interior angles of " + std::string(c.polygon) + "?");
    }
}

// Every corner on the circle about the figure's centre, every side as long as a regular polygon's.
TEST(PolygonQuestion, EveryPolygonIsRegular)
{
    for (int n = angles::kFewestSides; n <= angles::kMostSides; ++n) {
        const angles::Polygon polygon = angles::makePolygon(n);
        ASSERT_EQ(polygon.vertices.size(), static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const shell::PointTwips p = polygon.vertices[static_cast<std::size_t>(i)];
            const shell::PointTwips q = polygon.vertices[static_cast<std::size_t>((i + 1) % n)];
            EXPECT_NEAR(std::hypot(p.x - angles::kPolygonCentre.x, p.y - angles::kPolygonCentre.y),
                        angles::kPolygonRadius, 0.5) << n << " sides, corner " << i;
            EXPECT_NEAR(std::hypot(q.x - p.x, q.y - p.y), 2 * angles::kPolygonRadius * std::sin(std::numbers::pi / n), 0.5)
                << n << " sides, side " << i;
        }
    }
}

TEST(PolygonSolution, TextsToTheLetter)
{
    struct Case {
        int sides;
        const char* triangles;
        const char* centre; // after the sentence on the red triangle
    };
    const Case cases[] = {
        {3,
         "The sum of the angles of a triangle is 180°. The three angles of an equilateral "
         "triangle are all equal. Each is therefore a third of 180°, which equals 60°.",
         "But angle b is one third of 360 degrees, therefore angle a, the interior angle of the "
         "equilateral triangle, is 60 degrees."},
        {5,
         "A regular pentagon can be divided into three isosceles triangles, as shown. The sum of "
         "the angles of the isosceles triangles is equal to the sum of the interior angles of the "
         "regular pentagon.",
         "But angle b is one fifth of 360 degrees, therefore angle a, the interior angle of the "
         "regular pentagon, is 108 degrees."},
        {7,
         "A regular heptagon can be divided into five triangles, as shown. The sum of the angles "
         "of the triangles is equal to the sum of the interior angles of the regular heptagon.",
         "But angle b is one seventh of 360 degrees, therefore angle a, the interior angle of the "
         "regular heptagon, is 128 4/7 degrees (about 128.6 degrees)."},
        {12,
         "A regular dodecagon can be divided into ten triangles, as shown. The sum of the angles "
         "of the triangles is equal to the sum of the interior angles of the regular dodecagon.",
         "But angle b is one twelfth of 360 degrees, therefore angle a, the interior angle of the "
         "regular dodecagon, is 150 degrees."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sides);
        EXPECT_EQ(angles::trianglesSolution(c.sides).text, c.triangles);
        EXPECT_EQ(angles::centreAngleSolution(c.sides),
                  std::string("From the red isosceles triangle we can see that angles a plus b "
                              "must equal 180 degrees. ") +
                      c.centre);
    }
    EXPECT_EQ(angles::trianglesSolution(5).explanation,
              "As 3 times 180° equals 5 times the interior angle, the interior angle is 108°.");
    // Angles that are not whole numbers of degrees are stated exactly, then rounded.
    EXPECT_EQ(angles::trianglesSolution(7).explanation,
              "As 5 times 180° equals 7 times the interior angle, the interior angle is 128 4/7° "
              "(about 128.6°).");
}

} // namespace
