// Recurring decimals through the activity's questions: the worked examples, the extreme draws
// and the rejected blocks, each a named row of scripted draws; and the short division's figure.
#include "recurringdecimals/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawFor, testing_support::kTop, testing_support::WorkedExample;

enum Mode { FractionToDecimal, DecimalToFraction, PartlyRecurring, Mixed };

// The draw that picks entry `index` of the fifteen denominators.
constexpr float denominator(int index)
{
    return testing_support::drawAt(index, 15);
}

const std::string kToDecimal = "Write this fraction as a recurring decimal.";
const std::string kToFraction = "Write as a fraction in its simplest form.";

const shell::Activity& activity()
{
    return recurringdecimals::activities()[0];
}

// clang-format off
const WorkedExample kExamples[] = {
    {"3/7 shows two whole blocks", FractionToDecimal, {denominator(2), drawFor(3, 1, 6)}, kToDecimal, {"3/7"},
     {"3/7 = 0.(428571)"}, {"3/7 means 3 ÷ 7", "30 ÷ 7 comes round again, so the digits 428571 repeat",
      "3/7 = 0.428571428571…"},
     R"({"kind":"fraction-to-decimal","numerator":3,"denominator":7,"pre":"","rep":"428571"})"},
    {"2/6 and 3/6 are redrawn", FractionToDecimal, {denominator(1), drawFor(2, 1, 5), drawFor(3, 1, 5), drawFor(5, 1, 5)},
     kToDecimal, {"5/6"}, {"5/6 = 0.8(3)"},
     {"5/6 means 5 ÷ 6", "20 ÷ 6 comes round again, so the digit 3 repeats", "5/6 = 0.833333…"},
     R"({"kind":"fraction-to-decimal","numerator":5,"denominator":6,"pre":"8","rep":"3"})"},
    {"the smallest draws give 1/3", FractionToDecimal, {0, 0}, kToDecimal, {"1/3"}, {"1/3 = 0.(3)"},
     {"1/3 means 1 ÷ 3", "10 ÷ 3 comes round again, so the digit 3 repeats", "1/3 = 0.333333…"},
     R"({"kind":"fraction-to-decimal","numerator":1,"denominator":3,"pre":"","rep":"3"})"},
    {"the largest draws give 29/30", FractionToDecimal, {kTop, kTop}, kToDecimal, {"29/30"}, {"29/30 = 0.9(6)"},
     {"29/30 means 29 ÷ 30", "200 ÷ 30 comes round again, so the digit 6 repeats", "29/30 = 0.966666…"},
     R"({"kind":"fraction-to-decimal","numerator":29,"denominator":30,"pre":"9","rep":"6"})"},
    {"0.(36) reduces", DecimalToFraction, {drawFor(2, 1, 3), drawFor(36, 1, 98)}, kToFraction, {"0.(36)"},
     {"0.(36) = 4/11"}, {"x = 0.363636…", "100x = 36.363636…", "Subtract: 99x = 36", "x = 36/99 = 4/11"},
     R"({"kind":"decimal-to-fraction","numerator":4,"denominator":11,"pre":"","rep":"36"})"},
    {"0.(015) keeps its leading zero", DecimalToFraction, {drawFor(3, 1, 3), drawFor(15, 1, 998)},
     kToFraction, {"0.(015)"}, {"0.(015) = 5/333"},
     {"x = 0.015015…", "1000x = 15.015015…", "Subtract: 999x = 15", "x = 15/999 = 5/333"},
     R"({"kind":"decimal-to-fraction","numerator":5,"denominator":333,"pre":"","rep":"015"})"},
    {"the blocks 33 and 121 are rejected, 0.(8) does not reduce", DecimalToFraction,
     {drawFor(2, 1, 3), drawFor(33, 1, 98), drawFor(3, 1, 3), drawFor(121, 1, 998), 0, kTop}, kToFraction, {"0.(8)"},
     {"0.(8) = 8/9"}, {"x = 0.888888…", "10x = 8.888888…", "Subtract: 9x = 8", "x = 8/9"},
     R"({"kind":"decimal-to-fraction","numerator":8,"denominator":9,"pre":"","rep":"8"})"},
    {"the largest block", DecimalToFraction, {kTop, kTop}, kToFraction, {"0.(998)"}, {"0.(998) = 998/999"},
     {"x = 0.998998…", "1000x = 998.998998…", "Subtract: 999x = 998", "x = 998/999"},
     R"({"kind":"decimal-to-fraction","numerator":998,"denominator":999,"pre":"","rep":"998"})"},
    {"0.1(42)", PartlyRecurring, {0.25f, 0.75f, drawFor(1, 0, 9), drawFor(42, 1, 98)}, kToFraction, {"0.1(42)"},
     {"0.1(42) = 47/330"}, {"x = 0.1424242…", "10x = 1.424242…", "1000x = 142.424242…", "Subtract: 990x = 141",
      "x = 141/990 = 47/330"}, R"({"kind":"partly-recurring","numerator":47,"denominator":330,"pre":"1","rep":"42"})"},
    {"four digits, then 0.6(6), are rejected before 0.00(5)", PartlyRecurring,
     {kTop, kTop, 0.25f, 0.25f, drawFor(6, 0, 9), drawFor(6, 1, 8), kTop, 0.25f, 0, drawFor(5, 1, 8)},
     kToFraction, {"0.00(5)"}, {"0.00(5) = 1/180"},
     {"x = 0.005555…", "100x = 0.555555…", "1000x = 5.555555…", "Subtract: 900x = 5", "x = 5/900 = 1/180"},
     R"({"kind":"partly-recurring","numerator":1,"denominator":180,"pre":"00","rep":"5"})"},
    {"mixed keeps its kind through a rejection", Mixed, {0.5f, drawFor(2, 1, 3), drawFor(33, 1, 98), 0, kTop},
     kToFraction, {"0.(8)"}, {"0.(8) = 8/9"}, {"x = 0.888888…", "10x = 8.888888…", "Subtract: 9x = 8", "x = 8/9"},
     R"({"kind":"decimal-to-fraction","numerator":8,"denominator":9,"pre":"","rep":"8"})"},
};
// clang-format on

shell::Exercise make(int mode, std::vector<float> script)
{
    shell::ScriptedDraws draws(std::move(script));
    return activity().questions()->make(mode, draws);
}

using testing_support::FixedMeasure;

// 25/26, the widest: the quotient's digits over the dividend's, with the carries between.
TEST(RecurringDecimals, ShortDivisionCells)
{
    const shell::Exercise e = make(FractionToDecimal, {denominator(12), drawFor(25, 1, 25)});
    EXPECT_TRUE(e.figure(shell::FigureState::Question, FixedMeasure{}).marks.empty());
    std::vector<std::string> quotient, dividend, carries;
    for (const auto& text :
         testing_support::marksOf<shell::TextMark>(e.figure(shell::FigureState::Solution, FixedMeasure{})))
        (text.rect.top == 2100 ? quotient : text.rect.top == 2940 ? dividend : carries).push_back(text.text);
    EXPECT_EQ(quotient, (std::vector<std::string>{"0", ".", "9", "6", "1", "5", "3", "8", "4", "6"}));
    EXPECT_EQ(dividend,
              (std::vector<std::string>{"26", "2", "5", ".", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(carries, (std::vector<std::string>{"25", "16", "4", "14", "10", "22", "12", "16"}));
}

// The subtraction's working line is two cells that meet at its equals sign, so the signs line up.
TEST(RecurringDecimals, EqualsSignsLineUp)
{
    const shell::Exercise e = make(PartlyRecurring, {0.25f, 0.75f, drawFor(1, 0, 9), drawFor(42, 1, 98)});
    const shell::Line& line = e.working.at(3);
    ASSERT_EQ(line.cells.size(), 2u);
    EXPECT_EQ(line.cells[0].text, "Subtract: 990x");
    EXPECT_EQ(line.cells[0].align, shell::Align::Right);
    EXPECT_EQ(line.cells[1].text, " = 141");
    EXPECT_EQ(line.cells[0].offset + line.cells[0].width, line.cells[1].offset);
}

} // namespace

WORKED_EXAMPLES_TEST(RecurringDecimals, recurringdecimals, kExamples)
