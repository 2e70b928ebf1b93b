// The screen of an activity on the standard frame, through the real widgets: its topic opens it,
// each mode shows a question, Solution shows the working, the answer and the figure's solution
// once, and Next makes another question; and every text of many questions fits its label at
// design size in the program's Tahoma.
#pragma once

#include "screentest.h"

#include "shell/core/activity.h"
#include "shell/standardscreen.h"
#include "shell/toolkit/drawingpainter.h"
#include "shell/toolkit/drawingview.h"

#include <QString>

#include <string>

namespace testing_support {

class StandardActivityTest : public ScreenTest {
protected:
    static QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

    static std::size_t marksOf(const shell::Exercise& e, shell::FigureState state)
    {
        return e.figure ? e.figure(state, shell::FontMeasure()).marks.size() : 0;
    }

    static void expectQuestionState(const shell::StandardActivityScreen& s)
    {
        const shell::Exercise& e = s.exercise();
        EXPECT_EQ(s.instruction->caption(), qt(e.instruction));
        for (std::size_t k = 0; k < s.question.size(); ++k) {
            EXPECT_EQ(s.question[k]->isVisible(), k < e.question.size());
            if (k < e.question.size()) {
                EXPECT_EQ(s.question[k]->accessibleName(), qt(e.question[k].text));
            }
        }
        EXPECT_FALSE(s.Frame1->isVisible());
        for (const shell::Label* line : s.working)
            EXPECT_FALSE(line->isVisible());
        EXPECT_EQ(s.figure->drawing().marks.size(), marksOf(e, shell::FigureState::Question));
    }

    static void expectSolutionState(const shell::StandardActivityScreen& s)
    {
        const shell::Exercise& e = s.exercise();
        EXPECT_TRUE(s.Frame1->isVisible());
        for (std::size_t i = 0; i < e.answer.size(); ++i)
            EXPECT_EQ(s.answer[i]->accessibleName(), qt(e.answer[i]));
        for (std::size_t i = 0; i < s.working.size(); ++i)
            EXPECT_EQ(s.working[i]->isVisible(), e.layout.workingShown && i < e.working.size());
        EXPECT_EQ(s.figure->drawing().marks.size(), marksOf(e, shell::FigureState::Solution));
    }

    // Opens the activity from its topic menu and goes through every mode: the question, the
    // solution (twice: the second press changes nothing), and the next question. Saves a
    // screenshot of each mode's question and solution.
    void checkEveryMode(const shell::Activity& activity)
    {
        seedActivities([] { return 2026; });
        auto& s = openTopic<shell::StandardActivityScreen>(QStringLiteral("menu%1").arg(activity.menu),
                                                          activity.position, qt(activity.screen));
        EXPECT_EQ(s.windowTitle(), qt(activity.caption));
        for (int mode = 0; mode < activity.modeCount(); ++mode) {
            const std::string name = std::string(activity.screen) + "-" +
                                     std::string(activity.modes[static_cast<std::size_t>(mode)].sheetName);
            SCOPED_TRACE(name);
            if (mode > 0)
                click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
            EXPECT_EQ(s.mode(), mode);
            expectQuestionState(s);
            screenshot(s, qt(name + "-question.png"));
            const std::string asked = shell::Json(s.exercise().fields).dump();
            click(s.cmdsoln);
            expectSolutionState(s);
            screenshot(s, qt(name + "-solution.png"));
            click(s.cmdsoln);
            EXPECT_EQ(shell::Json(s.exercise().fields).dump(), asked);
            expectSolutionState(s);
            click(s.cmdgo);
            EXPECT_NE(shell::Json(s.exercise().fields).dump(), asked);
            expectQuestionState(s);
        }
    }

    // Every line of `count` questions per mode fits its label, and every figure text its box.
    static void checkFit(const shell::Activity& activity, int count)
    {
        const shell::FontMeasure tahoma;
        const auto fits = [&](const std::string& text, double points, double width) {
            const double wide = tahoma.measure(text, {points}).width;
            EXPECT_LE(wide, width) << text;
            return wide <= width;
        };
        constexpr double kTops[] = {840, 1710, 2580};
        for (int mode = 0; mode < activity.modeCount(); ++mode) {
            shell::ClockRandom draws(static_cast<std::uint64_t>(mode) + 1);
            const auto questions = activity.questions();
            bool fit = true;
            for (int n = 0; n < count && fit; ++n) {
                const shell::Exercise e = questions->make(mode, draws);
                fit = fits(e.instruction, 21.75, 9720);
                for (std::size_t k = 0; k < e.question.size(); ++k) {
                    const shell::Line& line = e.question[k];
                    const shell::TwipRect place = line.place.value_or(shell::TwipRect{240, kTops[k], 9720, 870});
                    fit = fits(line.text, line.style.value_or(shell::TextStyle{}).points, place.width) && fit;
                }
                for (const shell::Line& line : e.working) {
                    if (line.cells.empty())
                        fit = fits(line.text, e.layout.working.points, e.layout.working.width) && fit;
                    for (const shell::Cell& cell : line.cells)
                        fit = fits(cell.text, e.layout.working.points, cell.width) && fit;
                }
                for (const std::string& line : e.answer)
                    fit = fits(line, 27.75, 9480) && fit;
                for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
                    if (!e.figure)
                        break;
                    for (const shell::Mark& mark : e.figure(state, tahoma).marks) {
                        if (const auto* text = std::get_if<shell::TextMark>(&mark))
                            fit = fits(text->text, text->font.points, text->rect.width + 0.5) && fit;
                    }
                }
            }
        }
    }
};

} // namespace testing_support
