#include "angles/polygon.h"

#include "invariants.h"
#include "shell/core/colours.h"
#include "shell/core/randomsource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

using shell::PointTwips;

constexpr PointTwips kCentre{6000, 4500};
constexpr double kFloatTwips = 0.001; // single-precision coordinates near 6000 twips

double distance(PointTwips p, PointTwips q)
{
    return std::hypot(p.x - q.x, p.y - q.y);
}

TEST(PolygonQuestion, DrawsEverySideCount)
{
    struct Case {
        int sides;
        float draw;
        const char* question;
    };
    const Case cases[] = {
        {3, 0.0f, "What are the interior angles of an equilateral triangle?"},
        {4, 0.15f, "What are the interior angles of a square?"},
        {5, 0.25f, "What are the interior angles of a regular pentagon?"},
        {6, 0.35f, "What are the interior angles of a regular hexagon?"},
        {7, 0.45f, "What are the interior angles of a regular heptagon?"},
        {8, 0.55f, "What are the interior angles of a regular octagon?"},
        {9, 0.65f, "What are the interior angles of a regular nonagon?"},
        {10, 0.75f, "What are the interior angles of a regular decagon?"},
        {11, 0.85f, "What are the interior angles of a regular hendecagon?"},
        {12, shell::kLargestDraw, "What are the interior angles of a regular dodecagon?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        shell::ScriptedDraws draws({c.draw});
        const angles::PolygonQuestion q = angles::makePolygonQuestion(draws);
        EXPECT_EQ(draws.reseeds(), 1);
        EXPECT_EQ(q.polygon.sides, c.sides);
        EXPECT_EQ(q.polygon.vertices.size(), static_cast<std::size_t>(c.sides));
        EXPECT_EQ(q.question, c.question);
    }
}

TEST(PolygonVertices, RegularWithVertexZeroAtTheBottom)
{
    for (int n = angles::kFewestSides; n <= angles::kMostSides; ++n) {
        SCOPED_TRACE(n);
        const auto v = angles::makePolygon(n).vertices;
        EXPECT_EQ(v[0], (PointTwips{6000, 6750}));
        EXPECT_GT(v[1].x, v[0].x);
        EXPECT_NEAR(v[n - 1].x, 12000 - v[1].x, kFloatTwips);
        EXPECT_NEAR(v[n - 1].y, v[1].y, kFloatTwips);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(distance(v[i], kCentre), 2250, kFloatTwips);
            EXPECT_NEAR(distance(v[i], v[(i + 1) % n]), distance(v[0], v[1]), 2 * kFloatTwips);
        }
        // The angle measured at vertex 0 is the interior angle: n of them make (n - 2) x 180.
        const double inner = std::acos(
            ((v[1].x - v[0].x) * (v[n - 1].x - v[0].x) + (v[1].y - v[0].y) * (v[n - 1].y - v[0].y)) /
            std::pow(distance(v[0], v[1]), 2));
        EXPECT_NEAR(inner * 180 / std::numbers::pi * n, (n - 2) * 180, 1e-3);
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
        {4,
         "A square can be divided into two isosceles triangles, as shown. The sum of the angles of "
         "the isosceles triangles is equal to the sum of the interior angles of the square.",
         "But angle b is one quarter of 360 degrees, therefore angle a, the interior angle of the "
         "square, is 90 degrees."},
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
        {11,
         "A regular hendecagon can be divided into nine triangles, as shown. The sum of the angles "
         "of the triangles is equal to the sum of the interior angles of the regular hendecagon.",
         "But angle b is one eleventh of 360 degrees, therefore angle a, the interior angle of the "
         "regular hendecagon, is 147 3/11 degrees (about 147.3 degrees)."},
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
    EXPECT_EQ(angles::trianglesSolution(11).explanation,
              "As 9 times 180° equals 11 times the interior angle, the interior angle is 147 3/11° "
              "(about 147.3°).");
}

// Names, angles and wording for every polygon, worked out again by the volume runs' invariants.
TEST(PolygonSolution, AnglesAndNamesAgreeForEverySideCount)
{
    for (int n = angles::kFewestSides; n <= angles::kMostSides; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(reliability::polygonSidesAsked(angles::polygonQuestionText(n)), n);
        const angles::TrianglesSolution kind1 = angles::trianglesSolution(n);
        EXPECT_EQ(kind1.showExplanation, n > 3);
        EXPECT_EQ(reliability::checkTrianglesSolution(n, kind1.text, kind1.explanation), "");
        EXPECT_EQ(reliability::checkCentreAngleSolution(n, angles::centreAngleSolution(n)), "");
    }
    // And they reject an angle rounded but stated as exact, or rounded the wrong way.
    EXPECT_NE(reliability::checkTrianglesSolution(7, angles::trianglesSolution(7).text,
                                                  "As 5 times 180° equals 7 times the interior angle, the "
                                                  "interior angle is 129°."),
              "");
    EXPECT_NE(reliability::checkCentreAngleSolution(
                  11,
                  "From the red isosceles triangle we can see that angles a plus b must equal 180 degrees. "
                  "But angle b is one eleventh of 360 degrees, therefore angle a, the interior angle of the "
                  "regular hendecagon, is 147 3/11 degrees (about 147.2 degrees)."),
              "");
}

TEST(PolygonFigures, DrawingOrderColoursAndWidths)
{
    for (int n = angles::kFewestSides; n <= angles::kMostSides; ++n) {
        SCOPED_TRACE(n);
        const angles::Polygon p = angles::makePolygon(n);
        const auto& v = p.vertices;

        const shell::Figure split = angles::trianglesQuestionFigure(p);
        ASSERT_EQ(split.size(), static_cast<std::size_t>(2 * n - 3));
        for (int i = 0; i < n - 3; ++i)
            EXPECT_EQ(split[i], (shell::Segment{v[n - 1], v[i + 1], shell::colour::black, 3}));
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(split[n - 3 + i], (shell::Segment{v[i], v[(i + 1) % n], shell::colour::yellow, 5}));
        EXPECT_EQ(angles::trianglesSolutionFigure(p), split);

        const shell::Figure question = angles::centreAngleQuestionFigure(p);
        ASSERT_EQ(question.size(), static_cast<std::size_t>(n + 2));
        const PointTwips tip = question[0].to;
        EXPECT_EQ(question[1].to, tip);
        EXPECT_EQ(tip.x, 6000);
        // A kite: its corners on the two sides and its tip all a fifth of a side from vertex 0,
        // its tip as far from either corner.
        const double fifth = distance(v[0], v[1]) / 5;
        for (const PointTwips corner : {question[0].from, question[1].from, tip})
            EXPECT_NEAR(distance(v[0], corner), fifth, kFloatTwips);
        EXPECT_NEAR(distance(question[0].from, v[1]), 4 * fifth, kFloatTwips);
        EXPECT_NEAR(distance(question[1].from, v[n - 1]), 4 * fifth, kFloatTwips);
        EXPECT_NEAR(distance(tip, question[0].from), distance(tip, question[1].from), kFloatTwips);
        EXPECT_TRUE(question[0].colour == shell::colour::green && question[0].widthPixels == 5);
        EXPECT_EQ(question.back(), split.back());

        const shell::Figure solution = angles::centreAngleSolutionFigure(p);
        ASSERT_EQ(solution.size(), static_cast<std::size_t>(2 * n + 5));
        EXPECT_EQ(solution[0], question[0]);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(solution[2 + i], (shell::Segment{kCentre, v[i], shell::colour::black, 2}));
        EXPECT_EQ(solution[2 * n + 1], split.back());
        const shell::Segment red[] = {{kCentre, v[0], shell::colour::red, 5},
                                      {kCentre, v[1], shell::colour::red, 5},
                                      {v[0], v[1], shell::colour::red, 5}};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(solution[2 * n + 2 + i], red[i]);
    }
    EXPECT_TRUE(angles::trianglesQuestionFigure(angles::makePolygon(3))[0].colour == shell::colour::yellow);
    EXPECT_EQ(angles::trianglesQuestionFigure(angles::makePolygon(4))[0].from,
              angles::makePolygon(4).vertices[3]);
}

TEST(PolygonLabels, PlacedAboutTheMarksTheyName)
{
    const angles::LabelSize a{150, 285};
    const angles::LabelSize b{120, 240};
    for (int n = angles::kFewestSides; n <= angles::kMostSides; ++n) {
        SCOPED_TRACE(n);
        const angles::Polygon p = angles::makePolygon(n);
        const angles::AngleMark mark = angles::angleMark(p, a);
        const PointTwips tip = mark.lines[0].to;
        EXPECT_NEAR(mark.label2.left + a.width / 2, tip.x, kFloatTwips);
        EXPECT_NEAR(mark.label2.top + a.height + 120, tip.y, kFloatTwips);

        const angles::CentreAngleLabels labels = angles::centreAngleLabels(p, a, b);
        EXPECT_EQ(labels.label2, mark.label2);
        EXPECT_EQ(labels.label4.top, labels.label2.top);
        EXPECT_EQ(labels.label4.left, labels.label2.left + 240);
        EXPECT_EQ(labels.label5.left, labels.label4.left);
        EXPECT_EQ(labels.label5.top, labels.label4.top + 180);
        // "b" is anchored on the bisector of the centre angle, an eighth of the radius out.
        const PointTwips anchor{labels.label3.left + b.width / 2.5, labels.label3.top + b.height / 2.5};
        EXPECT_NEAR(distance(anchor, kCentre), 2250 / 8.0, 0.01);
        EXPECT_NEAR(distance(anchor, p.vertices[0]), distance(anchor, p.vertices[1]), 0.01);
    }
}

} // namespace
