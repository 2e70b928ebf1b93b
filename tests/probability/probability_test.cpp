// Probability: the worked examples with every kind of event, the bag's rejections, the dice, and
// the figures' counters and grid.
#include "probability/activity.h"
#include "workedexample.h"

#include <algorithm>

namespace {

using shell::FigureState;
using testing_support::drawFor, testing_support::kTop, testing_support::operator+,
    testing_support::WorkedExample;

enum { kOneEvent, kNotOr, kTwoPicks, kDice };

const shell::Activity& activity()
{
    return probability::activities()[0];
}

// m = 3; yellow, white, black; 3, 5 and 4 counters.
const std::vector<float> kBag{drawFor(3, 2, 3), drawFor(1, 1, 4), drawFor(1, 1, 3), drawFor(1, 1, 2),
                              drawFor(3, 1, 8), drawFor(5, 1, 8), drawFor(4, 1, 8)};
// The same bag where "or" fixes m = 3.
const std::vector<float> kBagOfThree(kBag.begin() + 1, kBag.end());

float pick(int value, int count)
{
    return drawFor(value, 1, count);
}

const std::string kOne = "Take one counter at random.";
const std::string kDiceText = "Two fair six-sided dice are thrown.";
const std::string kTotal = "Total: 3 + 5 + 4 = 12 counters";

// clang-format off
const WorkedExample kExamples[] = {
    {"one colour", kOneEvent, kBag + std::vector<float>{pick(2, 3)}, kOne,
     {"3 yellow, 5 white, 4 black", "P(white) = ?"}, {"P(white) = 5/12"},
     {kTotal, "White counters: 5", "P(white) = 5/12"},
     R"({"kind":"one-event","probability":[5,12],"event":"colour","colours":["yellow","white","black"],"counts":[3,5,4],"first":"white","second":null})"},
    {"both without replacement", kTwoPicks, std::vector<float>{pick(1, 2), pick(2, 2)} + kBag + std::vector<float>{pick(2, 3)},
     "Take two counters, without replacement.", {"3 yellow, 5 white, 4 black", "P(both white) = ?"}, {"P(both white) = 5/33"},
     {kTotal, "P(first white) = 5/12", "P(second white) = 4/11", "P(both white) = 5/12 × 4/11", "= 20/132 = 5/33"},
     R"({"kind":"two-picks","probability":[5,33],"event":"both","colours":["yellow","white","black"],"counts":[3,5,4],"first":"white","second":null,"replacement":false})"},
    {"not", kNotOr, std::vector<float>{pick(1, 2)} + kBag + std::vector<float>{pick(1, 3)}, kOne,
     {"3 yellow, 5 white, 4 black", "P(not yellow) = ?"}, {"P(not yellow) = 3/4"},
     {kTotal, "P(yellow) = 3/12", "P(not yellow) = 1 − 3/12 = 9/12 = 3/4"},
     R"({"kind":"not-or","probability":[3,4],"event":"not","colours":["yellow","white","black"],"counts":[3,5,4],"first":"yellow","second":null})"},
    {"or", kNotOr, std::vector<float>{pick(2, 2)} + kBagOfThree + std::vector<float>{pick(1, 3), pick(2, 2)}, kOne,
     {"3 yellow, 5 white, 4 black", "P(yellow or black) = ?"}, {"P(yellow or black) = 7/12"},
     {kTotal, "P(yellow) = 3/12, P(black) = 4/12", "P(yellow or black) = 3/12 + 4/12", "= 7/12"},
     R"({"kind":"not-or","probability":[7,12],"event":"or","colours":["yellow","white","black"],"counts":[3,5,4],"first":"yellow","second":"black"})"},
    {"sixteen counters and then a lone counter twice are drawn again", kTwoPicks,
     std::vector<float>{pick(1, 2), pick(2, 2), pick(1, 2), pick(4, 4), pick(1, 3), kTop, kTop,
                        pick(1, 2), pick(2, 2), pick(1, 2), pick(1, 4), pick(1, 3), 0, pick(7, 8), pick(1, 2),
                        pick(2, 2), pick(1, 2), pick(1, 2), pick(4, 4), pick(1, 3), pick(2, 8), pick(6, 8), pick(1, 2), 0},
     "Take two counters, with replacement.", {"2 orange, 6 yellow", "P(orange then yellow) = ?"},
     {"P(orange then yellow) = 3/16"},
     {"Total: 2 + 6 = 8 counters", "P(orange first) = 2/8", "P(yellow second) = 6/8",
      "P(orange then yellow) = 2/8 × 6/8", "= 12/64 = 3/16"},
     R"({"kind":"two-picks","probability":[3,16],"event":"then","colours":["orange","yellow"],"counts":[2,6],"first":"orange","second":"yellow","replacement":true})"},
    {"both with replacement", kTwoPicks,
     std::vector<float>{pick(1, 2), pick(1, 2), pick(1, 2), pick(3, 4), pick(3, 3), kTop, pick(4, 8), pick(1, 2)},
     "Take two counters, with replacement.", {"8 black, 4 orange", "P(both black) = ?"}, {"P(both black) = 4/9"},
     {"Total: 8 + 4 = 12 counters", "P(black) = 8/12 each time", "P(both black) = 8/12 × 8/12", "= 64/144 = 4/9"},
     R"({"kind":"two-picks","probability":[4,9],"event":"both","colours":["black","orange"],"counts":[8,4],"first":"black","second":null,"replacement":true})"},
    {"a total", kDice, {pick(1, 3), drawFor(8, 3, 11)}, kDiceText, {"P(total = 8) = ?"}, {"P(total = 8) = 5/36"},
     {"6 × 6 = 36 outcomes,", "all equally likely.", "5 have a total of 8.", "P(total = 8) = 5/36"},
     R"({"kind":"dice","probability":[5,36],"event":"total","target":8,"outcomes":5})"},
    {"a total over the highest target", kDice, {pick(2, 3), kTop}, kDiceText, {"P(total > 10) = ?"},
     {"P(total > 10) = 1/12"},
     {"6 × 6 = 36 outcomes,", "all equally likely.", "3 have a total over 10.", "P(total > 10) = 3/36", "= 1/12"},
     R"({"kind":"dice","probability":[1,12],"event":"total-more","target":10,"outcomes":3})"},
    {"the eighth product", kDice, {pick(3, 3), pick(8, 13)}, kDiceText, {"P(product = 12) = ?"},
     {"P(product = 12) = 1/9"},
     {"6 × 6 = 36 outcomes,", "all equally likely.", "4 have a product of 12.", "P(product = 12) = 4/36", "= 1/9"},
     R"({"kind":"dice","probability":[1,9],"event":"product","target":12,"outcomes":4})"},
};
// clang-format on

template <class T>
std::vector<T> marksOf(int mode, const std::vector<float>& draws, FigureState state)
{
    return testing_support::marksOf<T>(activity(), mode, draws, state, testing_support::FixedMeasure());
}

// Twelve counters 480 apart, each colour 240 further on, centred on 5100; the solution rings the
// white ones, or those of the event. The dice grid marks 2 × 6, 3 × 4, 4 × 3 and 6 × 2, the first die across.
TEST(Probability, TheFiguresMarkWhatCounts)
{
    const std::vector<float> white = kBag + std::vector<float>{pick(2, 3)};
    const auto counters = marksOf<shell::CircleMark>(kOneEvent, white, FigureState::Question);
    ASSERT_EQ(counters.size(), 12u);
    EXPECT_EQ(counters[3].centre, (shell::PointTwips{3900, 1950}));
    EXPECT_EQ(counters[3].fill, shell::colour::white);
    EXPECT_EQ(counters[8].outline, shell::colour::white) << "a black counter";
    std::vector<double> rings;
    for (const auto& circle : marksOf<shell::CircleMark>(kOneEvent, white, FigureState::Solution)) {
        if (circle.radius == 260)
            rings.push_back(circle.centre.x);
    }
    EXPECT_EQ(rings, (std::vector<double>{3900, 4380, 4860, 5340, 5820}));
    // "Not yellow" rings the 9 white and black counters, "yellow or black" the 7 of those colours.
    for (const auto& [draws, count] : {std::pair{kExamples[2].draws, 9}, {kExamples[3].draws, 7}}) {
        const auto circles = marksOf<shell::CircleMark>(kNotOr, draws, FigureState::Solution);
        EXPECT_EQ(std::count_if(circles.begin(), circles.end(), [](auto& c) { return c.radius == 260; }),
                  count);
    }

    const std::vector<float> twelve{pick(3, 3), pick(8, 13)};
    EXPECT_TRUE(marksOf<shell::BoxMark>(kDice, twelve, FigureState::Question).empty());
    std::vector<shell::TwipRect> marked;
    for (const auto& box : marksOf<shell::BoxMark>(kDice, twelve, FigureState::Solution))
        marked.push_back(box.rect);
    EXPECT_EQ(
        marked,
        (std::vector<shell::TwipRect>{
            {1680, 5240, 540, 540}, {2220, 4160, 540, 540}, {2760, 3620, 540, 540}, {3840, 3080, 540, 540}}));
}

} // namespace

WORKED_EXAMPLES_TEST(Probability, probability, kExamples)
