// Puzzles: the worked examples with their rejections and extreme draws, and where the pyramid
// puts the bricks it finds and their steps.
#include "puzzles/activity.h"
#include "workedexample.h"

namespace {

using shell::FigureState;
using testing_support::drawAt, testing_support::drawFor, testing_support::inMixed, testing_support::kTop,
    testing_support::operator+, testing_support::WorkedExample;

enum { kArithmagon, kNegative, kPyramid, kMixed };

const shell::Activity& activity()
{
    return puzzles::activities()[0];
}

std::vector<float> circles(int top, int left, int right)
{
    return {drawFor(top, 1, 20), drawFor(left, 1, 20), drawFor(right, 1, 20)};
}

std::vector<float> negativeCircles(int top, int left, int right)
{
    return {drawFor(top, -12, 12), drawFor(left, -12, 12), drawFor(right, -12, 12)};
}

// The bottom row, then the shown set by its place (from 1) among the 121.
std::vector<float> pyramid(int b1, int b2, int b3, int b4, int shownSet)
{
    return {drawFor(b1, 1, 12), drawFor(b2, 1, 12), drawFor(b3, 1, 12), drawFor(b4, 1, 12),
            drawFor(shownSet, 1, 121)};
}

const std::string kCircles = "Each box is the sum of the two circles it joins.";
const std::string kBricks = "Each brick is the sum of the two bricks below it.";
const std::vector<std::string> kSteps{"Step 1: 14 + 11 = 25", "Step 2: 47 − 25 = 22", "Step 3: 22 − 14 = 8",
                                      "Step 4: 8 − 3 = 5",    "Step 5: 14 − 5 = 9",   "Step 6: 11 − 9 = 2"};
const std::vector<std::string> kShownRows{"Find the missing bricks.", "Top row: 47", "Row 2: ?, ?",
                                          "Row 3: ?, 14, 11", "Bottom row: 3, ?, ?, ?"};

// clang-format off
const WorkedExample kPyramidRow{"a pyramid", kPyramid, pyramid(3, 5, 9, 2, 41), kBricks,
    kShownRows, {"Bottom row: 3, 5, 9, 2"}, kSteps,
    R"({"kind":"pyramid","bottom":[3,5,9,2],"shown":[1,6,7,10]})"};
const WorkedExample kExamples[] = {
    {"a repeated circle is drawn again; the extreme circles", kArithmagon,
     circles(9, 9, 8) + std::vector<float>{0, kTop, drawFor(2, 1, 20)}, kCircles,
     {"Find the circle numbers.", "Left box 21, right box 3, bottom box 22"}, {"Top 1, left 20, right 2"},
     {"Add the boxes:", "21 + 3 + 22 = 46", "Each circle counts twice:", "46 ÷ 2 = 23", "Top = 23 − 22 = 1",
      "Left = 23 − 3 = 20", "Right = 23 − 21 = 2"},
     R"({"kind":"arithmagon","top":1,"left":20,"right":2,"boxes":{"left":21,"right":3,"bottom":22}})"},
    {"no negative circle is drawn again; the extreme circles", kNegative,
     negativeCircles(5, 7, 1) + std::vector<float>{0, kTop, drawFor(3, -12, 12)}, kCircles,
     {"Find the circle numbers.", "Left box 0, right box −9, bottom box 15"}, {"Top −12, left 12, right 3"},
     {"Add the boxes:", "0 − 9 + 15 = 6", "Each circle counts twice:", "6 ÷ 2 = 3", "Top = 3 − 15 = −12",
      "Left = 3 − (−9) = 12", "Right = 3 − 0 = 3"},
     R"({"kind":"arithmagon-negative","top":-12,"left":12,"right":3,"boxes":{"left":0,"right":-9,"bottom":15}})"},
    kPyramidRow,
    {"the largest bricks and the first shown set", kPyramid, {kTop, kTop, kTop, kTop, 0}, kBricks,
     {"Find the missing bricks.", "Top row: ?", "Row 2: ?, ?", "Row 3: ?, ?, 24", "Bottom row: 12, 12, 12, ?"},
     {"Bottom row: 12, 12, 12, 12"},
     {"Step 1: 12 + 12 = 24", "Step 2: 12 + 12 = 24", "Step 3: 24 − 12 = 12", "Step 4: 24 + 24 = 48",
      "Step 5: 24 + 24 = 48", "Step 6: 48 + 48 = 96"},
     R"({"kind":"pyramid","bottom":[12,12,12,12],"shown":[1,2,3,7]})"},
    {"the smallest bricks and the last shown set", kPyramid, {0, 0, 0, 0, kTop}, kBricks,
     {"Find the missing bricks.", "Top row: 8", "Row 2: ?, 4", "Row 3: ?, ?, 2", "Bottom row: ?, ?, ?, 1"},
     {"Bottom row: 1, 1, 1, 1"},
     {"Step 1: 2 − 1 = 1", "Step 2: 4 − 2 = 2", "Step 3: 2 − 1 = 1", "Step 4: 8 − 4 = 4", "Step 5: 4 − 2 = 2",
      "Step 6: 2 − 1 = 1"}, R"({"kind":"pyramid","bottom":[1,1,1,1],"shown":[4,7,9,10]})"},
    inMixed(kPyramidRow, kMixed, drawAt(kPyramid, 3)),
};
// clang-format on

template <class T>
std::vector<T> marksOf(int mode, const std::vector<float>& draws, FigureState state)
{
    return testing_support::marksOf<T>(activity(), mode, draws, state, testing_support::FixedMeasure());
}

TEST(Puzzles, ThePyramidNumbersItsFoundBricksInOrange)
{
    const auto bricks = marksOf<shell::BoxMark>(kPyramid, pyramid(3, 5, 9, 2, 41), FigureState::Question);
    ASSERT_EQ(bricks.size(), 10u);
    EXPECT_EQ(bricks[9].rect, (shell::TwipRect{2040, 3000, 1200, 600}));
    EXPECT_EQ(marksOf<shell::TextMark>(kPyramid, pyramid(3, 5, 9, 2, 41), FigureState::Question).size(), 4u);
    const auto solved = marksOf<shell::TextMark>(kPyramid, pyramid(3, 5, 9, 2, 41), FigureState::Solution);
    ASSERT_EQ(solved.size(), 16u);
    // Step 1 finds brick 9, at Left 2640, Top 3600.
    EXPECT_EQ(solved[4].text, "25");
    EXPECT_EQ(solved[4].colour, shell::colour::yellow);
    EXPECT_EQ(solved[5].text, "1");
    EXPECT_EQ(solved[5].colour, shell::colour::orange);
    EXPECT_EQ(solved[5].rect, (shell::TwipRect{2700, 3630, 400, 300}));
}

} // namespace

WORKED_EXAMPLES_TEST(Puzzles, puzzles, kExamples)
