// Geometric Progressions: the worked examples, a rejected first term of 1, the largest terms and
// the extreme draws, each row scripted draw by draw. The volume run checks random questions of
// every mode.
#include "geometricprogressions/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawFor, testing_support::kTop, testing_support::operator+,
    testing_support::WorkedExample;

enum Mode { NextTerms, FillGaps, NthTerm, Mixed };

// Row i of the ratios (1 to 8), then the first term's draw out of that row's `count` choices.
std::vector<float> sequence(int i, int choice, int count)
{
    return {drawFor(i, 1, 8), drawFor(choice, 1, count)};
}

// clang-format off
const WorkedExample kExamples[] = {
    {"fill the gaps, ratio −2", FillGaps, sequence(5, 3, 10),
     "Fill the gaps in this geometric sequence.", {"3, ?, ?, −24, …"}, {"−6 and 12"},
     {"3 × r × r × r = −24", "r³ = −24 ÷ 3 = −8", "r = −2, because (−2)³ = −8", "3 × (−2) = −6",
      "−6 × (−2) = 12"},
     R"({"kind":"fill-gaps","first":3,"ratio":-2,"terms":[3,-6,12,-24,48,-96]})"},
    {"nth term, halving", NthTerm, sequence(7, 5, 5),
     "Find the nth term of this sequence.", {"160, 80, 40, 20, …"}, {"nth term = 160 × 0.5ⁿ⁻¹"},
     {"First term a = 160", "Common ratio r = 80 ÷ 160 = 0.5", "nth term = a × rⁿ⁻¹ = 160 × 0.5ⁿ⁻¹",
      "Check n = 4:", "160 × 0.5³ = 160 × 0.125 = 20"},
     R"({"kind":"nth-term","first":160,"ratio":0.5,"terms":[160,80,40,20,10,5]})"},
    {"nth term, a = r", NthTerm, sequence(2, 3, 6),
     "Find the nth term of this sequence.", {"3, 9, 27, 81, …"}, {"nth term = 3 × 3ⁿ⁻¹ = 3ⁿ"},
     {"First term a = 3", "Common ratio r = 9 ÷ 3 = 3", "nth term = a × rⁿ⁻¹ = 3 × 3ⁿ⁻¹ = 3ⁿ",
      "Check n = 4:", "3 × 3³ = 3 × 27 = 81"},
     R"({"kind":"nth-term","first":3,"ratio":3,"terms":[3,9,27,81,243,729]})"},
    {"highest draws: mixed asks the nth term, ratio 1.5", Mixed, {kTop, kTop, kTop},
     "Find the nth term of this sequence.", {"96, 144, 216, 324, …"}, {"nth term = 96 × 1.5ⁿ⁻¹"},
     {"First term a = 96", "Common ratio r = 144 ÷ 96 = 1.5", "nth term = a × rⁿ⁻¹ = 96 × 1.5ⁿ⁻¹",
      "Check n = 4:", "96 × 1.5³ = 96 × 3.375 = 324"},
     R"({"kind":"nth-term","first":96,"ratio":1.5,"terms":[96,144,216,324,486,729]})"},
    {"fill the gaps draws again after a first term of 1", FillGaps, sequence(1, 1, 12) + sequence(6, 5, 5),
     "Fill the gaps in this geometric sequence.", {"5, ?, ?, −135, …"}, {"−15 and 45"},
     {"5 × r × r × r = −135", "r³ = −135 ÷ 5 = −27", "r = −3, because (−3)³ = −27", "5 × (−3) = −15",
      "−15 × (−3) = 45"},
     R"({"kind":"fill-gaps","first":5,"ratio":-3,"terms":[5,-15,45,-135,405,-1215]})"},
    {"nth term with first term 1 and a negative ratio", NthTerm, sequence(5, 1, 10),
     "Find the nth term of this sequence.", {"1, −2, 4, −8, …"}, {"nth term = (−2)ⁿ⁻¹"},
     {"First term a = 1", "Common ratio r = −2 ÷ 1 = −2", "nth term = a × rⁿ⁻¹ = (−2)ⁿ⁻¹", "Check n = 4:",
      "(−2)³ = −8"},
     R"({"kind":"nth-term","first":1,"ratio":-2,"terms":[1,-2,4,-8,16,-32]})"},
    {"the largest term takes a comma", NextTerms, sequence(4, 4, 4),
     "Write down the next two terms.", {"4, 20, 100, 500, …"}, {"2500 and 12,500"},
     {"Common ratio = 20 ÷ 4 = 5", "500 × 5 = 2500", "2500 × 5 = 12,500"},
     R"({"kind":"next-terms","first":4,"ratio":5,"terms":[4,20,100,500,2500,12500]})"},
    {"lowest draws: mixed asks the next terms", Mixed, {0, 0, 0},
     "Write down the next two terms.", {"1, 2, 4, 8, …"}, {"16 and 32"},
     {"Common ratio = 2 ÷ 1 = 2", "8 × 2 = 16", "16 × 2 = 32"},
     R"({"kind":"next-terms","first":1,"ratio":2,"terms":[1,2,4,8,16,32]})"},
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(GeometricProgressions, geometricprogressions, kExamples)
