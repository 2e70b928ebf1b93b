// Circumcircles and incircles: the worked examples with redrawn angles and extreme draws, and the
// figures' points worked out by hand.
#include "circumcircles/activity.h"
#include "workedexample.h"

#include <gtest/gtest.h>

#include <variant>

namespace circumcircles::checks {
std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e);
}

namespace {

namespace checks = circumcircles::checks;

using shell::FigureState;
using testing_support::drawFor;
using testing_support::WorkedExample;
constexpr float kTop = shell::kLargestDraw;

enum { kCircumcircle, kIncircle, kInOrOut, kMixed };

const shell::Activity& activity()
{
    return circumcircles::activities()[0];
}

std::vector<float> operator+(std::vector<float> first, const std::vector<float>& next)
{
    first.insert(first.end(), next.begin(), next.end());
    return first;
}

const std::string kFindR = "Find R, the radius of the circumcircle.";
const std::string kWhere = "Where is the centre of the circumcircle?";
const std::vector<std::string> kBisectors{"The centre is where the", "perpendicular bisectors", "of the sides meet."};

std::vector<std::string> operator+(std::vector<std::string> first, const std::vector<std::string>& next)
{
    first.insert(first.end(), next.begin(), next.end());
    return first;
}

// clang-format off
const WorkedExample kExamples[] = {
    {"the circumradius of 6, 8, 10", kCircumcircle, {drawFor(1, 1, 5), drawFor(2, 1, 6)}, kFindR,
     {"R = ?", "The shorter sides are 6 cm and 8 cm."}, {"R = 5 cm"},
     {"The hypotenuse c is a", "diameter: the angle in", "a semicircle is 90°.", "c² = 6² + 8²", "= 36 + 64 = 100",
      "c = √100 = 10 cm", "R = 10 ÷ 2 = 5 cm"},
     R"({"kind":"circumcircle","a":6,"b":8,"c":10,"circumradius":5,"inradius":2})"},
    {"the highest draws make a half", kCircumcircle, {kTop, kTop}, kFindR,
     {"R = ?", "The shorter sides are 20 cm and 21 cm."}, {"R = 14.5 cm"},
     {"The hypotenuse c is a", "diameter: the angle in", "a semicircle is 90°.", "c² = 20² + 21²",
      "= 400 + 441 = 841", "c = √841 = 29 cm", "R = 29 ÷ 2 = 14.5 cm"},
     R"({"kind":"circumcircle","a":20,"b":21,"c":29,"circumradius":14.5,"inradius":6})"},
    {"the inradius of 5, 12, 13", kIncircle, {drawFor(2, 1, 5), drawFor(1, 1, 2)}, "Find r, the radius of the incircle.",
     {"r = ?", "The sides are 5 cm, 12 cm and 13 cm."}, {"r = 2 cm"},
     {"Tangents from a corner", "are equal, so", "(5 − r) + (12 − r) = 13", "17 − 2r = 13", "2r = 17 − 13 = 4",
      "r = 4 ÷ 2 = 2 cm"},
     R"({"kind":"incircle","a":5,"b":12,"c":13,"circumradius":6.5,"inradius":2})"},
    {"an obtuse triangle", kInOrOut, {drawFor(3, 1, 3), drawFor(24, 20, 26), drawFor(7, 4, 12), drawFor(1, 1, 2)},
     kWhere, {"Inside, on or outside?", "The angles are 120°, 35° and 25°."}, {"Outside the triangle"},
     std::vector<std::string>{"The angle of 120° is", "obtuse, so the centre is", "outside the triangle,",
                              "past the longest side."} + kBisectors,
     R"({"kind":"in-or-out","type":"obtuse","angles":{"top":120,"left":35,"right":25}})"},
    {"an obtuse triangle redrawn from C while B is under 20", kInOrOut,
     {drawFor(3, 1, 3), kTop, kTop, 0, 0, drawFor(2, 1, 2)}, kWhere,
     {"Inside, on or outside?", "The angles are 100°, 20° and 60°."}, {"Outside the triangle"},
     std::vector<std::string>{"The angle of 100° is", "obtuse, so the centre is", "outside the triangle,",
                              "past the longest side."} + kBisectors,
     R"({"kind":"in-or-out","type":"obtuse","angles":{"top":100,"left":20,"right":60}})"},
    {"an acute triangle redrawn while C is over 80 or under 40", kInOrOut,
     {0, 0, 0, kTop, kTop, drawFor(12, 8, 16), drawFor(11, 8, 16), drawFor(2, 1, 2)}, kWhere,
     {"Inside, on or outside?", "The angles are 65°, 55° and 60°."}, {"Inside the triangle"},
     std::vector<std::string>{"Every angle is acute,", "so the centre is inside", "the triangle."} + kBisectors,
     R"({"kind":"in-or-out","type":"acute","angles":{"top":65,"left":55,"right":60}})"},
    {"a right-angled triangle", kInOrOut, {drawFor(2, 1, 3), kTop, 0}, kWhere,
     {"Inside, on or outside?", "The angles are 90°, 70° and 20°."}, {"On the longest side"},
     std::vector<std::string>{"There is a right angle,", "so the longest side is a", "diameter and the centre",
                              "is its midpoint."} + kBisectors,
     R"({"kind":"in-or-out","type":"right","angles":{"top":90,"left":70,"right":20}})"},
    {"Mixed draws the kind first", kMixed, {drawFor(1, 0, 2), drawFor(2, 1, 5), drawFor(1, 1, 2)},
     "Find r, the radius of the incircle.", {"r = ?", "The sides are 5 cm, 12 cm and 13 cm."}, {"r = 2 cm"},
     {"Tangents from a corner", "are equal, so", "(5 − r) + (12 − r) = 13", "17 − 2r = 13", "2r = 17 − 13 = 4",
      "r = 4 ÷ 2 = 2 cm"},
     R"({"kind":"incircle","a":5,"b":12,"c":13,"circumradius":6.5,"inradius":2})"},
};
// clang-format on

TEST(Circumcircles, WorkedExamples)
{
    for (const WorkedExample& example : kExamples)
        testing_support::checkWorkedExample(activity(), example);
}

// Every text 400 twips wide and 300 high.
struct BoxMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {400, 300}; }
};

template <class T>
std::vector<T> marksOf(const shell::Drawing& drawing)
{
    std::vector<T> found;
    for (const shell::Mark& mark : drawing.marks) {
        if (const auto* m = std::get_if<T>(&mark))
            found.push_back(*m);
    }
    return found;
}

void expectNear(shell::PointTwips actual, shell::PointTwips expected)
{
    EXPECT_NEAR(actual.x, expected.x, 0.06);
    EXPECT_NEAR(actual.y, expected.y, 0.06);
}

shell::Drawing figure(int mode, const std::vector<float>& draws, FigureState state)
{
    shell::ScriptedDraws scripted(draws);
    return activity().questions()->make(mode, scripted).figure(state, BoxMeasure());
}

TEST(Circumcircles, TheIncircleOfSixEightTen)
{
    const shell::Drawing drawing = figure(kIncircle, {drawFor(1, 1, 5), drawFor(2, 1, 6)}, FigureState::Solution);
    const auto triangle = marksOf<shell::PolygonMark>(drawing);
    ASSERT_EQ(triangle.size(), 1u);
    ASSERT_EQ(triangle[0].points.size(), 3u);
    expectNear(triangle[0].points[0], {1760, 5420});
    expectNear(triangle[0].points[1], {3440, 5420});
    expectNear(triangle[0].points[2], {1760, 3180});
    const auto circles = marksOf<shell::CircleMark>(drawing);
    ASSERT_EQ(circles.size(), 2u); // the incircle and its centre's dot
    expectNear(circles[0].centre, {2320, 4860});
    EXPECT_NEAR(circles[0].radius, 560, 0.06);
    const auto labels = marksOf<shell::TextMark>(drawing);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[2].text, "10 cm");
    expectNear({labels[2].rect.left + 200, labels[2].rect.top + 150}, {3176, 3868});
    EXPECT_EQ(labels[0].rect.top, 5420 + 60);
    EXPECT_EQ(labels[1].rect.left + 400, 1760 - 90);
}

TEST(Circumcircles, TheHypotenuseShowsOnlyInTheCircumcircleSolution)
{
    const std::vector<float> draws{drawFor(1, 1, 5), drawFor(2, 1, 6)};
    EXPECT_EQ(marksOf<shell::TextMark>(figure(kCircumcircle, draws, FigureState::Question)).size(), 2u);
    const shell::Drawing solved = figure(kCircumcircle, draws, FigureState::Solution);
    const auto labels = marksOf<shell::TextMark>(solved);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[2].colour, shell::colour::orange);
    const auto circles = marksOf<shell::CircleMark>(solved);
    ASSERT_FALSE(circles.empty());
    expectNear(circles[0].centre, {2600, 4300});
    EXPECT_EQ(circles[0].radius, 1400);
}

TEST(Circumcircles, TheObtuseTriangleStandsOnItsCircle)
{
    const shell::Drawing drawing = figure(
        kInOrOut, {drawFor(3, 1, 3), drawFor(24, 20, 26), drawFor(7, 4, 12), drawFor(1, 1, 2)}, FigureState::Question);
    const auto triangle = marksOf<shell::PolygonMark>(drawing);
    ASSERT_EQ(triangle.size(), 1u);
    ASSERT_EQ(triangle[0].points.size(), 3u);
    EXPECT_NEAR(triangle[0].points[0].x, 2600, 0.06);
    EXPECT_NEAR(triangle[0].points[0].y, 2900, 0.06);
    EXPECT_NEAR(triangle[0].points[1].x, 1527.5, 0.06);
    EXPECT_NEAR(triangle[0].points[1].y, 3400.1, 0.06);
    EXPECT_NEAR(triangle[0].points[2].x, 3915.6, 0.06);
    EXPECT_NEAR(triangle[0].points[2].y, 3821.2, 0.06);
    EXPECT_TRUE(marksOf<shell::LineMark>(drawing).empty());
    EXPECT_TRUE(marksOf<shell::CircleMark>(drawing).empty());
}

// The volume runs check every question with these; they must pass the worked examples and catch
// a wrong radius, a wrong type and a figure that does not fit its numbers.
TEST(Circumcircles, TheInvariantsCatchWrongAnswers)
{
    for (const WorkedExample& example : kExamples) {
        SCOPED_TRACE(example.name);
        shell::ScriptedDraws draws(example.draws);
        shell::Exercise e = activity().questions()->make(example.mode, draws);
        EXPECT_EQ(checks::invariants(activity(), example.mode, e), "");
        shell::Exercise wrong = e;
        wrong.answer = {e.answer[0] == "On the longest side" ? "Inside the triangle" : "On the longest side"};
        EXPECT_NE(checks::invariants(activity(), example.mode, wrong), "");
        wrong = e;
        wrong.figure = [figure = e.figure](FigureState state, const shell::TextMeasure& measure) {
            shell::Drawing drawing = figure(state, measure);
            for (shell::Mark& mark : drawing.marks) {
                if (auto* triangle = std::get_if<shell::PolygonMark>(&mark))
                    triangle->points[1].x += 20;
            }
            return drawing;
        };
        EXPECT_NE(checks::invariants(activity(), example.mode, wrong), "");
    }
}

} // namespace
