#include "standardactivitytest.h"

#include "shell/toolkit/controls.h"
#include "shell/toolkit/units.h"

#include <QTextDocument>

namespace testing_support {
namespace {

using shell::qtext;

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
        ASSERT_EQ(static_cast<std::size_t>(cells.size()), e.working[i].cells.size())
            << "working line " << i + 1;
    }
}

} // namespace

shell::StandardActivityScreen& StandardActivityTest::open(const shell::Activity& activity)
{
    auto& s = openTopic<shell::StandardActivityScreen>(QStringLiteral("menu%1").arg(activity.menu),
                                                       activity.position, qtext(activity.screen));
    EXPECT_EQ(s.windowTitle(), qtext(activity.caption));
    return s;
}

void StandardActivityTest::walkEveryMode(const shell::Activity& activity)
{
    shell::StandardActivityScreen& s = open(activity);
    EXPECT_EQ(s.mode(), 0);
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        const std::string_view modeName = activity.modes[static_cast<std::size_t>(mode)].sheetName;
        SCOPED_TRACE(std::string(modeName));
        click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
        ASSERT_EQ(s.mode(), mode);
        // A question's kind is its mode's, or in Mixed one of the others.
        const std::string kind = shell::Json(s.exercise().fields)["data"]["kind"].text();
        EXPECT_TRUE(modeName == "mixed" ? kind != modeName : kind == modeName) << kind;
        expectShowsQuestion(s);
        const QString name = qtext(activity.screen) + "-" + qtext(modeName);
        screenshot(s, name + "-question.png");

        click(s.cmdsoln);
        expectShowsSolution(s);
        screenshot(s, name + "-solution.png");

        click(s.cmdgo);
        expectShowsQuestion(s);
    }
}

QStringList StandardActivityTest::textsWiderThanTheirLabels(const shell::Activity& activity, int count)
{
    shell::StandardActivityScreen& s = open(activity);
    QStringList wide;
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
        for (int i = 0; i < count && wide.size() < 10; ++i) {
            click(s.cmdgo);
            for (const shell::Label* label : s.findChildren<shell::Label*>()) {
                if (!label->text().isEmpty() && textWidth(*label) > label->width())
                    wide << label->objectName() + ": " + label->accessibleName();
            }
        }
    }
    return wide;
}

} // namespace testing_support
