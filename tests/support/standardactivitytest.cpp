#include "standardactivitytest.h"

#include "shell/standardscreen.h"
#include "shell/toolkit/drawingpainter.h"
#include "shell/toolkit/drawingview.h"
#include "shell/toolkit/units.h"

#include <QFontMetricsF>

#include <variant>

namespace testing_support {
namespace {

QString menuOf(const shell::Activity& activity)
{
    return QStringLiteral("menu%1").arg(activity.menu);
}

QRect stageRect(const shell::TwipRect& twips)
{
    const double px = shell::kTwipsPerPixel;
    return QRectF(twips.left / px, twips.top / px, twips.width / px, twips.height / px).toAlignedRect();
}

// A text too wide for its place, or one that runs into a working line, or an empty text when
// every one fits.
QString tooWide(const shell::StandardActivityScreen& s)
{
    const shell::Exercise& e = s.exercise();
    std::vector<QRect> taken;
    for (std::size_t k = 0; k < e.question.size(); ++k)
        taken.push_back(s.question[k]->geometry());
    taken.push_back(s.Frame1->geometry());
    const shell::FontMeasure measure;
    if (e.figure) {
        for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution})
            taken.push_back(stageRect(e.figure(state, measure).area));
    }
    for (std::size_t i = 0; i < e.working.size(); ++i) {
        for (const QRect& place : taken) {
            if (s.working[i]->geometry().intersects(place))
                return s.working[i]->objectName() + " runs into another text or the figure";
        }
    }

    std::vector<const shell::Label*> labels{s.instruction};
    labels.insert(labels.end(), s.question.begin(), s.question.end());
    labels.insert(labels.end(), s.working.begin(), s.working.end());
    labels.insert(labels.end(), s.answer.begin(), s.answer.end());
    for (const shell::Label* label : labels) {
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->width())
            return label->objectName() + ": " + label->text();
    }
    if (!e.figure)
        return {};
    for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
        for (const shell::Mark& mark : e.figure(state, measure).marks) {
            const auto* text = std::get_if<shell::TextMark>(&mark);
            if (text && measure.measure(text->text, text->font).width > text->rect.width)
                return QStringLiteral("figure: ") + shell::qtext(text->text);
        }
    }
    return {};
}

} // namespace

void StandardActivityTest::walkEveryMode(const shell::Activity& activity)
{
    const QString name = shell::qtext(activity.screen);
    auto& s = openTopic<shell::StandardActivityScreen>(menuOf(activity), activity.position, name);
    EXPECT_EQ(s.windowTitle(), shell::qtext(activity.caption));
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        const QString modeName = shell::qtext(activity.modes[static_cast<std::size_t>(mode)].sheetName);
        SCOPED_TRACE(modeName.toStdString());
        if (mode > 0)
            click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
        ASSERT_EQ(s.mode(), mode);
        const shell::Exercise& e = s.exercise();
        EXPECT_EQ(s.instruction->caption(), shell::qtext(e.instruction));
        for (std::size_t k = 0; k < s.question.size(); ++k) {
            EXPECT_EQ(s.question[k]->isVisible(), k < e.question.size());
            if (k < e.question.size()) {
                EXPECT_EQ(s.question[k]->caption(), shell::qtext(e.question[k].text));
            }
        }
        EXPECT_FALSE(s.Frame1->isVisible());
        EXPECT_FALSE(s.working[0]->isVisible());
        EXPECT_EQ(s.figure->drawing().marks.empty(), !e.figure);
        screenshot(s, name + "-" + modeName + "-question.png");

        click(s.cmdsoln);
        EXPECT_TRUE(s.Frame1->isVisible());
        for (std::size_t i = 0; i < s.working.size(); ++i)
            EXPECT_EQ(s.working[i]->isVisible(), i < e.working.size());
        for (std::size_t i = 0; i < e.answer.size(); ++i)
            EXPECT_EQ(s.answer[i]->caption(), shell::qtext(e.answer[i]));
        screenshot(s, name + "-" + modeName + "-solution.png");

        click(s.cmdgo);
        EXPECT_FALSE(s.Frame1->isVisible()) << "the next question hides the solution";
        EXPECT_FALSE(s.working[0]->isVisible());
    }
    click(s.cmdexit);
    settle();
    EXPECT_EQ(shownScreens(), QStringList{menuOf(activity)});
}

void StandardActivityTest::expectEveryTextFits(const shell::Activity& activity, int count)
{
    auto& s = openTopic<shell::StandardActivityScreen>(menuOf(activity), activity.position,
                                                       shell::qtext(activity.screen));
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
        for (int i = 0; i < count; ++i) {
            const QString wide = tooWide(s);
            if (!wide.isEmpty()) {
                ADD_FAILURE() << "mode " << mode << ": " << wide.toStdString();
                return;
            }
            click(s.cmdgo);
        }
    }
}

} // namespace testing_support
