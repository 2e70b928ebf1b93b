// The click storm: the whole program from its title screen, driven by a seeded stream of real
// mouse and key events (clicks on visible controls and bare background, moves, the lesson keys,
// the parallel lines' tick let through or held back). After every event the screens must form a
// state the flows allow, with the screen the event leads to in front, no screen alive twice and
// each activity screen consistent: its way out, one chosen mode and a solution belonging to its
// question. CHALKFACE_STORM_SEED and CHALKFACE_STORM_EVENTS replay a run.
#include "screeninvariants.h"
#include "screentest.h"

#include "allscreens.h"
#include "angles/anglesscreen.h"
#include "angles/parallellines.h"
#include "beattheclock/beattheclockscreen.h"
#include "shell/activityscreen.h"
#include "shell/core/topictable.h"
#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/standardscreen.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/screens.h"
#include "shell/topicmenu.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <random>

namespace {

using namespace reliability;

constexpr std::uint64_t kDefaultSeed = 20261206;
constexpr long kDefaultEvents = 20000;

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

// Empty when the activity screen shows what it must after any sequence of events.
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

// The topic menu that lists the topic opening this screen, or an empty name.
QString menuOf(const QString& screen)
{
    const auto menu = shell::menuOfScreen(screen.toStdString());
    return menu ? QStringLiteral("menu%1").arg(*menu) : QString();
}

// Empty when the loaded screens form a state the flows allow with `front` in front. `opener` is
// the screen the links screen was opened from, when it is in front.
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

// Follows the stacking order of the top-level screens as they are shown and raised, as a window
// manager would: the front screen is the visible one shown or raised last.
class FrontTracker : public QObject {
public:
    FrontTracker() { qApp->installEventFilter(this); }
    ~FrontTracker() override { qApp->removeEventFilter(this); }

    // The name of the visible screen in front, or an empty name when none is visible.
    QString front() const
    {
        const auto shown =
            std::find_if(m_order.rbegin(), m_order.rend(), [](const auto& s) { return s && s->isVisible(); });
        return shown == m_order.rend() ? QString() : (*shown)->name();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* screen = qobject_cast<shell::Screen*>(watched);
        if ((event->type() == QEvent::Show || event->type() == QEvent::ZOrderChange) && screen &&
            screen->isWindow()) {
            std::erase_if(m_order,
                          [screen](const QPointer<shell::Screen>& s) { return s.isNull() || s == screen; });
            m_order.emplace_back(screen);
        }
        return false;
    }

private:
    std::vector<QPointer<shell::Screen>> m_order; // bottom to top
};

// The screen a click (or a press of a focused button) on this control leads to, by the flows;
// `front` when it navigates nowhere, and an empty name when it ends the program.
QString destination(QWidget* control, const QString& front, const QString& opener)
{
    const QString name = control->objectName();
    QWidget* window = control->window();
    if (qobject_cast<shell::TitleScreen*>(window))
        return name == QLatin1String("Command1")   ? shell::MainMenu::kName
               : name == QLatin1String("Command2") ? QString()
                                                   : front;
    if (auto* menu = qobject_cast<shell::MenuScreen*>(window)) {
        static const QRegularExpression element(QStringLiteral("^Label([23])\\((\\d)\\)$"));
        const auto match = element.match(name);
        auto* topicMenu = qobject_cast<shell::TopicMenu*>(menu);
        if (match.hasMatch() && match.captured(1) == QLatin1String("2")) {
            const int entry = match.captured(2).toInt();
            return entry == shell::MenuScreen::kLinksEntry ? shell::LinksScreen::kName
                                                           : QStringLiteral("menu%1").arg(entry + 1);
        }
        if (match.hasMatch() && topicMenu) {
            const auto& row = shell::kTopicMenus[static_cast<std::size_t>(topicMenu->number() - 1)];
            const std::string_view screen =
                row.topics[static_cast<std::size_t>(match.captured(2).toInt())].screen;
            return QString::fromUtf8(screen.data(), static_cast<qsizetype>(screen.size()));
        }
        return name == QLatin1String("Command1")
                   ? (topicMenu ? shell::MainMenu::kName : shell::TitleScreen::kName)
                   : front;
    }
    if (auto* activity = qobject_cast<shell::ActivityScreen*>(window))
        return control == activity->cmdexit ? menuOf(front) : front;
    if (qobject_cast<shell::LinksScreen*>(window) && name == QLatin1String("Command1"))
        return opener;
    return front;
}

class ClickStorm : public testing_support::ScreenTest {
protected:
    ClickStorm()
        : m_seed(qEnvironmentVariable("CHALKFACE_STORM_SEED", QString::number(kDefaultSeed)).toULongLong())
        , m_events(qEnvironmentVariable("CHALKFACE_STORM_EVENTS", QString::number(kDefaultEvents)).toLong())
        , m_draws(m_seed)
    {
        defineAllScreens(screens);
        // Every activity screen draws from a source seeded by the storm, so a run replays.
        seedActivities([this] { return m_seed * 7919 + ++m_created; });
        m_previousHandler = qInstallMessageHandler(quietTestMessages);
    }

    ~ClickStorm() override { qInstallMessageHandler(m_previousHandler); }

    // QTest warns when a control lets a click or key pass, as bare frames and pictures do.
    static void quietTestMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (m_previousHandler && !message.contains(QLatin1String("not accepted by receiving widget")))
            m_previousHandler(type, context, message);
    }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_draws); }

    // A point of a visible control of the window (a label only, when asked), drawn at random in
    // the window's coordinates. The lessons' next and solution buttons and their mode options
    // weigh more, and so does the way out of the links screen, so the storm spends its events in
    // lessons rather than among the links' many labels.
    QPoint pointOnAControl(QWidget* window, bool labelsOnly)
    {
        QList<QWidget*> controls;
        std::vector<int> weights;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool option = qobject_cast<shell::OptionButton*>(w);
            const bool control =
                qobject_cast<shell::Label*>(w) ||
                (!labelsOnly && (option || qobject_cast<shell::CommandButton*>(w) ||
                                 qobject_cast<shell::PictureBox*>(w) || qobject_cast<shell::Frame*>(w)));
            if (!control || !w->isVisible() || w->rect().isEmpty())
                continue;
            const QString name = w->objectName();
            const bool leaveLinks =
                qobject_cast<shell::LinksScreen*>(window) && name == QLatin1String("Command1");
            controls << w;
            weights.push_back(name == QLatin1String("cmdgo") || name == QLatin1String("cmdsoln") || leaveLinks
                                  ? 4
                              : option ? 3
                                       : 1);
        }
        QWidget* control = window;
        if (!controls.isEmpty())
            control = controls[std::discrete_distribution<int>(weights.begin(), weights.end())(m_draws)];
        const QRect r = control->rect();
        return control->mapTo(window, QPoint(uniform(r.left(), r.right()), uniform(r.top(), r.bottom())));
    }

    // Performs one event on the front window; returns the screen it leads to.
    QString perform(QWidget* window, const QString& front)
    {
        static const Qt::Key keys[] = {Qt::Key_B,      Qt::Key_Period, Qt::Key_PageDown, Qt::Key_Down,
                                       Qt::Key_Right,  Qt::Key_Space,  Qt::Key_Return,   Qt::Key_Enter,
                                       Qt::Key_PageUp, Qt::Key_Up,     Qt::Key_Left,     Qt::Key_Escape,
                                       Qt::Key_F5,     Qt::Key_Tab,    Qt::Key_A,        Qt::Key_Backspace,
                                       Qt::Key_2};
        QString expected = front;
        const int roll = uniform(0, 99);
        if (roll < 82) {
            // Clicks on a control or anywhere; moves over a label or the bare background.
            const bool click = roll < 55;
            QPoint at;
            if (roll < 50 || (roll >= 55 && roll < 70)) {
                at = pointOnAControl(window, !click);
            } else {
                for (int attempt = 0; attempt < 20; ++attempt) {
                    at = QPoint(uniform(0, window->width() - 1), uniform(0, window->height() - 1));
                    if (click || !window->childAt(at))
                        break;
                }
            }
            QWidget* receiver = window->childAt(at) ? window->childAt(at) : window;
            const QPoint local = receiver->mapFrom(window, at);
            if (click) {
                expected = destination(receiver, front, m_opener);
                QTest::mouseClick(receiver, Qt::LeftButton, {}, local);
            } else {
                QMouseEvent move(QEvent::MouseMove, local, window->mapToGlobal(at), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(receiver, &move);
            }
            return expected;
        }
        const Qt::Key key = keys[uniform(0, int(std::size(keys)) - 1)];
        QWidget* receiver = window->focusWidget() ? window->focusWidget() : window;
        // A focused button or menu entry takes Space and Enter as a click; an activity screen
        // takes them first. Escape and Backspace leave as the exit button does, but Escape, which
        // a presenter remote sends, leaves no lesson.
        const bool lesson = qobject_cast<shell::ActivityScreen*>(window);
        const bool presses = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
        auto* entry = qobject_cast<shell::Label*>(receiver);
        if (presses && !lesson &&
            (qobject_cast<shell::CommandButton*>(receiver) || (entry && entry->isClickable())))
            expected = destination(receiver, front, m_opener);
        QAbstractButton* exit = qobject_cast<shell::Screen*>(window)->exitButton();
        if ((key == Qt::Key_Backspace || (key == Qt::Key_Escape && !lesson)) && exit && exit->isVisible())
            expected = destination(exit, front, m_opener);
        QTest::keyClick(receiver, key);
        return expected;
    }

    bool tickPending() const
    {
        return std::ranges::any_of(screens.loadedNames(), [&](const QString& name) {
            auto* angles = qobject_cast<angles::AnglesScreen*>(screens.find(name));
            return angles && angles->Timer1->isEnabled();
        });
    }

    // Everything that must hold after an event; empty when it does.
    std::string check(const QString& front, const QString& expected)
    {
        if (!fatalMessages.isEmpty())
            return "a fatal error was reported: " + fatalMessages.join(QLatin1Char('\n')).toStdString();
        const QMap<QString, int> live = liveScreens();
        if (QStringList(live.keys()) != screens.loadedNames() || std::ranges::count(live, 1) != live.size())
            return "the live screens are not the loaded ones, each once";
        if (front != expected)
            return "in front is \"" + front.toStdString() + "\" where the flows lead to \"" +
                   expected.toStdString() + "\"";
        if (front.isEmpty())
            return screens.loadedNames().isEmpty() ? std::string() : "the program ended with screens loaded";
        if (auto problem = checkFlowState(screens, front, m_opener); !problem.empty())
            return problem;
        for (const QString& name : screens.loadedNames()) {
            if (auto problem = checkActivity(*screens.find(name)); !problem.empty())
                return name.toStdString() + ": " + problem;
        }
        return {};
    }

    const std::uint64_t m_seed;
    const long m_events;
    std::mt19937_64 m_draws;
    std::uint64_t m_created = 0;
    QString m_opener; // where the links screen in front was opened from
    static inline QtMessageHandler m_previousHandler = nullptr;
};

TEST_F(ClickStorm, EveryEventLeavesTheProgramInAStateItsFlowsAllow)
{
    FrontTracker tracker;
    ASSERT_TRUE(shell::runGuarded([&] { screens.show(shell::TitleScreen::kName); }));
    QString front = tracker.front();
    ASSERT_EQ(front, shell::TitleScreen::kName);

    QMap<QString, long> visits;
    long programEnds = 0;
    for (long event = 1; event <= m_events; ++event) {
        QWidget* window = screens.find(front);
        const QString expected = perform(window, front);
        // Between some events the event loop runs, long enough for a pending 1 ms tick to come;
        // between others it does not.
        if (uniform(0, 1) == 0) {
            if (tickPending())
                QThread::usleep(1200);
            QCoreApplication::processEvents();
        }
        const QString previous = front;
        front = tracker.front();
        if (front == shell::LinksScreen::kName && previous != front)
            m_opener = previous;

        if (const std::string problem = check(front, expected); !problem.empty())
            FAIL() << "seed " << m_seed << ", event " << event << ": " << problem
                   << "\nreplay with CHALKFACE_STORM_SEED=" << m_seed << " CHALKFACE_STORM_EVENTS=" << event;
        if (front.isEmpty()) {
            // "Exit" ended the program: start it again as its main does.
            ++programEnds;
            ASSERT_TRUE(shell::runGuarded([&] { screens.show(shell::TitleScreen::kName); }));
            front = tracker.front();
            ASSERT_EQ(front, shell::TitleScreen::kName);
        }
        ++visits[front];
    }

    if (m_events >= kDefaultEvents) {
        for (const QString& name : testing_support::everyScreenName())
            EXPECT_GT(visits.value(name), 0) << name.toStdString() << " was never in front";
        EXPECT_GT(programEnds, 0);
    }
}

// Found by the click storm: the solution pressed before the first question's tick showed the
// design captions solved as a given angle of 999 degrees ("b = -819°").
TEST_F(ClickStorm, ParallelLinesSolutionWaitsForTheFirstQuestion)
{
    auto& s = screenAs<angles::AnglesScreen>(QStringLiteral("parallel"));
    screens.show(s.name());
    ASSERT_TRUE(s.Timer1->isEnabled());
    for (const bool next : {false, true}) {
        SCOPED_TRACE(next ? "next then solution" : "solution");
        if (next)
            click(s.cmdgo);
        click(s.cmdsoln);
        QTest::keyClick(&s, Qt::Key_PageDown);
        EXPECT_FALSE(s.Frame1->isVisible());
        EXPECT_EQ(checkActivity(s), "");
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.Timer1->isEnabled(); }));
    click(s.cmdsoln);
    EXPECT_TRUE(s.Frame1->isVisible());
    EXPECT_EQ(checkActivity(s), "");
}

} // namespace
