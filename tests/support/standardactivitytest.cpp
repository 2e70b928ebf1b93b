#include "standardactivitytest.h"

#include "shell/toolkit/controls.h"
#include "shell/toolkit/drawingpainter.h"
#include "shell/toolkit/drawingview.h"
#include "shell/toolkit/units.h"

#include <QTextDocument>

#include <algorithm>
#include <variant>

namespace testing_support {
namespace {

using shell::qtext;

QString menuOf(const shell::Activity& activity)
{
    return QStringLiteral("menu%1").arg(activity.menu);
}

QRect stageRect(const shell::TwipRect& twips)
{
    const double px = shell::kTwipsPerPixel;
    return QRectF(twips.left / px, twips.top / px, twips.width / px, twips.height / px).toAlignedRect();
}

std::size_t marksOf(const shell::Exercise& e, shell::FigureState state)
{
    return e.figure ? e.figure(state, shell::FontMeasure()).marks.size() : 0;
}

// The width of a label's text in pixels, rich text (raised exponents) laid out as the label
// lays it out.
double textWidth(const shell::Label& label)
{
    if (label.textFormat() != Qt::RichText)
        return QFontMetricsF(label.font()).horizontalAdvance(label.text());
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label.font());
    document.setHtml(label.text());
    return document.idealWidth();
}

void expectShowsQuestion(const shell::StandardActivityScreen& s)
{
    const shell::Exercise& e = s.exercise();
    EXPECT_EQ(s.instruction->caption(), qtext(e.instruction));
    for (std::size_t k = 0; k < s.question.size(); ++k) {
        ASSERT_EQ(s.question[k]->isVisible(), k < e.question.size()) << "question line " << k + 1;
        if (k < e.question.size()) {
            EXPECT_EQ(s.question[k]->accessibleName(), qtext(e.question[k].text));
        }
    }
    EXPECT_FALSE(s.Frame1->isVisible());
    for (const shell::Label* line : s.working)
        EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(s.figure->drawing().marks.size(), marksOf(e, shell::FigureState::Question));
}

void expectShowsSolution(const shell::StandardActivityScreen& s)
{
    const shell::Exercise& e = s.exercise();
    EXPECT_TRUE(s.Frame1->isVisible());
    for (std::size_t i = 0; i < s.answer.size(); ++i) {
        ASSERT_EQ(s.answer[i]->isVisible(), i < e.answer.size()) << "answer line " << i + 1;
        if (i < e.answer.size()) {
            EXPECT_EQ(s.answer[i]->accessibleName(), qtext(e.answer[i]));
        }
    }
    for (std::size_t i = 0; i < s.working.size(); ++i) {
        const bool used = i < e.working.size();
        ASSERT_EQ(s.working[i]->isVisible(), used && e.layout.workingShown) << "working line " << i + 1;
        if (!used)
            continue;
        EXPECT_EQ(s.working[i]->accessibleName(), qtext(e.working[i].text));
        const auto cells = s.working[i]->findChildren<shell::Label*>(QString(), Qt::FindDirectChildrenOnly);
        EXPECT_EQ(static_cast<std::size_t>(cells.size()), e.working[i].cells.size()) << "working line " << i + 1;
    }
    EXPECT_EQ(s.figure->drawing().marks.size(), marksOf(e, shell::FigureState::Solution));
}

// A text too wide for its place, or a working line that runs into another text or the figure;
// an empty text when every one fits.
QString tooWide(const shell::StandardActivityScreen& s)
{
    const shell::Exercise& e = s.exercise();
    const shell::FontMeasure measure;
    if (e.layout.workingShown) {
        std::vector<QRect> taken;
        for (std::size_t k = 0; k < e.question.size(); ++k)
            taken.push_back(s.question[k]->geometry());
        taken.push_back(s.Frame1->geometry());
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
    }
    // Working lines count only where the panel shows them.
    const auto hiddenWorking = [&](const shell::Label* label) {
        return !e.layout.workingShown && std::any_of(s.working.begin(), s.working.end(), [label](const shell::Label* line) {
                   return label == line || label->parent() == line;
               });
    };
    for (const shell::Label* label : s.findChildren<shell::Label*>()) {
        if (label->text().isEmpty() || hiddenWorking(label) || textWidth(*label) <= label->width())
            continue;
        // A line that wraps fits when its lines fit its height.
        if (!label->wordWrap() || label->heightForWidth(label->width()) > label->height())
            return label->objectName() + ": " + label->accessibleName();
    }
    if (!e.figure)
        return {};
    for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
        for (const shell::Mark& mark : e.figure(state, measure).marks) {
            const auto* text = std::get_if<shell::TextMark>(&mark);
            if (!text)
                continue;
            // A text turned a quarter runs up its rectangle.
            const double room = text->quarterTurn ? text->rect.height : text->rect.width;
            if (measure.measure(text->text, text->font).width > room + 0.5)
                return QStringLiteral("figure: ") + qtext(text->text);
        }
    }
    return {};
}

} // namespace

shell::StandardActivityScreen& StandardActivityTest::open(const shell::Activity& activity)
{
    auto& s = openTopic<shell::StandardActivityScreen>(menuOf(activity), activity.position, qtext(activity.screen));
    EXPECT_EQ(s.windowTitle(), qtext(activity.caption));
    return s;
}

void StandardActivityTest::walkEveryMode(const shell::Activity& activity, const StateCheck& check)
{
    // Seeded, so that each Next is known to draw a different question.
    seedActivities([] { return 2026; });
    shell::StandardActivityScreen& s = open(activity);
    EXPECT_EQ(s.mode(), 0);
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        const QString modeName = qtext(activity.modes[static_cast<std::size_t>(mode)].sheetName);
        SCOPED_TRACE(modeName.toStdString());
        if (mode > 0)
            click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
        ASSERT_EQ(s.mode(), mode);
        expectShowsQuestion(s);
        if (check)
            check(s, false);
        const QString name = qtext(activity.screen) + "-" + modeName;
        screenshot(s, name + "-question.png");

        const std::string asked = shell::Json(s.exercise().fields).dump();
        click(s.cmdsoln);
        expectShowsSolution(s);
        if (check)
            check(s, true);
        screenshot(s, name + "-solution.png");
        click(s.cmdsoln);
        EXPECT_EQ(shell::Json(s.exercise().fields).dump(), asked) << "a second press changes nothing";
        expectShowsSolution(s);

        click(s.cmdgo);
        EXPECT_NE(shell::Json(s.exercise().fields).dump(), asked) << "Next makes a new question";
        expectShowsQuestion(s);
    }
    click(s.cmdexit);
    settle();
    EXPECT_EQ(shownScreens(), QStringList{menuOf(activity)});
}

void StandardActivityTest::expectEveryTextFits(const shell::Activity& activity, int count)
{
    shell::StandardActivityScreen& s = open(activity);
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
