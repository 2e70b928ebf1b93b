// The standard activity screen on an activity whose questions say which mode and which turn made
// them, with every kind of line it lays out: superscripts, a recurring decimal, a cell row with an
// orange cell, two answer lines, and a figure whose states differ; and its fractions stacked in
// the lines of a long answer.
#include "screentest.h"

#include "shell/standardscreen.h"
#include "shell/toolkit/drawingview.h"
#include "shell/toolkit/stackedfractions.h"
#include "shell/toolkit/units.h"

#include <array>

namespace {

int made = 0;

shell::Exercise countingExercise(int mode, shell::RandomSource&)
{
    shell::Exercise e;
    e.instruction = "Question " + std::to_string(++made) + " in mode " + std::to_string(mode);
    e.question = {shell::Line("nth term = 3 × 2ⁿ⁻¹"), shell::Line("0.1(6)")};
    e.answer = {"first answer line", "second"};
    e.working = {shell::Line("one"), shell::threeCellRow({"1 × 60", "2 × 30", "3 × 20"}, 1)};
    e.layout.working.top = 3510;
    e.layout.recurringDots = true;
    e.figure = [](shell::FigureState state, const shell::TextMeasure&) {
        shell::Drawing drawing;
        drawing.add(shell::CircleMark{{2000, 4000}, state == shell::FigureState::Solution ? 900.0 : 300.0});
        return drawing;
    };
    return e;
}

constexpr std::array<shell::Mode, 2> kModes{{{"First", "first"}, {"Second", "second"}}};
const shell::Activity kActivity{.screen = "counting", .sheet = "counting", .caption = "Counting", .modes = kModes,
                                .questions = shell::freshQuestions<countingExercise>};

class StandardScreen : public testing_support::ScreenTest {};

TEST_F(StandardScreen, LaysOutEachKindOfLineAndShowsTheSolutionOnceThenTheNextQuestion)
{
    made = 0;
    shell::defineStandardScreen(screens, kActivity);
    auto& s = static_cast<shell::StandardActivityScreen&>(screens.show(QStringLiteral("counting")));
    const auto radius = [&] { return std::get<shell::CircleMark>(s.figure->drawing().marks.at(0)).radius; };
    EXPECT_EQ(s.instruction->caption(), "Question 1 in mode 0");
    EXPECT_EQ(s.question[0]->caption(), "nth term = 3 × 2<sup>n−1</sup>");
    EXPECT_EQ(s.question[1]->caption(), "0.16") << "the brackets give way to dots";
    EXPECT_FALSE(s.question[2]->isVisible() || s.Frame1->isVisible() || s.working[0]->isVisible());
    EXPECT_EQ(radius(), 300);
    screenshot(s, QStringLiteral("standard-question.png"));

    click(s.cmdsoln);
    EXPECT_TRUE(s.Frame1->isVisible() && s.working[0]->isVisible() && s.working[1]->isVisible());
    EXPECT_FALSE(s.working[2]->isVisible());
    EXPECT_LT(s.working[0]->y(), s.working[1]->y());
    EXPECT_EQ(s.answer[1]->caption(), "second");
    auto* orange = s.control<shell::Label>(QStringLiteral("working2cell2"));
    ASSERT_NE(orange, nullptr);
    EXPECT_EQ(orange->caption(), "2 × 30");
    EXPECT_EQ(orange->palette().color(QPalette::WindowText), QColor(255, 165, 0));
    EXPECT_EQ(radius(), 900);
    screenshot(s, QStringLiteral("standard-solution.png"));
    click(s.cmdsoln);
    EXPECT_EQ(made, 1) << "a second press changes nothing";

    click(s.cmdgo);
    EXPECT_EQ(s.instruction->caption(), "Question 2 in mode 0");
    EXPECT_FALSE(s.Frame1->isVisible());
    EXPECT_EQ(radius(), 300);
    click(s.control<QWidget>(QStringLiteral("Option2")));
    EXPECT_EQ(s.instruction->caption(), "Question 3 in mode 1");
}

TEST(StackedFractions, LinesBreakAtBlanksButNeverInsideAMixedNumber)
{
    const QFont font = shell::makeFont({"Tahoma", 15.75});
    const QString text =
        QStringLiteral("the interior angle of the regular hendecagon, is 147 3/11° (about 147.3°).");
    int mostLines = 0;
    for (int width = 60; width <= 400; width += 5) {
        SCOPED_TRACE(width);
        const QStringList lines = shell::StackedFractionText(text, font, width, true).lines();
        EXPECT_EQ(lines.join(QLatin1Char(' ')), text);
        EXPECT_EQ(lines.filter(QStringLiteral("147 3/11°")).size(), 1);
        mostLines = std::max(mostLines, static_cast<int>(lines.size()));
    }
    EXPECT_GE(mostLines, 8) << "the narrowest width puts about a word on each line";
    EXPECT_EQ(shell::StackedFractionText(text, font, 60, false).lines(), QStringList{text});
}

TEST(StackedFractions, OnlyDigitsOverDigitsAreFractions)
{
    EXPECT_TRUE(shell::hasFraction(QStringLiteral("is 128 4/7°")));
    EXPECT_TRUE(shell::hasFraction(QStringLiteral("3/11 of it")));
    EXPECT_FALSE(shell::hasFraction(QStringLiteral("x/4")));
    EXPECT_FALSE(shell::hasFraction(QStringLiteral("50 km/h to m/sec")));
}

} // namespace
