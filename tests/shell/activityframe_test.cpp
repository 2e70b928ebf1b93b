#include "screentest.h"

#include "shell/activityscreen.h"
#include "shell/topicmenu.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QTest>

#include <functional>

namespace {

using shell::ActivityScreen;

// An activity with two modes that counts what the frame asks of it; its answer is a label
// hidden until the solution is shown.
class CountingActivity : public ActivityScreen {
    Q_OBJECT
public:
    explicit CountingActivity(shell::Screens& screens)
        : ActivityScreen(screens, QStringLiteral("compoundunits"), QStringLiteral("Units"),
                         QStringLiteral("framestatus"))
    {
        Option1 = addModeOption(QStringLiteral("Option1"), QStringLiteral("First"), {10140, 4365, 1500, 435});
        Option2 =
            addModeOption(QStringLiteral("Option2"), QStringLiteral("Second"), {10140, 4795, 1650, 435});
        Option1->setChecked(true);
        answer = shell::makeLabel(this, QStringLiteral("Label4"), {225, 4215, 3000, 600}, {},
                                  QStringLiteral("42"));
        answer->setVisible(false);
    }

    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::Label* answer;
    shell::OptionButton* option(int index) const { return index == 0 ? Option1 : Option2; }
    int questions = 0;
    int solutions = 0;
    int mode = 0;
    bool solved = false;
    bool readyAtFirstQuestion = false;
    bool toldBlanked = false;

protected:
    void startFirstQuestion() override
    {
        // Everything else of the load step has happened by now.
        readyAtFirstQuestion = Framestatus->leftTwips() == 10200 && !cmdgo->picture().isNull() &&
                               Option2->palette().color(QPalette::Window) == QColor(49, 135, 215) &&
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
        solved = true;
        answer->setVisible(true);
    }
    bool solutionShown() const override { return solved; }
    void hideSolution() override
    {
        solved = false;
        answer->setVisible(false);
    }
    void modeChosen(int option) override { mode = option; }
    void blankChanged(bool blanked) override { toldBlanked = blanked; }
};

class ActivityFrame : public testing_support::ScreenTest {
protected:
    ActivityFrame()
    {
        screens.define(QStringLiteral("compoundunits"),
                       [](shell::Screens& s) { return new CountingActivity(s); });
    }

    CountingActivity& openFromMenu()
    {
        return openTopic<CountingActivity>(QStringLiteral("menu3"), 4, QStringLiteral("compoundunits"));
    }

    static void press(QWidget* target, Qt::Key key) { QTest::keyClick(target, key); }
};

TEST_F(ActivityFrame, LoadsInOrderWithThePanelInTheCorner)
{
    auto& activity = openFromMenu();
    EXPECT_TRUE(activity.readyAtFirstQuestion);
    EXPECT_EQ(activity.questions, 1);
    EXPECT_EQ(activity.windowTitle(), "Units");
    EXPECT_EQ(activity.Framestatus->objectName(), "framestatus");
    EXPECT_EQ(activity.Framestatus->backColor(), shell::colour::panelBlue);
    EXPECT_EQ(activity.Framestatus->geometry(), QRect(680, 457, 115, 110));
    const struct {
        shell::CommandButton* button;
        QRect place;
        const char* accessibleName;
    } buttons[] = {{activity.cmdgo, {2, 2, 110, 33}, "Next question"},
                   {activity.cmdsoln, {2, 39, 110, 33}, "Show solution"},
                   {activity.cmdexit, {2, 75, 110, 33}, "Exit"}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.accessibleName);
        EXPECT_EQ(b.button->geometry(), b.place);
        EXPECT_EQ(b.button->accessibleName(), b.accessibleName);
        EXPECT_FALSE(b.button->picture().isNull());
    }
}

TEST_F(ActivityFrame, ButtonsAndModesDriveTheActivity)
{
    auto& activity = openFromMenu();
    click(activity.cmdsoln);
    EXPECT_TRUE(activity.solved);
    click(activity.cmdgo);
    EXPECT_EQ(activity.questions, 2);
    EXPECT_FALSE(activity.solved);

    click(activity.Option2);
    EXPECT_EQ(activity.mode, 1);
    EXPECT_EQ(activity.questions, 3) << "choosing a mode makes a new question at once";
    EXPECT_TRUE(activity.Option2->isChecked());
    EXPECT_FALSE(activity.Option1->isChecked());
}

TEST_F(ActivityFrame, ExitReturnsToItsOwnMenuUnchanged)
{
    auto& menu = screenAs<shell::TopicMenu>(QStringLiteral("menu3"));
    screens.show(QStringLiteral("menu3"));
    moveOver(menu.Label2[2]);
    click(menu.Label3[4]);
    auto& activity = screenAs<CountingActivity>(QStringLiteral("compoundunits"));
    EXPECT_TRUE(menu.isVisible());
    click(activity.cmdexit);
    settle();
    EXPECT_FALSE(screens.isLoaded(QStringLiteral("compoundunits")));
    EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("menu3")});
    EXPECT_EQ(screens.loadCount(QStringLiteral("menu3")), 1);
    EXPECT_TRUE(menu.Label2[2]->isOpaque());

    // The next visit starts afresh.
    click(menu.Label3[4]);
    EXPECT_EQ(screenAs<CountingActivity>(QStringLiteral("compoundunits")).questions, 1);
}

TEST_F(ActivityFrame, PresenterKeysStepThroughTheLesson)
{
    auto& activity = openFromMenu();
    // A focused option button must not take the keys (Space would choose it, arrows would move).
    activity.Option2->setFocusPolicy(Qt::StrongFocus);
    activity.Option2->setFocus();

    for (Qt::Key key :
         {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        const int before = activity.questions;
        press(activity.Option2, key);
        EXPECT_TRUE(activity.solved) << "first press shows the solution";
        EXPECT_EQ(activity.questions, before);
        press(activity.Option2, key);
        EXPECT_FALSE(activity.solved);
        EXPECT_EQ(activity.questions, before + 1) << "next press makes a new question";
    }
    EXPECT_TRUE(activity.Option1->isChecked()) << "the keys never chose a mode";

    for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Left}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        press(&activity, Qt::Key_PageDown);
        ASSERT_TRUE(activity.solved);
        press(&activity, key);
        EXPECT_FALSE(activity.solved);
    }

    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_F5}) {
        press(&activity, key);
        EXPECT_TRUE(screens.isLoaded(QStringLiteral("compoundunits")));
        EXPECT_TRUE(activity.isVisible());
    }
}

TEST_F(ActivityFrame, AModeChosenAnyWayIsSetWithOneNewQuestion)
{
    const auto toggle = QAccessibleActionInterface::toggleAction();
    const auto action = [](shell::OptionButton* option) {
        return QAccessible::queryAccessibleInterface(option)->actionInterface();
    };
    const std::pair<const char*, std::function<void(CountingActivity&, int option)>> means[] = {
        {"a click", [](CountingActivity& a, int option) { click(a.option(option)); }},
        {"its action", [&](CountingActivity& a, int option) { action(a.option(option))->doAction(toggle); }},
        {"its digit key",
         [](CountingActivity& a, int option) { QTest::keyClick(&a, Qt::Key(Qt::Key_1 + option)); }},
    };
    for (const auto& [how, choose] : means) {
        SCOPED_TRACE(how);
        auto& activity = openFromMenu();
        activate(activity);
        // Another mode, then the mode already chosen, which makes a new question all the same.
        for (int option : {1, 1, 0}) {
            const int before = activity.questions;
            choose(activity, option);
            // A key clicks its option once the pressed look has shown.
            EXPECT_TRUE(QTest::qWaitFor([&] { return activity.questions > before; }));
            EXPECT_EQ(activity.mode, option);
            EXPECT_EQ(activity.questions, before + 1);
            EXPECT_TRUE(activity.option(option)->isChecked());
        }
        EXPECT_EQ(action(activity.Option2)->keyBindingsForAction(toggle), QStringList{QStringLiteral("2")});
        click(activity.cmdexit);
        settle();
    }
}

TEST_F(ActivityFrame, BackspaceLeavesWhereverTheFocusIs)
{
    for (bool onAnOption : {false, true}) {
        SCOPED_TRACE(onAnOption ? "on an option" : "on the window");
        auto& activity = openFromMenu();
        activate(activity);
        if (onAnOption)
            QTest::keyClick(&activity, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget() == activity.Option1, onAnOption);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        settle();
        EXPECT_FALSE(screens.isLoaded(QStringLiteral("compoundunits")));
        EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("menu3")});
    }
}

TEST_F(ActivityFrame, AnAnswerIsReadOnlyOnceShownAndThenAnnounced)
{
    testing_support::AccessibilityEvents events;
    auto& activity = openFromMenu();
    QAccessibleInterface* answer = QAccessible::queryAccessibleInterface(activity.answer);
    const auto solve = [&] {
        const int before = activity.solutions;
        QAccessible::queryAccessibleInterface(activity.cmdsoln)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        // The button shows itself pressed before it clicks.
        ASSERT_TRUE(QTest::qWaitFor([&] { return activity.solutions > before; }));
    };
    for (int question = 1; question <= 2; ++question) {
        SCOPED_TRACE(question);
        EXPECT_EQ(answer->text(QAccessible::Name), QString()) << "hidden, it says nothing";
        events.clear();
        solve();
        EXPECT_EQ(answer->text(QAccessible::Name), "42");
        EXPECT_EQ(events.of(QAccessible::Alert), QList<QObject*>{activity.answer});
        events.clear();
        solve();
        EXPECT_TRUE(events.of(QAccessible::Alert).isEmpty())
            << "an answer already shown is not announced again";
        click(activity.cmdgo);
    }
}

TEST_F(ActivityFrame, BlankingHidesTheLessonUntilTheSameKeyOrAClick)
{
    auto& activity = openFromMenu();
    for (Qt::Key key : {Qt::Key_B, Qt::Key_Period}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        press(&activity, key);
        ASSERT_TRUE(activity.isBlanked());
        EXPECT_TRUE(activity.toldBlanked);
        screenshot(activity, QStringLiteral("activity-blanked.png"));
        const int before = activity.questions;
        press(&activity, Qt::Key_PageDown);
        press(&activity, Qt::Key_PageDown);
        EXPECT_EQ(activity.questions, before) << "no stepping behind a black screen";
        EXPECT_FALSE(activity.solved);
        press(&activity, key);
        EXPECT_FALSE(activity.isBlanked());
    }
    press(&activity, Qt::Key_B);
    click(activity.findChild<QWidget*>(QStringLiteral("blank")));
    EXPECT_FALSE(activity.isBlanked()) << "a click brings the lesson back";
    EXPECT_FALSE(activity.toldBlanked);
}

} // namespace

#include "activityframe_test.moc"
