// Trial and improvement: the worked examples, a root near a rounding boundary drawn again, the
// extreme draws (eight trials each way) and the trial table.
#include "trialandimprovement/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawFor, testing_support::inMixed, testing_support::kTop, testing_support::operator+,
    testing_support::WorkedExample;

enum { kPlus, kMinus, kTwoPlaces, kMixed };

const shell::Activity& activity()
{
    return trialandimprovement::activities()[0];
}

// a, n and k; k from f(n) + 1 to f(n + 1) − 1.
std::vector<float> cubic(int a, int aMost, int n, int k, int kLow, int kHigh)
{
    return {drawFor(a, 1, aMost), drawFor(n, 2, 5), drawFor(k, kLow, kHigh)};
}

const std::string kOnePlace = "Use trial and improvement. Give x to 1 d.p.";
const std::string kTwoPlacesText = "Use trial and improvement. Give x to 2 d.p.";

// clang-format off
const WorkedExample kHalfwayRoundsUp{"the halfway value rounds up to a whole number", kMinus, cubic(3, 4, 2, 17, 3, 17), kOnePlace,
    {"x³ − 3x = 17", "There is a solution between 2 and 3."}, {"x = 3.0 to 1 d.p.", "x is between 2.95 and 3."},
    {"2: 2, too small", "3: 18, too big", "2.5: 8.13, too small", "2.6: 9.78, too small", "2.7: 11.58, too small",
     "2.8: 13.55, too small", "2.9: 15.69, too small", "2.95: 16.82, too small"},
    R"({"kind":"minus","form":"minus","a":3,"k":17,"low":2,"high":3,"places":1,"root":2.957664,"answer":"3.0"})"};
const WorkedExample kExamples[] = {
    {"to 2 d.p. from the tenth around the root", kTwoPlaces,
     std::vector<float>{drawFor(0, 0, 1)} + cubic(1, 6, 3, 40, 31, 67), kTwoPlacesText,
     {"x³ + x = 40", "There is a solution between 3.3 and 3.4."}, {"x = 3.32 to 2 d.p.", "x is between 3.32 and 3.325."},
     {"3.3: 39.237, too small", "3.4: 42.704, too big", "3.35: 40.945, too big", "3.34: 40.600, too big",
      "3.33: 40.256, too big", "3.32: 39.914, too small", "3.325: 40.085, too big"},
     R"({"kind":"two-dp","form":"plus","a":1,"k":40,"low":3.3,"high":3.4,"places":2,"root":3.322512,"answer":"3.32"})"},
    kHalfwayRoundsUp,
    {"a root near 2.85 is drawn again; the lowest draws try down to 2.1", kPlus,
     cubic(1, 6, 2, 26, 11, 29) + std::vector<float>{0, 0, 0}, kOnePlace,
     {"x³ + x = 11", "There is a solution between 2 and 3."}, {"x = 2.1 to 1 d.p.", "x is between 2.05 and 2.1."},
     {"2: 10, too small", "3: 30, too big", "2.5: 18.13, too big", "2.4: 16.22, too big", "2.3: 14.47, too big",
      "2.2: 12.85, too big", "2.1: 11.36, too big", "2.05: 10.67, too small"},
     R"({"kind":"plus","form":"plus","a":1,"k":11,"low":2,"high":3,"places":1,"root":2.074341,"answer":"2.1"})"},
    {"the highest draws try up to 5.9", kPlus, {kTop, kTop, kTop}, kOnePlace,
     {"x³ + 6x = 251", "There is a solution between 5 and 6."}, {"x = 6.0 to 1 d.p.", "x is between 5.95 and 6."},
     {"5: 155, too small", "6: 252, too big", "5.5: 199.38, too small", "5.6: 209.22, too small",
      "5.7: 219.39, too small", "5.8: 229.91, too small", "5.9: 240.78, too small", "5.95: 246.34, too small"},
     R"({"kind":"plus","form":"plus","a":6,"k":251,"low":5,"high":6,"places":1,"root":5.991216,"answer":"6.0"})"},
    inMixed(kHalfwayRoundsUp, kMixed, drawFor(1, 0, 2)),
};
// clang-format on

// The table stands in for the working panel: a white header, then the trials in yellow, the
// halfway value last in orange.
TEST(TrialAndImprovement, TheTableFillsWithTheTrialsOnSolution)
{
    shell::ScriptedDraws draws(cubic(1, 6, 3, 40, 31, 67));
    const shell::Exercise e = activity().questions()->make(kPlus, draws);
    EXPECT_FALSE(e.layout.workingShown);
    const testing_support::FixedMeasure measure;
    const std::vector<shell::TextMark> cells =
        testing_support::marksOf<shell::TextMark>(e.figure(shell::FigureState::Question, measure)) +
        testing_support::marksOf<shell::TextMark>(e.figure(shell::FigureState::Solution, measure));
    ASSERT_EQ(cells.size(), 3u + 3u + 3 * 6);
    EXPECT_EQ(cells[1].text, "x³ + x");
    EXPECT_EQ(cells[6].text, "3");
    EXPECT_EQ(cells[6].colour, shell::colour::yellow);
    EXPECT_EQ(cells.back().text, "too big");
    EXPECT_EQ(cells.back().colour, shell::colour::orange);
}

} // namespace

WORKED_EXAMPLES_TEST(TrialAndImprovement, trialandimprovement, kExamples)
