#include "screeninvariants.h"

#include "angles/anglesscreen.h"
#include "angles/parallellines.h"
#include "angles/polygon.h"
#include "beattheclock/beattheclockscreen.h"
#include "estimation/estimationscreen.h"
#include "mappings/mappingsscreen.h"
#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/standardscreen.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/screens.h"
#include "shell/topicscreen.h"
#include "shell/core/topictable.h"
#include "units/unitsscreen.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <initializer_list>

namespace reliability {
namespace {

std::string text(const shell::Label* label)
{
    return label->caption().toStdString();
}

// Shown when its window is: every container up to the window is shown.
bool shows(const QWidget* widget)
{
    return widget->isVisibleTo(widget->window());
}

// The mode the chosen option button stands for, 1 for the first; 0 unless exactly one is chosen.
int chosenMode(std::initializer_list<const shell::OptionButton*> options)
{
    int mode = 0;
    int chosen = 0;
    int index = 0;
    for (const shell::OptionButton* option : options) {
        ++index;
        if (option->isChecked()) {
            mode = index;
            ++chosen;
        }
    }
    return chosen == 1 ? mode : 0;
}

std::string questionShown(const shell::Label* label, const char* what)
{
    if (!shows(label))
        return std::string(what) + " is hidden";
    if (label->caption().trimmed().isEmpty())
        return std::string(what) + " is empty";
    return {};
}

// The first failing check's problem, or empty.
std::string firstOf(std::initializer_list<std::string> problems)
{
    for (const std::string& problem : problems) {
        if (!problem.empty())
            return problem;
    }
    return {};
}

std::string checkEstimationScreen(const estimation::EstimationScreen& s)
{
    if (chosenMode({s.Option1, s.Option2, s.Option3, s.Option4}) == 0)
        return "not exactly one mode is chosen";
    const bool estimate = text(s.Label1).starts_with("Estimate");
    if (shows(s.Frame1) && (!shows(s.Label3) || shows(s.Label4) != estimate))
        return "the answer frame shows without its answer, or a result line out of place";
    return firstOf({questionShown(s.Label1, "the instruction"), questionShown(s.Label2, "the question")});
}

std::string checkMappingsScreen(const mappings::MappingsScreen& s)
{
    const int mode = chosenMode({s.Option1, s.Option2, s.Option3});
    if (mode == 0)
        return "not exactly one mode is chosen";
    int domainShown = 0;
    int rangeShown = 0;
    for (int i = 0; i < 5; ++i) {
        domainShown += shows(s.Label4[i]) && !s.Label4[i]->caption().isEmpty() ? 1 : 0;
        rangeShown += shows(s.Label5[i]) && !s.Label5[i]->caption().isEmpty() ? 1 : 0;
    }
    if (domainShown % 5 != 0 || rangeShown % 5 != 0 || domainShown + rangeShown == 0)
        return "a column is partly shown, or neither shows";
    if ((mode == 1 && domainShown == 0) || (mode == 2 && rangeShown == 0))
        return "the column the mode shows is hidden";
    return questionShown(s.Label3, "the rule");
}

std::string checkUnitsScreen(const units::UnitsScreen& s)
{
    const int mode = chosenMode({s.Option1, s.Option2, s.Option3, s.Option4});
    if (mode == 0)
        return "not exactly one mode is chosen";
    const bool solved = shows(s.Frame1);
    const bool imperial = shows(s.Frame2);
    const bool approximate = shows(s.Frame3);
    if (solved ? imperial || approximate : imperial != (mode == 2) || approximate != (mode == 4))
        return "the reference frame does not match the mode and the answer";
    return firstOf({questionShown(s.Label2, "the question"), solved ? questionShown(s.Label4, "the answer") : ""});
}

std::string checkParallelScreen(const angles::AnglesScreen& s)
{
    for (const shell::Label* polygonLabel : {s.Label2, s.Label3, s.Label4, s.Label5, s.Label8}) {
        if (shows(polygonLabel))
            return "a polygon label shows on the parallel lines";
    }
    // The question is built on a timer tick; until then its controls stay hidden.
    const bool waiting = s.Timer1->isEnabled();
    std::array<std::string, angles::kAngleCount> captions;
    for (int i = 0; i < 8; ++i) {
        captions[static_cast<std::size_t>(i)] = text(s.Label7[i]);
        if (shows(s.Label7[i]) == waiting)
            return "an angle label shows while the next question is on its way, or hides after";
    }
    if (waiting)
        return shows(s.Label1) ? "the question shows while the next one is on its way" : "";
    for (const shell::LineControl* line : {s.Line1, s.Line2, s.Line3, s.Line4, s.Line5, s.Line6, s.Line7}) {
        if (!shows(line))
            return "a line of the figure is hidden";
    }
    // A revealed solution is the solution of the captions on show.
    const auto solved = angles::solveParallelLines(captions);
    if (shows(s.Frame1) && (!solved || text(s.Label6) != solved->firstLine || text(s.Label9) != solved->secondLine))
        return "the solution on show is not the question's";
    return questionShown(s.Label1, "the question");
}

std::string checkPolygonsScreen(const angles::AnglesScreen& s)
{
    const int kind = chosenMode({s.Option1, s.Option2});
    if (kind == 0)
        return "not exactly one kind is chosen";
    for (int i = 0; i < 8; ++i) {
        if (shows(s.Label7[i]))
            return "an angle label of the parallel lines shows";
    }
    // The figure on show is the polygon's, for the kind and whether the solution shows.
    const shell::Figure& figure = s.drawing();
    const int sides = static_cast<int>(std::count_if(figure.begin(), figure.end(), [](const shell::Segment& line) {
        return line.colour == shell::colour::yellow;
    }));
    if (sides < angles::kFewestSides || sides > angles::kMostSides)
        return "the figure has no polygon";
    const angles::Polygon polygon = angles::makePolygon(sides);
    const bool solved = shows(s.Frame1);
    if (figure != (kind == 1 ? angles::trianglesQuestionFigure(polygon)
                   : solved  ? angles::centreAngleSolutionFigure(polygon)
                             : angles::centreAngleQuestionFigure(polygon)))
        return "the figure is not the polygon's for the kind and the solution";
    if (kind == 1 ? shows(s.Label8) != (solved && sides > 3)
                  : shows(s.Label2) == solved || shows(s.Label3) != solved || shows(s.Label4) != solved ||
                        shows(s.Label5) != solved)
        return "the labels do not match the kind and whether the solution shows";
    if (solved && text(s.Label6) != (kind == 1 ? angles::trianglesSolution(sides).text : angles::centreAngleSolution(sides)))
        return "the solution on show is not the polygon's";
    return questionShown(s.Label1, "the question");
}

// A screen laid out from its questions: the instruction and every question line show; the
// Answer frame, with every answer line, and the working panel show together once solved.
std::string checkStandardScreen(const shell::StandardActivityScreen& s)
{
    const shell::Exercise& e = s.exercise();
    if (auto problem = questionShown(s.instruction, "the instruction"); !problem.empty())
        return problem;
    const bool solved = shows(s.Frame1);
    for (std::size_t k = 0; k < s.question.size(); ++k) {
        if (shows(s.question[k]) != (k < e.question.size()))
            return "a question line shows when it should not, or not when it should";
    }
    for (std::size_t i = 0; i < e.answer.size(); ++i) {
        if (solved && !shows(s.answer[i]))
            return "an answer line is hidden";
    }
    for (std::size_t i = 0; i < s.working.size(); ++i) {
        if (shows(s.working[i]) != (solved && e.layout.workingShown && i < e.working.size()))
            return "a working line shows when it should not, or not when it should";
    }
    return {};
}

// Beat the Clock: the item shows only while a round runs or pauses, and while marking the
// answers shown so far, in order, and no others.
std::string checkBeatTheClockScreen(const beattheclock::BeatTheClockScreen& s)
{
    using State = beattheclock::BeatTheClockScreen::State;
    const bool inRound = s.state() == State::Running || s.state() == State::Paused;
    if (shows(s.item) != inRound)
        return "the item shows when no round runs, or not while one does";
    if (inRound && s.item->caption().trimmed().isEmpty())
        return "the item is empty";
    const bool marking = s.state() == State::Marking;
    for (int i = 0; i < static_cast<int>(s.answer.size()); ++i) {
        if (shows(s.mark[static_cast<std::size_t>(i)]) != marking)
            return "a marking line shows outside marking, or not while marking";
        if (shows(s.answer[static_cast<std::size_t>(i)]) != (marking && i < s.answersShown()))
            return "answer " + std::to_string(i + 1) + " shows out of turn";
    }
    return {};
}

std::string checkTopicScreen(const shell::TopicScreen& s)
{
    for (const auto& problem :
         {questionShown(s.Label1, "the topic"), questionShown(s.Label2, "what it covers"),
          questionShown(s.Label3, "the notice")}) {
        if (!problem.empty())
            return problem;
    }
    if (shows(s.cmdgo) || shows(s.cmdsoln))
        return "a topic without exercises offers a question or a solution";
    return {};
}

const QString kTitle = shell::TitleScreen::kName;
const QString kMainMenu = shell::MainMenu::kName;
const QString kLinks = shell::LinksScreen::kName;

bool isTopicMenu(const QString& name)
{
    return name.size() == 5 && name.startsWith(QLatin1String("menu")) && name[4] >= QLatin1Char('1') &&
           name[4] <= QLatin1Char('5');
}

QString describe(const QStringList& names)
{
    return QLatin1Char('{') + names.join(QLatin1String(", ")) + QLatin1Char('}');
}

} // namespace

std::string checkActivity(const shell::Screen& screen)
{
    const auto* activity = qobject_cast<const shell::ActivityScreen*>(&screen);
    if (!activity)
        return {};
    if (!shows(activity->cmdexit))
        return "the exit button is hidden";
    if (const auto* s = qobject_cast<const estimation::EstimationScreen*>(&screen))
        return checkEstimationScreen(*s);
    if (const auto* s = qobject_cast<const mappings::MappingsScreen*>(&screen))
        return checkMappingsScreen(*s);
    if (const auto* s = qobject_cast<const units::UnitsScreen*>(&screen))
        return checkUnitsScreen(*s);
    if (const auto* s = qobject_cast<const angles::AnglesScreen*>(&screen))
        return s->topic() == angles::AnglesTopic::Polygons ? checkPolygonsScreen(*s)
                                                           : checkParallelScreen(*s);
    if (const auto* s = qobject_cast<const shell::StandardActivityScreen*>(&screen))
        return checkStandardScreen(*s);
    if (const auto* s = qobject_cast<const beattheclock::BeatTheClockScreen*>(&screen))
        return checkBeatTheClockScreen(*s);
    if (const auto* s = qobject_cast<const shell::TopicScreen*>(&screen))
        return checkTopicScreen(*s);
    return "an activity screen of an unknown kind";
}

QString menuOf(const QString& screen)
{
    const auto menu = shell::menuOfScreen(screen.toStdString());
    return menu ? QStringLiteral("menu%1").arg(*menu) : QString();
}

QMap<QString, int> liveScreens()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QMap<QString, int> live;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<shell::Screen*>(widget))
            ++live[screen->name()];
    }
    return live;
}

std::string checkFlowState(const shell::Screens& screens, const QString& front, const QString& opener)
{
    QStringList shown;
    QStringList hidden;
    for (const QString& name : screens.loadedNames())
        (screens.find(name)->isVisible() ? shown : hidden) << name;

    // What may stand behind the front screen, shown, and what may be loaded but hidden.
    QStringList behind;
    QStringList mayHide;
    QString base = front;
    if (front == kLinks) {
        if (opener != kMainMenu && !isTopicMenu(opener))
            return "the links screen was opened from " + opener.toStdString();
        behind << opener;
        base = opener;
    } else if (!menuOf(front).isEmpty()) {
        behind << menuOf(front);
        base = menuOf(front);
    } else if (front != kTitle && front != kMainMenu && !isTopicMenu(front)) {
        return "the screen in front, \"" + front.toStdString() + "\", is none the flows lead to";
    }
    // A topic menu creates the main menu without showing it, to borrow its picture.
    if (isTopicMenu(base))
        mayHide << kMainMenu;

    QStringList expected = QStringList{front} + behind;
    expected.sort();
    shown.sort();
    if (shown != expected)
        return "with " + front.toStdString() + " in front the screens shown are " +
               describe(shown).toStdString() + ", not " + describe(expected).toStdString();
    for (const QString& name : hidden) {
        if (!mayHide.contains(name))
            return "screen " + name.toStdString() + " is loaded but hidden with " + front.toStdString() +
                   " in front";
    }
    return {};
}

FrontTracker::FrontTracker()
{
    qApp->installEventFilter(this);
}

FrontTracker::~FrontTracker()
{
    qApp->removeEventFilter(this);
}

QString FrontTracker::front() const
{
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it) {
        if (*it && (*it)->isVisible())
            return (*it)->name();
    }
    return {};
}

bool FrontTracker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::ZOrderChange)
        return false;
    auto* screen = qobject_cast<shell::Screen*>(watched);
    if (!screen || !screen->isWindow())
        return false;
    std::erase_if(m_order, [screen](const QPointer<shell::Screen>& s) { return s.isNull() || s == screen; });
    m_order.emplace_back(screen);
    return false;
}

} // namespace reliability
