#include "standardactivity.h"

#include "shell/toolkit/drawingpainter.h"
#include "shell/toolkit/drawingview.h"

#include <algorithm>
#include <variant>

namespace testing_support {
namespace {

constexpr double kLinesWidth = 9720;       // twips: the standard question and working lines
constexpr double kAnswerWidth = 9480;      // inside the Answer frame
constexpr double kQuestionHeight = 870;

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

// Subscripts and superscripts the screen draws as smaller plain text; measuring the Unicode
// characters instead is close enough and errs wide.
double widthOf(const std::string& text, const shell::FontStyle& font)
{
    return shell::FontMeasure().measure(text, font).width;
}

// How many lines the text takes broken at blanks to the width, as a wrapping label breaks it.
int wrappedLines(const std::string& text, const shell::FontStyle& font, double width)
{
    int lines = 1;
    std::string line;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t blank = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, blank - at);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && widthOf(longer, font) > width) {
            ++lines;
            line = word;
        } else {
            line = longer;
        }
        at = blank + 1;
    }
    return lines;
}

} // namespace

void StandardActivityTest::walkThroughEveryMode(const shell::Activity& activity, const StateCheck& check)
{
    shell::defineStandardScreen(screens, activity);
    const QString name = shell::qtext(activity.screen);
    auto& s = openTopic<shell::StandardActivityScreen>(QStringLiteral("menu%1").arg(activity.menu),
                                                        activity.position, name);
    EXPECT_EQ(s.windowTitle(), shell::qtext(activity.caption));
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        const std::string modeName(activity.modes[static_cast<std::size_t>(mode)].sheetName);
        SCOPED_TRACE(modeName);
        if (mode > 0)
            click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
        ASSERT_EQ(s.mode(), mode);
        const shell::Exercise& e = s.exercise();
        EXPECT_EQ(s.instruction->caption(), q(e.instruction));
        for (std::size_t k = 0; k < s.question.size(); ++k) {
            EXPECT_EQ(s.question[k]->isVisible(), k < e.question.size());
            if (k < e.question.size()) {
                EXPECT_EQ(s.question[k]->accessibleName(), q(e.question[k].text));
            }
        }
        EXPECT_FALSE(s.Frame1->isVisible());
        EXPECT_FALSE(s.working[0]->isVisible());
        EXPECT_EQ(s.figure->drawing().marks.empty(), !e.figure);
        if (check)
            check(s, false);
        screenshot(s, q(std::string(activity.sheet) + "-" + modeName + "-question.png"));

        click(s.cmdsoln);
        EXPECT_TRUE(s.Frame1->isVisible());
        for (std::size_t i = 0; i < e.answer.size(); ++i)
            EXPECT_EQ(s.answer[i]->accessibleName(), q(e.answer[i]));
        const std::size_t shown = e.layout.workingShown ? e.working.size() : 0;
        for (std::size_t i = 0; i < s.working.size(); ++i)
            EXPECT_EQ(s.working[i]->isVisible(), i < shown);
        if (check)
            check(s, true);
        screenshot(s, q(std::string(activity.sheet) + "-" + modeName + "-solution.png"));

        const std::string before = shell::Json(e.fields).dump();
        click(s.cmdgo);
        EXPECT_FALSE(s.Frame1->isVisible());
        EXPECT_NE(shell::Json(s.exercise().fields).dump(), before) << "Next makes a new question";
    }
}

void StandardActivityTest::checkTextsFit(const shell::Activity& activity, int count)
{
    const shell::FontMeasure measure;
    shell::ClockRandom draws(2026);
    const auto questions = activity.questions();
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        for (int i = 0; i < count; ++i) {
            const shell::Exercise e = questions->make(mode, draws);
            const auto fits = [&](const std::string& text, const shell::FontStyle& font, double width) {
                EXPECT_LE(widthOf(text, font), width) << text << " at " << font.points << " pt";
            };
            fits(e.instruction, {21.75}, kLinesWidth);
            for (const shell::Line& line : e.question) {
                const shell::TextStyle style = line.style.value_or(shell::TextStyle{});
                const shell::TwipRect place = line.place.value_or(shell::TwipRect{240, 0, kLinesWidth, kQuestionHeight});
                const shell::FontStyle font{style.points, style.bold};
                if (!line.wrap) {
                    fits(line.text, font, place.width);
                    continue;
                }
                const int lines = wrappedLines(line.text, font, place.width);
                EXPECT_LE(lines * measure.measure(line.text, font).height, place.height + 1) << line.text;
            }
            for (const std::string& line : e.answer)
                fits(line, {27.75}, kAnswerWidth);
            if (e.layout.workingShown) {
                const shell::Panel& panel = e.layout.working;
                for (const shell::Line& line : e.working) {
                    if (line.cells.empty())
                        fits(line.text, {panel.points}, panel.width);
                    for (const shell::Cell& cell : line.cells)
                        fits(cell.text, {panel.points}, cell.width);
                }
            }
            if (!e.figure)
                continue;
            for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
                for (const shell::Mark& mark : e.figure(state, measure).marks) {
                    if (const auto* text = std::get_if<shell::TextMark>(&mark))
                        fits(text->text, text->font, text->rect.width);
                }
            }
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

} // namespace testing_support
