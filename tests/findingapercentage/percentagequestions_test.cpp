// Finding a Percentage: the worked examples of every way to a percentage, the rejected
// fractions and wholes, and the extreme draws, each row scripted draw by draw.
#include "findingapercentage/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawAt, testing_support::drawFor, testing_support::kTop,
    testing_support::WorkedExample;

constexpr int kUnits = 8;     // £, kg, g, km, m, cm, ml, none
constexpr int kPercents = 23; // 1, 2, 3, 4, then 5 to 95 in fives
const std::string kInstruction = "Work it out without a calculator.";

// clang-format off
const WorkedExample kExamples[] = {
    {"1% alone, the first of everything", 0, {0, 0, 0},
     kInstruction, {"Find 1% of £20"}, {"1% of £20 = 20p"}, {"1% = £20 ÷ 100 = 20p"},
     R"({"kind":"percentage-of","unit":"£","percent":1,"amount":20})"},
    {"3% of 20 cm stays exact", 0, {drawAt(5, kUnits), drawAt(2, kPercents), drawFor(1, 1, 50)},
     kInstruction, {"Find 3% of 20 cm"}, {"3% of 20 cm = 0.6 cm"},
     {"1% = 20 cm ÷ 100 = 0.2 cm", "3% = 3 × 0.2 cm = 0.6 cm"},
     R"({"kind":"percentage-of","unit":"cm","percent":3,"amount":20})"},
    {"75% through a quarter", 0, {drawAt(4, kUnits), drawAt(18, kPercents), drawFor(3, 1, 50)},
     kInstruction, {"Find 75% of 60 m"}, {"75% of 60 m = 45 m"},
     {"25% = one quarter", "60 m ÷ 4 = 15 m", "75% = 3 × 15 m = 45 m"},
     R"({"kind":"percentage-of","unit":"m","percent":75,"amount":60})"},
    {"50% as a half", 0, {drawAt(0, kUnits), drawAt(13, kPercents), drawFor(12, 1, 50)}, kInstruction,
     {"Find 50% of £240"}, {"50% of £240 = £120"}, {"50% = one half", "£240 ÷ 2 = £120"},
     R"({"kind":"percentage-of","unit":"£","percent":50,"amount":240})"},
    {"25% as a quarter", 0, {drawAt(4, kUnits), drawAt(8, kPercents), drawFor(3, 1, 50)}, kInstruction,
     {"Find 25% of 60 m"}, {"25% of 60 m = 15 m"}, {"25% = one quarter", "60 m ÷ 4 = 15 m"},
     R"({"kind":"percentage-of","unit":"m","percent":25,"amount":60})"},
    {"10% in one step", 0, {drawAt(1, kUnits), drawAt(5, kPercents), drawFor(2, 1, 50)}, kInstruction,
     {"Find 10% of 40 kg"}, {"10% of 40 kg = 4 kg"}, {"10% = 40 kg ÷ 10 = 4 kg"},
     R"({"kind":"percentage-of","unit":"kg","percent":10,"amount":40})"},
    {"40% as four tens", 0, {drawAt(2, kUnits), drawAt(11, kPercents), drawFor(1, 1, 50)}, kInstruction,
     {"Find 40% of 20 g"}, {"40% of 20 g = 8 g"}, {"10% = 20 g ÷ 10 = 2 g", "40% = 4 × 2 g = 8 g"},
     R"({"kind":"percentage-of","unit":"g","percent":40,"amount":20})"},
    {"15% from 10% and 5%", 0, {drawAt(0, kUnits), drawAt(6, kPercents), drawFor(1, 1, 50)}, kInstruction,
     {"Find 15% of £20"}, {"15% of £20 = £3"}, {"10% = £20 ÷ 10 = £2", "5% = £2 ÷ 2 = £1", "15% = £2 + £1 = £3"},
     R"({"kind":"percentage-of","unit":"£","percent":15,"amount":20})"},
    {"the last of everything: 95% of a plain 1000", 0, {kTop, kTop, kTop},
     kInstruction, {"Find 95% of 1000"}, {"95% of 1000 = 950"},
     {"10% = 1000 ÷ 10 = 100", "90% = 9 × 100 = 900", "5% = 100 ÷ 2 = 50", "95% = 900 + 50 = 950"},
     R"({"kind":"percentage-of","unit":"","percent":95,"amount":1000})"},
    {"18 kg of 72 kg, simplified first", 1, {drawAt(1, kUnits), drawAt(1, 7), drawFor(1, 1, 3), drawFor(18, 1, 50)},
     kInstruction, {"Write 18 kg as a", "percentage of 72 kg"}, {"18 kg is 25% of 72 kg"},
     {"As a fraction: 18/72", "18/72 = 1/4 (divide both by 18)", "1/4 = 25/100 (multiply both by 25)", "25/100 = 25%"},
     R"({"kind":"as-percentage","unit":"kg","part":18,"whole":72})"},
    {"£3 of £20, already in lowest terms", 1, {drawAt(0, kUnits), drawAt(4, 7), drawFor(3, 1, 19), drawFor(1, 1, 10)},
     kInstruction, {"Write £3 as a", "percentage of £20"}, {"£3 is 15% of £20"},
     {"As a fraction: 3/20", "3/20 = 15/100 (multiply both by 5)", "15/100 = 15%"},
     R"({"kind":"as-percentage","unit":"£","part":3,"whole":20})"},
    {"2/4 and a whole of 8 are drawn again", 1,
     {kTop, drawAt(1, 7), drawFor(2, 1, 3), drawFor(3, 1, 3), drawFor(2, 1, 50), drawFor(3, 1, 50)},
     kInstruction, {"Write 9 as a", "percentage of 12"}, {"9 is 75% of 12"},
     {"As a fraction: 9/12", "9/12 = 3/4 (divide both by 3)", "3/4 = 75/100 (multiply both by 25)", "75/100 = 75%"},
     R"({"kind":"as-percentage","unit":"","part":9,"whole":12})"},
    {"decrease 240 kg by 35%", 2, {drawAt(1, kUnits), drawFor(7, 1, 19), drawFor(12, 1, 50), drawAt(1, 2)},
     kInstruction, {"Decrease 240 kg", "by 35%"}, {"New amount: 156 kg", "Multiplier: 240 × 0.65 = 156"},
     {"10% = 240 kg ÷ 10 = 24 kg", "30% = 3 × 24 kg = 72 kg", "5% = 24 kg ÷ 2 = 12 kg",
      "35% = 72 kg + 12 kg = 84 kg", "240 kg − 84 kg = 156 kg"},
     R"({"kind":"increase-decrease","unit":"kg","percent":35,"amount":240,"direction":"decrease"})"},
    {"increase 20 ml by 5%, in Mixed", 3, {drawAt(2, 3), drawAt(6, kUnits), 0, 0, 0},
     kInstruction, {"Increase 20 ml", "by 5%"}, {"New amount: 21 ml", "Multiplier: 20 × 1.05 = 21"},
     {"10% = 20 ml ÷ 10 = 2 ml", "5% = 2 ml ÷ 2 = 1 ml", "20 ml + 1 ml = 21 ml"},
     R"({"kind":"increase-decrease","unit":"ml","percent":5,"amount":20,"direction":"increase"})"},
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(PercentageQuestions, findingapercentage, kExamples)
