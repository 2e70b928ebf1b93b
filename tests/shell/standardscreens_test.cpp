// Every activity on the standard frame, through its real widgets: opened from its topic, each
// mode's question and solution states (with an activity's own checks of them), the next question,
// and every text of 2,000 questions per mode fitting its place at design size.
#include "screentest.h"

#include "registry/registry.h"
#include "registry/screens.h"
#include "shell/standardscreen.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/drawingpainter.h"
#include "shell/toolkit/drawingview.h"
#include "shell/toolkit/units.h"

#include <QTextDocument>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <variant>

namespace {

using shell::qtext;
using StateCheck = std::function<void(shell::StandardActivityScreen&, bool solved)>;

// The checks an activity adds to each state, by screen name.
const std::map<std::string_view, StateCheck> kOwnChecks{
    {"hexadecimal",
     [](shell::StandardActivityScreen& s, bool) {
         EXPECT_TRUE(s.question[0]->text().contains(QStringLiteral("<sub>1"))) << "the base drawn lowered";
     }},
    // The decimals are shown without brackets: the screen dots them.
    {"recurringdecimals",
     [](shell::StandardActivityScreen& s, bool solved) {
         const std::string made = solved ? s.exercise().answer[0] : s.exercise().question[0].text;
         EXPECT_EQ((solved ? s.answer[0] : s.question[0])->caption(), qtext(made).remove('(').remove(')'));
     }},
};

QString menuOf(const shell::Activity& activity)
{
    return QStringLiteral("menu%1").arg(activity.menu);
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

// The screen shows the lines given, and hides the rest of its labels for them.
template <std::size_t N>
void expectShows(const std::array<shell::Label*, N>& labels, const std::vector<std::string>& lines,
                 bool shown, const char* what)
{
    for (std::size_t i = 0; i < N; ++i) {
        ASSERT_EQ(labels[i]->isVisible(), shown && i < lines.size()) << what << " line " << i + 1;
        if (i < lines.size()) {
            EXPECT_EQ(labels[i]->accessibleName(), qtext(lines[i])) << what << " line " << i + 1;
        }
    }
}

// The question state, or with `solved` the solution state, of the screen's exercise.
void expectShowsState(const shell::StandardActivityScreen& s, bool solved)
{
    const shell::Exercise& e = s.exercise();
    std::vector<std::string> question, working;
    for (const shell::Line& line : e.question)
        question.push_back(line.text);
    for (const shell::Line& line : e.working)
        working.push_back(line.text);
    EXPECT_EQ(s.instruction->caption(), qtext(e.instruction));
    expectShows(s.question, question, true, "question");
    EXPECT_EQ(s.Frame1->isVisible(), solved);
    expectShows(s.answer, e.answer, solved, "answer");
    expectShows(s.working, working, solved && e.layout.workingShown, "working");
    for (std::size_t i = 0; solved && i < std::min(e.working.size(), s.working.size()); ++i) {
        const auto cells = s.working[i]->findChildren<shell::Label*>(QString(), Qt::FindDirectChildrenOnly);
        EXPECT_EQ(static_cast<std::size_t>(cells.size()), e.working[i].cells.size())
            << "working line " << i + 1;
    }
    const auto state = solved ? shell::FigureState::Solution : shell::FigureState::Question;
    EXPECT_EQ(s.figure->drawing().marks.size(),
              e.figure ? e.figure(state, shell::FontMeasure()).marks.size() : 0);
}

// A text too wide for its place, or a working line that runs into another text or the figure;
// an empty text when every one fits.
QString tooWide(const shell::StandardActivityScreen& s)
{
    const shell::Exercise& e = s.exercise();
    const shell::FontMeasure measure;
    std::vector<shell::Drawing> figures;
    for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
        if (e.figure)
            figures.push_back(e.figure(state, measure));
    }
    if (e.layout.workingShown) {
        std::vector<QRect> taken{s.Frame1->geometry()};
        for (std::size_t k = 0; k < e.question.size(); ++k)
            taken.push_back(s.question[k]->geometry());
        for (const shell::Drawing& figure : figures) {
            const double px = shell::kTwipsPerPixel;
            const shell::TwipRect& a = figure.area;
            taken.push_back(QRectF(a.left / px, a.top / px, a.width / px, a.height / px).toAlignedRect());
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
        return !e.layout.workingShown && std::any_of(s.working.begin(), s.working.end(), [label](auto* line) {
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
    for (const shell::Drawing& figure : figures) {
        for (const shell::Mark& mark : figure.marks) {
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

// The activities whose screen is the standard one.
std::vector<std::string_view> standardActivities()
{
    shell::Screens screens;
    registry::defineActivityScreens(screens);
    std::vector<std::string_view> found;
    for (const shell::Activity* activity : registry::activities()) {
        const std::unique_ptr<shell::Screen> made(screens.factory(qtext(activity->screen))(screens));
        if (qobject_cast<shell::StandardActivityScreen*>(made.get()))
            found.push_back(activity->screen);
    }
    return found;
}

class StandardScreen : public testing_support::ScreenTest,
                       public testing::WithParamInterface<std::string_view> {
protected:
    StandardScreen() { registry::defineActivityScreens(screens); }

    // Opens the activity from its topic on its topic menu.
    shell::StandardActivityScreen& open(const shell::Activity& activity)
    {
        auto& s =
            openTopic<shell::StandardActivityScreen>(menuOf(activity), activity.position, qtext(activity.screen));
        EXPECT_EQ(s.windowTitle(), qtext(activity.caption));
        return s;
    }
};

// In every mode, chosen by its option button: the question state; Solution shows the working, the
// answer and the figure's solution state, and a second press changes nothing; Next makes a new
// question with the solution hidden; Exit goes back to the topic menu. Saves
// "<screen>-<mode>-question.png" and "-solution.png".
TEST_P(StandardScreen, ShowsEachModesQuestionThenItsSolution)
{
    const shell::Activity& activity = *registry::byScreenName(GetParam());
    const auto own = kOwnChecks.find(activity.screen);
    const StateCheck check = own == kOwnChecks.end() ? StateCheck() : own->second;
    // Seeded, so that each Next is known to draw a different question.
    seedActivities([] { return 2026; });
    shell::StandardActivityScreen& s = open(activity);
    EXPECT_EQ(s.mode(), 0);
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        const QString modeName =
            activity.modes.empty() ? QStringLiteral("only")
                                   : qtext(activity.modes[static_cast<std::size_t>(mode)].sheetName);
        SCOPED_TRACE(modeName.toStdString());
        if (mode > 0)
            click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
        ASSERT_EQ(s.mode(), mode);
        expectShowsState(s, false);
        if (check)
            check(s, false);
        const QString name = qtext(activity.screen) + "-" + modeName;
        screenshot(s, name + "-question.png");

        const std::string asked = shell::Json(s.exercise().fields).dump();
        click(s.cmdsoln);
        expectShowsState(s, true);
        if (check)
            check(s, true);
        screenshot(s, name + "-solution.png");
        click(s.cmdsoln);
        EXPECT_EQ(shell::Json(s.exercise().fields).dump(), asked) << "a second press changes nothing";
        expectShowsState(s, true);

        click(s.cmdgo);
        EXPECT_NE(shell::Json(s.exercise().fields).dump(), asked) << "Next makes a new question";
        expectShowsState(s, false);
    }
    click(s.cmdexit);
    settle();
    EXPECT_EQ(shownScreens(), QStringList{menuOf(activity)});
}

// Every text, figure labels included, is no wider than its place, and no working line runs into
// another text or the figure.
TEST_P(StandardScreen, EveryTextFitsItsPlace)
{
    const shell::Activity& activity = *registry::byScreenName(GetParam());
    shell::StandardActivityScreen& s = open(activity);
    for (int mode = 0; mode < activity.modeCount(); ++mode) {
        if (mode > 0)
            click(s.control<QWidget>(QStringLiteral("Option%1").arg(mode + 1)));
        for (int i = 0; i < 2000; ++i) {
            if (const QString wide = tooWide(s); !wide.isEmpty()) {
                ADD_FAILURE() << "mode " << mode << ": " << wide.toStdString();
                return;
            }
            click(s.cmdgo);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryActivity, StandardScreen, testing::ValuesIn(standardActivities()),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
