// Circumcircles and incircles: the worked examples with redrawn angles and extreme draws, and the
// figures' points worked out by hand.
#include "circumcircles/activity.h"
#include "workedexample.h"

namespace {

using shell::FigureState;
using testing_support::drawFor, testing_support::inMixed, testing_support::kTop, testing_support::operator+,
    testing_support::WorkedExample;

enum { kCircumcircle, kIncircle, kInOrOut, kMixed };

const shell::Activity& activity()
{
    return circumcircles::activities()[0];
}

const std::string kFindR = "Find R, the radius of the circumcircle.";
const std::string kWhere = "Where is the centre of the circumcircle?";
const std::vector<std::string> kBisectors{"The centre is where the", "perpendicular bisectors",
                                          "of the sides meet."};

// clang-format off
const WorkedExample kInradius{"the inradius of 5, 12, 13", kIncircle, {drawFor(2, 1, 5), drawFor(1, 1, 2)}, "Find r, the radius of the incircle.",
    {"r = ?", "The sides are 5 cm, 12 cm and 13 cm."}, {"r = 2 cm"},
    {"Tangents from a corner", "are equal, so", "(5 − r) + (12 − r) = 13", "17 − 2r = 13", "2r = 17 − 13 = 4",
     "r = 4 ÷ 2 = 2 cm"},
    R"({"kind":"incircle","a":5,"b":12,"c":13,"circumradius":6.5,"inradius":2})"};
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
    kInradius,
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
    inMixed(kInradius, kMixed, drawFor(1, 0, 2)),
};
// clang-format on

template <class T>
std::vector<T> marksOf(int mode, const std::vector<float>& draws, FigureState state)
{
    return testing_support::marksOf<T>(activity(), mode, draws, state, testing_support::FixedMeasure());
}

void expectAt(shell::PointTwips actual, shell::PointTwips expected)
{
    EXPECT_NEAR(actual.x, expected.x, 0.06);
    EXPECT_NEAR(actual.y, expected.y, 0.06);
}

// The incircle of 6, 8, 10 touches the legs: radius 2 cm, 280 twips a centimetre.
TEST(Circumcircles, TheIncircleTouchesTheLegs)
{
    const std::vector<float> sixEightTen{drawFor(1, 1, 5), drawFor(2, 1, 6)};
    const auto triangle =
        marksOf<shell::PolygonMark>(kIncircle, sixEightTen, FigureState::Solution).at(0).points;
    expectAt(triangle.at(0), {1760, 5420});
    expectAt(triangle.at(1), {3440, 5420});
    expectAt(triangle.at(2), {1760, 3180});
    const auto incircle = marksOf<shell::CircleMark>(kIncircle, sixEightTen, FigureState::Solution).at(0);
    expectAt(incircle.centre, {2320, 4860});
    EXPECT_NEAR(incircle.radius, 560, 0.06);
}

} // namespace

WORKED_EXAMPLES_TEST(Circumcircles, circumcircles, kExamples)
