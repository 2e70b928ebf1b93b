// Recurring decimals through the activity's questions: the worked examples, the extreme draws
// and the rejected blocks, each a named row of scripted draws; and the short division's figure.
#include "recurringdecimals/activity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr float T = shell::kLargestDraw;

// The draw that gives `value` out of the whole numbers low..high.
float pick(int value, int low, int high)
{
    return (static_cast<float>(value - low) + 0.5f) / static_cast<float>(high - low + 1);
}

// The draw that picks entry `index` of the fifteen denominators.
float denominator(int index)
{
    return pick(index, 0, 14);
}

const std::string kToDecimal = "Write this fraction as a recurring decimal.";
const std::string kToFraction = "Write as a fraction in its simplest form.";

struct Row {
    const char* name;
    int mode;
    std::vector<float> draws;
    std::vector<std::string> question; // the instruction, then the question line
    std::string answer;
    std::vector<std::string> working;
    std::string data;
};

const Row kRows[] = {
    {"5/11 repeats two digits at once", 0, {denominator(4), pick(5, 1, 10)}, {kToDecimal, "5/11"}, "5/11 = 0.(45)",
     {"5/11 means 5 \u00f7 11", "50 \u00f7 11 comes round again, so the digits 45 repeat", "5/11 = 0.454545\u2026"},
     R"({"kind":"fraction-to-decimal","numerator":5,"denominator":11,"pre":"","rep":"45"})"},
    {"1/6 repeats after one digit", 0, {denominator(1), pick(1, 1, 5)}, {kToDecimal, "1/6"}, "1/6 = 0.1(6)",
     {"1/6 means 1 \u00f7 6", "40 \u00f7 6 comes round again, so the digit 6 repeats", "1/6 = 0.166666\u2026"},
     R"({"kind":"fraction-to-decimal","numerator":1,"denominator":6,"pre":"1","rep":"6"})"},
    {"3/7 shows two whole blocks", 0, {denominator(2), pick(3, 1, 6)}, {kToDecimal, "3/7"}, "3/7 = 0.(428571)",
     {"3/7 means 3 \u00f7 7", "30 \u00f7 7 comes round again, so the digits 428571 repeat",
      "3/7 = 0.428571428571\u2026"},
     R"({"kind":"fraction-to-decimal","numerator":3,"denominator":7,"pre":"","rep":"428571"})"},
    {"2/6 and 3/6 are redrawn", 0, {denominator(1), pick(2, 1, 5), pick(3, 1, 5), pick(5, 1, 5)}, {kToDecimal, "5/6"},
     "5/6 = 0.8(3)",
     {"5/6 means 5 \u00f7 6", "20 \u00f7 6 comes round again, so the digit 3 repeats", "5/6 = 0.833333\u2026"},
     R"({"kind":"fraction-to-decimal","numerator":5,"denominator":6,"pre":"8","rep":"3"})"},
    {"the smallest draws give 1/3", 0, {0, 0}, {kToDecimal, "1/3"}, "1/3 = 0.(3)",
     {"1/3 means 1 \u00f7 3", "10 \u00f7 3 comes round again, so the digit 3 repeats", "1/3 = 0.333333\u2026"},
     R"({"kind":"fraction-to-decimal","numerator":1,"denominator":3,"pre":"","rep":"3"})"},
    {"the largest draws give 29/30", 0, {T, T}, {kToDecimal, "29/30"}, "29/30 = 0.9(6)",
     {"29/30 means 29 \u00f7 30", "200 \u00f7 30 comes round again, so the digit 6 repeats", "29/30 = 0.966666\u2026"},
     R"({"kind":"fraction-to-decimal","numerator":29,"denominator":30,"pre":"9","rep":"6"})"},
    {"0.(36) reduces", 1, {pick(2, 1, 3), pick(36, 1, 98)}, {kToFraction, "0.(36)"}, "0.(36) = 4/11",
     {"x = 0.363636\u2026", "100x = 36.363636\u2026", "Subtract: 99x = 36", "x = 36/99 = 4/11"},
     R"({"kind":"decimal-to-fraction","numerator":4,"denominator":11,"pre":"","rep":"36"})"},
    {"0.(015) keeps its leading zero", 1, {pick(3, 1, 3), pick(15, 1, 998)}, {kToFraction, "0.(015)"},
     "0.(015) = 5/333",
     {"x = 0.015015\u2026", "1000x = 15.015015\u2026", "Subtract: 999x = 15", "x = 15/999 = 5/333"},
     R"({"kind":"decimal-to-fraction","numerator":5,"denominator":333,"pre":"","rep":"015"})"},
    {"the block 33 is rejected, 0.(8) does not reduce", 1, {pick(2, 1, 3), pick(33, 1, 98), 0, T},
     {kToFraction, "0.(8)"}, "0.(8) = 8/9",
     {"x = 0.888888\u2026", "10x = 8.888888\u2026", "Subtract: 9x = 8", "x = 8/9"},
     R"({"kind":"decimal-to-fraction","numerator":8,"denominator":9,"pre":"","rep":"8"})"},
    {"the largest block", 1, {T, T}, {kToFraction, "0.(998)"}, "0.(998) = 998/999",
     {"x = 0.998998\u2026", "1000x = 998.998998\u2026", "Subtract: 999x = 998", "x = 998/999"},
     R"({"kind":"decimal-to-fraction","numerator":998,"denominator":999,"pre":"","rep":"998"})"},
    {"0.1(6)", 2, {0.25f, 0.25f, pick(1, 0, 9), pick(6, 1, 8)}, {kToFraction, "0.1(6)"}, "0.1(6) = 1/6",
     {"x = 0.166666\u2026", "10x = 1.666666\u2026", "100x = 16.666666\u2026", "Subtract: 90x = 15", "x = 15/90 = 1/6"},
     R"({"kind":"partly-recurring","numerator":1,"denominator":6,"pre":"1","rep":"6"})"},
    {"0.1(42)", 2, {0.25f, 0.75f, pick(1, 0, 9), pick(42, 1, 98)}, {kToFraction, "0.1(42)"}, "0.1(42) = 47/330",
     {"x = 0.1424242\u2026", "10x = 1.424242\u2026", "1000x = 142.424242\u2026", "Subtract: 990x = 141",
      "x = 141/990 = 47/330"},
     R"({"kind":"partly-recurring","numerator":47,"denominator":330,"pre":"1","rep":"42"})"},
    {"four digits, then 0.6(6), are rejected before 0.00(5)", 2,
     {T, T, 0.25f, 0.25f, pick(6, 0, 9), pick(6, 1, 8), T, 0.25f, 0, pick(5, 1, 8)}, {kToFraction, "0.00(5)"},
     "0.00(5) = 1/180",
     {"x = 0.005555\u2026", "100x = 0.555555\u2026", "1000x = 5.555555\u2026", "Subtract: 900x = 5", "x = 5/900 = 1/180"},
     R"({"kind":"partly-recurring","numerator":1,"denominator":180,"pre":"00","rep":"5"})"},
    {"mixed keeps its kind through a rejection", 3, {0.5f, pick(2, 1, 3), pick(33, 1, 98), 0, T},
     {kToFraction, "0.(8)"}, "0.(8) = 8/9",
     {"x = 0.888888\u2026", "10x = 8.888888\u2026", "Subtract: 9x = 8", "x = 8/9"},
     R"({"kind":"decimal-to-fraction","numerator":8,"denominator":9,"pre":"","rep":"8"})"},
};

shell::Exercise make(int mode, std::vector<float> script)
{
    shell::ScriptedDraws draws(std::move(script));
    shell::Exercise e = recurringdecimals::activities()[0].questions()->make(mode, draws);
    EXPECT_EQ(draws.remaining(), 0u);
    return e;
}

TEST(RecurringDecimals, WorkedExamples)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const shell::Exercise e = make(row.mode, row.draws);
        std::vector<std::string> question{e.instruction};
        for (const shell::Line& line : e.question)
            question.push_back(line.text);
        EXPECT_EQ(question, row.question);
        EXPECT_EQ(e.answer, std::vector<std::string>{row.answer});
        std::vector<std::string> working;
        for (const shell::Line& line : e.working)
            working.push_back(line.text);
        EXPECT_EQ(working, row.working);
        EXPECT_EQ(shell::Json(e.fields)["data"].dump(), row.data);
    }
}

// Measures every text 300 twips wide, so the short division's width is known.
struct FixedMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {300, 600}; }
};

// 25/26, the widest: the divisor, the bracket and roof, then each cell from X0 + 540.
TEST(RecurringDecimals, ShortDivisionCells)
{
    const shell::Exercise e = make(0, {denominator(12), pick(25, 1, 25)});
    EXPECT_TRUE(e.figure(shell::FigureState::Question, FixedMeasure{}).marks.empty());
    const shell::Drawing drawing = e.figure(shell::FigureState::Solution, FixedMeasure{});
    // W = 300 + 240 + 2 × 400 + 200 + 8 × 800 + 120 = 8060, so X0 = 600 + 470.
    const double x0 = 1070;
    std::vector<std::string> quotient, dividend, carries;
    std::vector<double> lefts;
    for (const shell::Mark& mark : drawing.marks) {
        if (const auto* text = std::get_if<shell::TextMark>(&mark)) {
            (text->rect.top == 2100 ? quotient : text->rect.top == 2940 ? dividend : carries).push_back(text->text);
            lefts.push_back(text->rect.left);
        }
    }
    EXPECT_EQ(quotient, (std::vector<std::string>{"0", ".", "9", "6", "1", "5", "3", "8", "4", "6"}));
    EXPECT_EQ(dividend, (std::vector<std::string>{"26", "2", "5", ".", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(carries, (std::vector<std::string>{"25", "16", "4", "14", "10", "22", "12", "16"}));
    EXPECT_EQ(lefts[0], x0);
    EXPECT_EQ(lefts[1], x0 + 540);
    EXPECT_EQ(lefts.back(), x0 + 540 + 800 + 200 + 7 * 800 + 400);
    const auto* bracket = std::get_if<shell::LineMark>(&drawing.marks[1]);
    const auto* roof = std::get_if<shell::LineMark>(&drawing.marks[2]);
    ASSERT_TRUE(bracket && roof);
    EXPECT_EQ(bracket->from.x, x0 + 420);
    EXPECT_EQ(bracket->to.y, 3600);
    EXPECT_EQ(roof->to.x, x0 + 8060);
    EXPECT_EQ(roof->to.y, 2840);
}

TEST(RecurringDecimals, EqualsSignsLineUp)
{
    const shell::Exercise e = make(2, {0.25f, 0.75f, pick(1, 0, 9), pick(42, 1, 98)});
    const shell::Line& line = e.working.at(3);
    ASSERT_EQ(line.cells.size(), 2u);
    EXPECT_EQ(line.cells[0].text, "Subtract: 990x");
    EXPECT_EQ(line.cells[0].align, shell::Align::Right);
    EXPECT_EQ(e.layout.working.left + line.cells[0].offset + line.cells[0].width, 4320);
    EXPECT_EQ(line.cells[1].text, " = 141");
    EXPECT_EQ(e.layout.working.left + line.cells[1].offset, 4320);
}

} // namespace
