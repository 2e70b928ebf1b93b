// The frame every activity screen shares: its panel, its modes, its presenter keys and blanking,
// on an activity that counts what the frame asks of it.
#include "screentest.h"

#include "shell/activityscreen.h"
#include "shell/topicmenu.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QTest>

#include <functional>

namespace {

// Two modes; the answer is a label hidden until the solution is shown.
class CountingActivity : public shell::ActivityScreen {
    Q_OBJECT
public:
    explicit CountingActivity(shell::Screens& screens)
        : ActivityScreen(screens, QStringLiteral("compoundunits"), QStringLiteral("Units"), QStringLiteral("framestatus"))
    {
        options[0] = addModeOption(QStringLiteral("Option1"), QStringLiteral("First"), {10140, 4365, 1500, 435});
        options[1] = addModeOption(QStringLiteral("Option2"), QStringLiteral("Second"), {10140, 4795, 1650, 435});
        options[0]->setChecked(true);
        answer = shell::makeLabel(this, QStringLiteral("Label4"), {225, 4215, 3000, 600}, {}, QStringLiteral("42"));
        answer->setVisible(false);
    }

    bool solved() const { return answer->isVisibleTo(this); }
    shell::OptionButton* options[2];
    shell::Label* answer;
    int questions = 0, solutions = 0, mode = 0;
    bool readyAtFirstQuestion = false, toldBlanked = false;

protected:
    void startFirstQuestion() override
    {
        // Everything else of the load step has happened by now.
        readyAtFirstQuestion = Framestatus->leftTwips() == 10200 && !cmdgo->picture().isNull() &&
                               backColor() == shell::colour::screenBlue;
        nextQuestion();
    }
    void nextQuestion() override { ++questions, hideSolution(); }
    void showSolution() override { ++solutions, answer->setVisible(true); }
    bool solutionShown() const override { return solved(); }
    void hideSolution() override { answer->setVisible(false); }
    void modeChosen(int option) override { mode = option; }
    void blankChanged(bool blanked) override { toldBlanked = blanked; }
};

class ActivityFrame : public testing_support::ScreenTest {
protected:
    ActivityFrame()
    {
        screens.define(QStringLiteral("compoundunits"), [](shell::Screens& s) { return new CountingActivity(s); });
    }

    CountingActivity& open()
    {
        auto& activity = openTopic<CountingActivity>(QStringLiteral("menu3"), 4, QStringLiteral("compoundunits"));
        activate(activity);
        return activity;
    }
};

TEST_F(ActivityFrame, LoadsInOrderThenShowsAndAnnouncesTheSolutionOnceAndMakesTheNextQuestion)
{
    testing_support::AccessibilityEvents events;
    auto& activity = open();
    EXPECT_TRUE(activity.readyAtFirstQuestion);
    EXPECT_EQ(QStringList({activity.windowTitle(), activity.cmdgo->accessibleName(), activity.cmdsoln->accessibleName(),
                           activity.cmdexit->accessibleName()}).join(u','),
              "Units,Next question,Show solution,Exit");
    QAccessibleInterface* answer = QAccessible::queryAccessibleInterface(activity.answer);
    for (int question = 1; question <= 2; ++question) {
        EXPECT_EQ(activity.questions, question);
        EXPECT_EQ(answer->text(QAccessible::Name), QString()) << "hidden, it says nothing";
        // The solution button twice by its press action, which shows the button pressed first.
        for (int press = 1; press <= 2; ++press) {
            events.clear();
            QAccessible::queryAccessibleInterface(activity.cmdsoln)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            ASSERT_TRUE(QTest::qWaitFor([&] { return activity.solutions == 2 * question + press - 2; }));
            EXPECT_EQ(answer->text(QAccessible::Name), "42");
            // An answer already shown is not announced again.
            EXPECT_EQ(events.of(QAccessible::Alert), press == 1 ? QList<QObject*>{activity.answer} : QList<QObject*>{});
        }
        click(activity.cmdgo);
        EXPECT_FALSE(activity.solved());
    }
}

TEST_F(ActivityFrame, ExitTheButtonOrBackspaceFromAnywhereReturnsToItsOwnMenuUnchanged)
{
    auto& menu = screenAs<shell::TopicMenu>(QStringLiteral("menu3"));
    const std::function<void(CountingActivity&)> ways[] = {
        [](CountingActivity& a) { click(a.cmdexit); },
        [](CountingActivity& a) { QTest::keyClick(&a, Qt::Key_Backspace); },
        [](CountingActivity& a) {
            QTest::keyClick(&a, Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), a.options[0]);
            QTest::keyClick(a.options[0], Qt::Key_Backspace);
        }};
    for (const auto& leave : ways) {
        SCOPED_TRACE(&leave - ways);
        screens.show(QStringLiteral("menu3"));
        moveOver(menu.Label2[2]);
        auto& activity = open();
        EXPECT_EQ(activity.questions, 1) << "every visit starts afresh";
        leave(activity);
        settle();
        EXPECT_FALSE(screens.isLoaded(QStringLiteral("compoundunits")));
        EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("menu3")});
        EXPECT_TRUE(screens.loadCount(QStringLiteral("menu3")) == 1 && menu.Label2[2]->isOpaque());
    }
}

TEST_F(ActivityFrame, PresenterKeysStepThroughTheLessonChooseModesAndBlankButNeverLeave)
{
    auto& activity = open();
    // A focused option button must not take the keys (Space would choose it, arrows would move).
    activity.options[1]->setFocusPolicy(Qt::StrongFocus);
    activity.options[1]->setFocus();
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,
                        Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Left}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        const bool forward = key != Qt::Key_PageUp && key != Qt::Key_Up && key != Qt::Key_Left;
        const int before = activity.questions;
        QTest::keyClick(activity.options[1], forward ? key : Qt::Key_PageDown);
        EXPECT_TRUE(activity.solved() && activity.questions == before) << "first press shows the solution";
        // The next press forward makes a new question; back hides the solution again.
        QTest::keyClick(activity.options[1], key);
        EXPECT_TRUE(!activity.solved() && activity.questions == before + forward);
    }
    EXPECT_TRUE(activity.options[0]->isChecked()) << "the keys never chose a mode";
    QTest::keyClick(&activity, Qt::Key_Escape);
    QTest::keyClick(&activity, Qt::Key_F5);
    settle();
    EXPECT_TRUE(screens.isLoaded(QStringLiteral("compoundunits")) && activity.isVisible());

    // A digit chooses its mode, another mode or the one already chosen, with one new question.
    for (int option : {1, 1, 0}) {
        const int before = activity.questions;
        QTest::keyClick(&activity, Qt::Key(Qt::Key_1 + option));
        // A key clicks its option once the pressed look has shown.
        EXPECT_TRUE(QTest::qWaitFor([&] { return activity.questions > before; }));
        EXPECT_TRUE(activity.mode == option && activity.questions == before + 1);
        EXPECT_TRUE(activity.options[option]->isChecked() && !activity.options[1 - option]->isChecked());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(activity.options[1])->actionInterface()->keyBindingsForAction(
                  QAccessibleActionInterface::toggleAction()),
              QStringList{QStringLiteral("2")});

    // Blanking hides the lesson, and holds its keys, until the same key or a click on it.
    for (const auto& [key, byClick] : {std::pair{Qt::Key_B, false}, {Qt::Key_Period, false}, {Qt::Key_B, true}}) {
        QTest::keyClick(&activity, key);
        ASSERT_TRUE(activity.isBlanked() && activity.toldBlanked);
        const int before = activity.questions;
        QTest::keyClick(&activity, Qt::Key_PageDown);
        QTest::keyClick(&activity, Qt::Key_PageDown);
        EXPECT_TRUE(activity.questions == before && !activity.solved()) << "no stepping behind a black screen";
        if (byClick)
            click(activity.findChild<QWidget*>(QStringLiteral("blank")));
        else
            QTest::keyClick(&activity, key);
        EXPECT_FALSE(activity.isBlanked() || activity.toldBlanked);
    }
}

} // namespace

#include "activityframe_test.moc"
