// The click storm: the whole program from its title screen, driven by a seeded stream of real
// mouse and key events (clicks on visible controls and bare background, moves, the lesson keys,
// the parallel lines' tick let through or held back). After every event the screens must form a
// state the flows allow, with the screen the event leads to in front, no screen alive twice and
// each activity screen consistent. CHALKFACE_STORM_SEED and CHALKFACE_STORM_EVENTS replay a run.
#include "screeninvariants.h"
#include "screentest.h"

#include "allscreens.h"
#include "angles/anglesscreen.h"
#include "shell/activityscreen.h"
#include "shell/core/topictable.h"
#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/topicmenu.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <deque>
#include <random>

namespace {

using namespace reliability;

constexpr std::uint64_t kDefaultSeed = 20261206;
constexpr long kDefaultEvents = 20000;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    bool ok = false;
    const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

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
        : m_seed(fromEnvironment("CHALKFACE_STORM_SEED", kDefaultSeed))
        , m_events(static_cast<long>(fromEnvironment("CHALKFACE_STORM_EVENTS", kDefaultEvents)))
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
        if (message.contains(QLatin1String("not accepted by receiving widget")) ||
            message == QLatin1String("This plugin does not support raise()"))
            return;
        if (m_previousHandler)
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

    // Performs one event on the front window; returns what it was and the screen it leads to.
    QString perform(QWidget* window, const QString& front, QString& expected)
    {
        static const Qt::Key keys[] = {Qt::Key_B,      Qt::Key_Period, Qt::Key_PageDown, Qt::Key_Down,
                                       Qt::Key_Right,  Qt::Key_Space,  Qt::Key_Return,   Qt::Key_Enter,
                                       Qt::Key_PageUp, Qt::Key_Up,     Qt::Key_Left,     Qt::Key_Escape,
                                       Qt::Key_F5,     Qt::Key_Tab,    Qt::Key_A,        Qt::Key_Backspace,
                                       Qt::Key_2};
        expected = front;
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
            return QStringLiteral("%1 %2 at (%3, %4) on %5")
                .arg(click ? "click" : "move", receiver->objectName(), QString::number(at.x()),
                     QString::number(at.y()), front);
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
        return QStringLiteral("key %1 to %2 on %3")
            .arg(QKeySequence(key).toString(), receiver->objectName(), front);
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

    std::deque<QString> recent;
    QMap<QString, long> visits;
    long programEnds = 0;
    for (long event = 1; event <= m_events; ++event) {
        QWidget* window = screens.find(front);
        QString expected;
        recent.push_back(perform(window, front, expected));
        if (recent.size() > 12)
            recent.pop_front();
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

        if (const std::string problem = check(front, expected); !problem.empty()) {
            FAIL() << "seed " << m_seed << ", event " << event << ": " << problem
                   << "\nreplay with CHALKFACE_STORM_SEED=" << m_seed << " CHALKFACE_STORM_EVENTS=" << event
                   << "\nlast events:\n    "
                   << QStringList(recent.begin(), recent.end()).join(QLatin1String("\n    ")).toStdString();
        }
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
        EXPECT_EQ(reliability::checkActivity(s), "");
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.Timer1->isEnabled(); }));
    click(s.cmdsoln);
    EXPECT_TRUE(s.Frame1->isVisible());
    EXPECT_EQ(reliability::checkActivity(s), "");
}

} // namespace
