#include "screeninvariants.h"

#include "angles/anglesscreen.h"
#include "angles/parallellines.h"
#include "beattheclock/beattheclockscreen.h"
#include "shell/activityscreen.h"
#include "shell/core/topictable.h"
#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/standardscreen.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/screens.h"
#include "shell/topicmenu.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace reliability {
namespace {

// Shown when its window is: every container up to the window is shown.
bool shows(const QWidget* widget)
{
    return widget->isVisibleTo(widget->window());
}

// A screen laid out from its questions: the instruction and every question line show; the
// Answer frame, with every answer line, and the working panel show together once solved.
std::string checkStandardScreen(const shell::StandardActivityScreen& s)
{
    const shell::Exercise& e = s.exercise();
    if (!shows(s.instruction) || s.instruction->caption().trimmed().isEmpty())
        return "the instruction is hidden or empty";
    const bool solved = shows(s.Frame1);
    for (std::size_t k = 0; k < s.question.size(); ++k) {
        if (shows(s.question[k]) != (k < e.question.size()))
            return "a question line shows when it should not, or not when it should";
    }
    if (solved && !std::all_of(s.answer.begin(), s.answer.begin() + std::ssize(e.answer), shows))
        return "an answer line is hidden";
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
    if (shows(s.item) != inRound || (inRound && s.item->caption().trimmed().isEmpty()))
        return "the item shows when no round runs, or not (or empty) while one does";
    const bool marking = s.state() == State::Marking;
    for (int i = 0; i < static_cast<int>(s.answer.size()); ++i) {
        if (shows(s.mark[static_cast<std::size_t>(i)]) != marking)
            return "a marking line shows outside marking, or not while marking";
        if (shows(s.answer[static_cast<std::size_t>(i)]) != (marking && i < s.answersShown()))
            return "answer " + std::to_string(i + 1) + " shows out of turn";
    }
    return {};
}

// The promises of the parallel lines that no scripted walk reaches: the question is built on a
// timer tick, its controls hidden until then, and a solution revealed at any moment is the one of
// the captions on show (a press before the first tick once showed "b = -819°").
std::string checkParallelScreen(const angles::AnglesScreen& s)
{
    const bool waiting = s.Timer1->isEnabled();
    std::array<std::string, angles::kAngleCount> captions;
    for (int i = 0; i < angles::kAngleCount; ++i) {
        captions[static_cast<std::size_t>(i)] = s.Label7[i]->caption().toStdString();
        if (shows(s.Label7[i]) == waiting)
            return "an angle label shows while the next question is on its way, or hides after";
    }
    const auto solved = angles::solveParallelLines(captions);
    if (shows(s.Frame1) && (!solved || s.Label6->caption().toStdString() != solved->firstLine ||
                            s.Label9->caption().toStdString() != solved->secondLine))
        return "the solution on show is not the question's";
    return {};
}

const QString kMainMenu = shell::MainMenu::kName;
const QString kLinks = shell::LinksScreen::kName;

} // namespace

std::string checkActivity(const shell::Screen& screen)
{
    const auto* activity = qobject_cast<const shell::ActivityScreen*>(&screen);
    if (!activity)
        return {};
    if (!shows(activity->cmdexit))
        return "the exit button is hidden";
    // Every activity keeps exactly one of its mode buttons chosen (options inside a frame of the
    // screen, such as Beat the Clock's seconds, are a choice of their own).
    const auto modes = activity->findChildren<shell::OptionButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (!modes.isEmpty() && std::ranges::count_if(modes, &shell::OptionButton::isChecked) != 1)
        return "not exactly one mode is chosen";
    const auto* angles = qobject_cast<const angles::AnglesScreen*>(&screen);
    if (const auto* s = qobject_cast<const shell::StandardActivityScreen*>(&screen))
        return checkStandardScreen(*s);
    if (const auto* s = qobject_cast<const beattheclock::BeatTheClockScreen*>(&screen))
        return checkBeatTheClockScreen(*s);
    return angles && angles->topic() == angles::AnglesTopic::ParallelLines ? checkParallelScreen(*angles)
                                                                           : "";
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
    const auto isTopicMenu = [&](const QString& name) {
        return qobject_cast<shell::TopicMenu*>(screens.find(name));
    };
    if (front == kLinks && opener != kMainMenu && !isTopicMenu(opener))
        return "the links screen was opened from " + opener.toStdString();
    // What may stand behind the front screen, shown: the menu it was opened from.
    const QString behind = front == kLinks ? opener : menuOf(front);
    if (behind.isEmpty() && front != shell::TitleScreen::kName && front != kMainMenu && !isTopicMenu(front))
        return "the screen in front, \"" + front.toStdString() + "\", is none the flows lead to";
    QStringList expected{front};
    if (!behind.isEmpty())
        expected << behind;
    QStringList shown;
    for (const QString& name : screens.loadedNames()) {
        // A topic menu creates the main menu without showing it, to borrow its picture.
        if (screens.find(name)->isVisible())
            shown << name;
        else if (name != kMainMenu || !isTopicMenu(expected.last()))
            return "screen " + name.toStdString() + " is loaded but hidden with " + front.toStdString() +
                   " in front";
    }
    expected.sort();
    shown.sort();
    if (shown != expected)
        return "with " + front.toStdString() + " in front the screens shown are {" +
               shown.join(", ").toStdString() + "}, not {" + expected.join(", ").toStdString() + "}";
    return {};
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
