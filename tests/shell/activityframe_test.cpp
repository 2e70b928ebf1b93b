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
    int questions = 0;
    int solutions = 0;
    int mode = 0;
    bool readyAtFirstQuestion = false;
    bool toldBlanked = false;

protected:
    void startFirstQuestion() override
    {
        // Everything else of the load step has happened by now.
        readyAtFirstQuestion = Framestatus->leftTwips() == 10200 && !cmdgo->picture().isNull() &&
                               options[1]->palette().color(QPalette::Window) == QColor(49, 135, 215) &&
                               backColor() == shell::colour::screenBlue;
        nextQuestion();
    }
    void nextQuestion() override
    {
        ++questions;
        hideSolution();
    }
    void showSolution() override
    {
        ++solutions;
        answer->setVisible(true);
    }
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
    EXPECT_EQ(activity.windowTitle(), "Units");
    EXPECT_EQ(activity.Framestatus->backColor(), shell::colour::panelBlue);
    EXPECT_EQ(activity.cmdgo->accessibleName() + u',' + activity.cmdsoln->accessibleName(),
              "Next question,Show solution");
    QAccessibleInterface* answer = QAccessible::queryAccessibleInterface(activity.answer);
    // The solution button by its press action, which shows the button pressed before it clicks.
    const auto solve = [&] {
        const int before = activity.solutions;
        QAccessible::queryAccessibleInterface(activity.cmdsoln)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        ASSERT_TRUE(QTest::qWaitFor([&] { return activity.solutions > before; }));
    };
    for (int question = 1; question <= 2; ++question) {
        EXPECT_EQ(activity.questions, question);
        EXPECT_EQ(answer->text(QAccessible::Name), QString()) << "hidden, it says nothing";
        events.clear();
        solve();
        EXPECT_TRUE(activity.solved());
        EXPECT_EQ(answer->text(QAccessible::Name), "42");
        EXPECT_EQ(events.of(QAccessible::Alert), QList<QObject*>{activity.answer});
        events.clear();
        solve();
        EXPECT_TRUE(events.of(QAccessible::Alert).isEmpty()) << "an answer already shown is not announced again";
        click(activity.cmdgo);
        EXPECT_FALSE(activity.solved());
    }
}

TEST_F(ActivityFrame, ExitTheButtonOrBackspaceFromAnywhereReturnsToItsOwnMenuUnchanged)
{
    auto& menu = screenAs<shell::TopicMenu>(QStringLiteral("menu3"));
    const std::pair<const char*, std::function<void(CountingActivity&)>> ways[] = {
        {"Exit", [](CountingActivity& a) { click(a.cmdexit); }},
        {"Backspace on the window", [](CountingActivity& a) { QTest::keyClick(&a, Qt::Key_Backspace); }},
        {"Backspace on an option", [](CountingActivity& a) {
             QTest::keyClick(&a, Qt::Key_Tab);
             ASSERT_EQ(QApplication::focusWidget(), a.options[0]);
             QTest::keyClick(a.options[0], Qt::Key_Backspace);
         }}};
    for (const auto& [how, leave] : ways) {
        SCOPED_TRACE(how);
        screens.show(QStringLiteral("menu3"));
        moveOver(menu.Label2[2]);
        auto& activity = open();
        EXPECT_EQ(activity.questions, 1) << "every visit starts afresh";
        EXPECT_TRUE(menu.isVisible());
        leave(activity);
        settle();
        EXPECT_FALSE(screens.isLoaded(QStringLiteral("compoundunits")));
        EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("menu3")});
        EXPECT_EQ(screens.loadCount(QStringLiteral("menu3")), 1);
        EXPECT_TRUE(menu.Label2[2]->isOpaque());
    }
}

TEST_F(ActivityFrame, PresenterKeysStepThroughTheLessonChooseModesAndBlankButNeverLeave)
{
    auto& activity = open();
    // A focused option button must not take the keys (Space would choose it, arrows would move).
    activity.options[1]->setFocusPolicy(Qt::StrongFocus);
    activity.options[1]->setFocus();
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        const int before = activity.questions;
        QTest::keyClick(activity.options[1], key);
        EXPECT_TRUE(activity.solved() && activity.questions == before) << "first press shows the solution";
        QTest::keyClick(activity.options[1], key);
        EXPECT_TRUE(!activity.solved() && activity.questions == before + 1) << "next press makes a new question";
    }
    EXPECT_TRUE(activity.options[0]->isChecked()) << "the keys never chose a mode";
    for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Left}) {
        QTest::keyClick(&activity, Qt::Key_PageDown);
        ASSERT_TRUE(activity.solved());
        QTest::keyClick(&activity, key);
        EXPECT_FALSE(activity.solved()) << QKeySequence(key).toString().toStdString();
    }
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_F5})
        QTest::keyClick(&activity, key);
    settle();
    EXPECT_TRUE(screens.isLoaded(QStringLiteral("compoundunits")) && activity.isVisible());

    // A digit chooses its mode, another mode or the one already chosen, with one new question.
    for (int option : {1, 1, 0}) {
        const int before = activity.questions;
        QTest::keyClick(&activity, Qt::Key(Qt::Key_1 + option));
        // A key clicks its option once the pressed look has shown.
        EXPECT_TRUE(QTest::qWaitFor([&] { return activity.questions > before; }));
        EXPECT_EQ(activity.mode, option);
        EXPECT_EQ(activity.questions, before + 1);
        EXPECT_TRUE(activity.options[option]->isChecked() && !activity.options[1 - option]->isChecked());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(activity.options[1])->actionInterface()->keyBindingsForAction(
                  QAccessibleActionInterface::toggleAction()),
              QStringList{QStringLiteral("2")});

    // Blanking hides the lesson, and holds its keys, until the same key or a click on it.
    for (Qt::Key key : {Qt::Key_B, Qt::Key_Period}) {
        QTest::keyClick(&activity, key);
        ASSERT_TRUE(activity.isBlanked() && activity.toldBlanked);
        const int before = activity.questions;
        QTest::keyClick(&activity, Qt::Key_PageDown);
        QTest::keyClick(&activity, Qt::Key_PageDown);
        EXPECT_TRUE(activity.questions == before && !activity.solved()) << "no stepping behind a black screen";
        QTest::keyClick(&activity, key);
        EXPECT_FALSE(activity.isBlanked());
    }
    QTest::keyClick(&activity, Qt::Key_B);
    screenshot(activity, QStringLiteral("activity-blanked.png"));
    click(activity.findChild<QWidget*>(QStringLiteral("blank")));
    EXPECT_FALSE(activity.isBlanked() || activity.toldBlanked) << "a click brings the lesson back";
}

} // namespace

#include "activityframe_test.moc"
