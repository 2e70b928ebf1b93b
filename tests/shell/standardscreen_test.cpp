// The standard activity screen on an activity whose questions say which mode and which turn made
// them, with every kind of line it lays out: superscripts, a recurring decimal, a cell row with an
// orange cell, two answer lines, and a figure whose states differ.
#include "screentest.h"

#include "shell/standardscreen.h"
#include "shell/toolkit/drawingview.h"

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

} // namespace
