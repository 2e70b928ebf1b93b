// The frame every activity screen shares: its panel, its modes, its presenter keys and blanking,
// on an activity that counts what the frame asks of it.
#include "screentest.h"

#include "shell/standardscreen.h"
#include "shell/topicmenu.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QTest>

extern const shell::Activity kCounting;

namespace {

// The standard screen of the test activity, counting what the frame asks of it.
class CountingActivity : public shell::StandardActivityScreen {
    Q_OBJECT
public:
    using StandardActivityScreen::StandardActivityScreen;
    bool solved() const { return solutionShown(); }
    shell::OptionButton* option(int i) const { return modeOptions()[static_cast<std::size_t>(i)]; }
    int questions = 0, solutions = 0;
    bool readyAtFirstQuestion = false, toldBlanked = false;

protected:
    void startFirstQuestion() override
    {
        // Everything else of the load step has happened by now.
        readyAtFirstQuestion = Framestatus->leftTwips() == 10200 && !cmdgo->picture().isNull() &&
                               backColor() == shell::colour::screenBlue;
        StandardActivityScreen::startFirstQuestion();
    }
    void nextQuestion() override { ++questions, StandardActivityScreen::nextQuestion(); }
    void showSolution() override { ++solutions, StandardActivityScreen::showSolution(); }
    void blankChanged(bool blanked) override { toldBlanked = blanked; }
};

class ActivityFrame : public testing_support::ScreenTest {
protected:
    ActivityFrame()
    {
        screens.define(QStringLiteral("compoundunits"), [](shell::Screens& s) { return new CountingActivity(s, kCounting); });
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
    testing_support::AccessibilityAlerts alerts;
    auto& activity = open();
    EXPECT_TRUE(activity.readyAtFirstQuestion);
    EXPECT_EQ(QStringList({activity.windowTitle(), activity.cmdgo->accessibleName(), activity.cmdsoln->accessibleName(),
                           activity.cmdexit->accessibleName()}).join(u','),
              "Counting,Next question,Show solution,Exit");
    QAccessibleInterface* answer = QAccessible::queryAccessibleInterface(activity.answer[0]);
    for (int question = 1; question <= 2; ++question) {
        EXPECT_EQ(activity.questions, question);
        EXPECT_EQ(answer->text(QAccessible::Name), QString()) << "hidden, it says nothing";
        // The solution button twice by its press action, which shows the button pressed first;
        // an answer already shown is not announced again.
        for (int press = 1; press <= 2; ++press) {
            alerts.raised().clear();
            QAccessible::queryAccessibleInterface(activity.cmdsoln)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            ASSERT_TRUE(QTest::qWaitFor([&] { return activity.solutions == 2 * question + press - 2; }));
            EXPECT_EQ(answer->text(QAccessible::Name), "first answer line");
            EXPECT_EQ(alerts.raised().contains(activity.answer[0]), press == 1);
            EXPECT_TRUE(press == 1 || alerts.raised().isEmpty());
        }
        click(activity.cmdgo);
        EXPECT_FALSE(activity.solved());
    }
}

TEST_F(ActivityFrame, ExitTheButtonOrBackspaceFromAnywhereReturnsToItsOwnMenuUnchanged)
{
    auto& menu = screenAs<shell::TopicMenu>(QStringLiteral("menu3"));
    // The exit button, Backspace on the window, Backspace on the first mode's button.
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        screens.show(QStringLiteral("menu3"));
        QTest::mouseMove(menu.Label2[2]);
        auto& activity = open();
        EXPECT_EQ(activity.questions, 1) << "every visit starts afresh";
        if (way == 0)
            click(activity.cmdexit);
        if (way == 2) {
            QTest::keyClick(&activity, Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), activity.option(0));
        }
        if (way > 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
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
    activity.option(1)->setFocusPolicy(Qt::StrongFocus);
    activity.option(1)->setFocus();
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,
                        Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Left}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        const bool forward = key != Qt::Key_PageUp && key != Qt::Key_Up && key != Qt::Key_Left;
        const int before = activity.questions;
        QTest::keyClick(activity.option(1), forward ? key : Qt::Key_PageDown);
        EXPECT_TRUE(activity.solved() && activity.questions == before) << "first press shows the solution";
        // The next press forward makes a new question; back hides the solution again.
        QTest::keyClick(activity.option(1), key);
        EXPECT_TRUE(!activity.solved() && activity.questions == before + forward);
    }
    EXPECT_TRUE(activity.option(0)->isChecked()) << "the keys never chose a mode";
    QTest::keyClick(&activity, Qt::Key_Escape);
    QTest::keyClick(&activity, Qt::Key_F5);
    settle();
    EXPECT_TRUE(screens.isLoaded(QStringLiteral("compoundunits")) && activity.isVisible());

    // A digit chooses its mode, another mode or the one already chosen, with one new question
    // once the pressed look has shown.
    for (int option : {1, 1, 0}) {
        const int before = activity.questions;
        QTest::keyClick(&activity, Qt::Key(Qt::Key_1 + option));
        EXPECT_TRUE(QTest::qWaitFor([&] { return activity.questions > before; }));
        EXPECT_TRUE(activity.mode() == option && activity.questions == before + 1);
        EXPECT_TRUE(activity.option(option)->isChecked() && !activity.option(1 - option)->isChecked());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(activity.option(1))->actionInterface()->keyBindingsForAction(
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
