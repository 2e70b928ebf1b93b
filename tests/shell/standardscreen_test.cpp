// The standard activity screen's ways of writing a line (superscripts, a recurring decimal, a cell
// row with an orange cell) and its figure in each state, on an activity whose questions say which
// mode made them; and its fractions stacked in the lines of a long answer. The standard screens'
// shared walk (tests/shell/standardscreens_test.cpp) checks each line's text and state.
#include "screentest.h"

#include "shell/standardscreen.h"
#include "shell/toolkit/drawingview.h"
#include "shell/toolkit/stackedfractions.h"
#include "shell/toolkit/units.h"

#include <array>

namespace {

shell::Exercise countingExercise(int mode, shell::RandomSource&)
{
    shell::Exercise e;
    e.instruction = "Mode " + std::to_string(mode);
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

} // namespace

// The activity of the frame's tests as well, behind the screen of Compound Units' topic.
extern const shell::Activity kCounting{.screen = "compoundunits", .sheet = "counting", .caption = "Counting",
                                       .modes = kModes, .questions = shell::freshQuestions<countingExercise>};

namespace {

class StandardScreen : public testing_support::ScreenTest {};

TEST_F(StandardScreen, WritesEachKindOfLineAndRedrawsTheFigureForTheSolution)
{
    shell::defineStandardScreen(screens, kCounting);
    auto& s = static_cast<shell::StandardActivityScreen&>(screens.show(QStringLiteral("compoundunits")));
    const auto radius = [&] { return std::get<shell::CircleMark>(s.figure->drawing().marks.at(0)).radius; };
    EXPECT_EQ(s.question[0]->caption() + u'|' + s.question[1]->caption(), "nth term = 3 × 2<sup>n−1</sup>|0.16");
    EXPECT_EQ(radius(), 300);
    click(s.cmdsoln);
    auto* orange = s.control<shell::Label>(QStringLiteral("working2cell2"));
    ASSERT_NE(orange, nullptr);
    EXPECT_EQ(orange->caption(), "2 × 30");
    EXPECT_EQ(orange->palette().color(QPalette::WindowText), QColor(255, 165, 0));
    EXPECT_EQ(radius(), 900);
    screenshot(s, QStringLiteral("standard-solution.png"));
    click(s.control<QWidget>(QStringLiteral("Option2")));
    EXPECT_EQ(s.instruction->caption(), "Mode 1");
    EXPECT_EQ(radius(), 300);
}

TEST(StackedFractions, LinesBreakAtBlanksButNeverInsideAMixedNumberAndOnlyDigitsOverDigitsStack)
{
    const QFont font = shell::makeFont({"Tahoma", 15.75});
    const QString text = QStringLiteral("the interior angle of the regular hendecagon, is 147 3/11° (about 147.3°).");
    for (int width = 60; width <= 400; width += 20) {
        const QStringList lines = shell::StackedFractionText(text, font, width, true).lines();
        EXPECT_EQ(lines.join(QLatin1Char(' ')), text) << width;
        EXPECT_EQ(lines.filter(QStringLiteral("147 3/11°")).size(), 1) << width;
        EXPECT_GE(lines.size(), width == 60 ? 8 : 1) << "about a word on each line";
    }
    EXPECT_EQ(shell::StackedFractionText(text, font, 60, false).lines(), QStringList{text});
    const std::pair<const char*, bool> stacks[] = {
        {"is 128 4/7°", true}, {"3/11 of it", true}, {"x/4", false}, {"50 km/h to m/sec", false}};
    for (const auto& [fraction, stacked] : stacks)
        EXPECT_EQ(shell::hasFraction(QString::fromUtf8(fraction)), stacked) << fraction;
}

} // namespace
