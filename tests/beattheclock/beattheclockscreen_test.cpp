// The Beat the Clock screen through its real widgets, on a clock the test moves by hand: a round
// from Ready through the countdown, a pause, blanking and skips to marking, then the options.
#include "screentest.h"

#include "beattheclock/beattheclockscreen.h"
#include "shell/toolkit/drawingview.h"

#include <QTest>

namespace {

using beattheclock::BeatTheClockScreen;
using State = BeatTheClockScreen::State;

class BeatTheClock : public testing_support::ScreenTest {
protected:
    BeatTheClock()
    {
        beattheclock::defineScreens(screens);
        const shell::Screens::Factory make = screens.factory(kName);
        screens.define(kName, [make, now = m_now](shell::Screens& s) {
            auto* screen = static_cast<BeatTheClockScreen*>(make(s));
            screen->setClock([now] { return *now; });
            return screen;
        });
    }

    BeatTheClockScreen& open() { return openTopic<BeatTheClockScreen>(QStringLiteral("menu4"), 1, kName); }

    // Moves the clock on and lets the countdown see it, as its 100 ms timer would.
    void wait(BeatTheClockScreen& s, qint64 ms)
    {
        *m_now += ms;
        s.Timer1->onTick();
    }

    static void press(QWidget* target, Qt::Key key) { QTest::keyClick(target, key); }

    static inline const QString kName = QStringLiteral("beattheclock");
    std::shared_ptr<qint64> m_now = std::make_shared<qint64>(1'000'000);
};

TEST_F(BeatTheClock, ARoundFromReadyToMarking)
{
    BeatTheClockScreen& s = open();
    ASSERT_EQ(s.state(), State::Ready);
    EXPECT_EQ(s.instruction->caption(), "Beat the Clock: Times tables");
    EXPECT_EQ(s.question[1]->caption(), "8 seconds each");
    EXPECT_TRUE(s.question[2]->isVisible());
    EXPECT_FALSE(s.item->isVisible());
    EXPECT_TRUE(s.figure->drawing().marks.empty()) << "no ring or dots before the round starts";
    click(s.cmdsoln);
    EXPECT_EQ(s.state(), State::Ready) << "Solution does nothing in Ready";

    click(s.cmdgo);
    EXPECT_EQ(s.instruction->caption(), "Question 1 of 10");
    EXPECT_EQ(s.item->caption(), QString::fromStdString(s.round()[0].text()));
    wait(s, 2950);
    EXPECT_EQ(s.secondsShown(), 6);
    wait(s, 5049);
    EXPECT_EQ(s.secondsShown(), 1) << "never 0";
    wait(s, 1);
    EXPECT_EQ(s.instruction->caption(), "Question 2 of 10") << "the next item when the time is up";
    EXPECT_EQ(s.secondsShown(), 8);

    press(&s, Qt::Key_Up);
    EXPECT_EQ(s.instruction->caption(), "Question 2 of 10 (paused)");
    wait(s, 20000);
    EXPECT_EQ(s.secondsShown(), 8) << "a pause holds the countdown";
    click(s.cmdgo);
    EXPECT_EQ(s.state(), State::Running) << "Next resumes without skipping";
    EXPECT_EQ(s.current(), 1);

    wait(s, 3000);
    press(&s, Qt::Key_B);
    wait(s, 20000);
    press(&s, Qt::Key_Space);
    EXPECT_EQ(s.current(), 1) << "blanking holds the countdown and the keys";
    press(&s, Qt::Key_B);
    EXPECT_EQ(s.secondsShown(), 5);
    click(s.cmdsoln);
    EXPECT_EQ(s.current(), 1) << "no answers during the round";
    screenshot(s, QStringLiteral("beattheclock-running.png"));

    for (int i = 2; i < 10; ++i)
        press(&s, Qt::Key_PageDown);
    EXPECT_EQ(s.current(), 9);
    click(s.cmdgo);
    ASSERT_EQ(s.state(), State::Marking);
    EXPECT_EQ(s.instruction->caption(), "Time's up! Mark your answers.");
    EXPECT_TRUE(s.figure->drawing().marks.empty());
    EXPECT_EQ(s.mark[5]->caption(), "6. " + QString::fromStdString(s.round()[5].text()) + " =");
    EXPECT_FALSE(s.answer[0]->isVisible());
    click(s.cmdsoln);
    press(&s, Qt::Key_Right);
    EXPECT_TRUE(s.answer[1]->isVisible());
    EXPECT_EQ(s.answer[1]->caption(), " " + QString::number(s.round()[1].answer()));
    press(&s, Qt::Key_PageUp);
    EXPECT_FALSE(s.answer[1]->isVisible());
    for (int i = 0; i < 12; ++i)
        click(s.cmdsoln);
    EXPECT_EQ(s.answersShown(), 10);
    screenshot(s, QStringLiteral("beattheclock-marking.png"));
    press(&s, Qt::Key_Return);
    EXPECT_EQ(s.state(), State::Ready) << "after the last answer, forward starts a new round";
}

TEST_F(BeatTheClock, OptionsMakeANewRoundInReady)
{
    BeatTheClockScreen& s = open();
    click(s.cmdgo);
    click(s.control<QWidget>(QStringLiteral("Option3")));
    EXPECT_EQ(s.state(), State::Ready);
    EXPECT_EQ(s.instruction->caption(), "Beat the Clock: Squares and roots");
    for (const beattheclock::Item& item : s.round())
        EXPECT_TRUE(item.operation >= beattheclock::Operation::Square) << item.text();

    click(s.cmdgo);
    click(s.control<QWidget>(QStringLiteral("Option5")));
    EXPECT_EQ(s.state(), State::Ready);
    EXPECT_EQ(s.question[1]->caption(), "5 seconds each");
    click(s.cmdgo);
    EXPECT_EQ(s.secondsShown(), 5);
    wait(s, 5000);
    EXPECT_EQ(s.current(), 1);
}

} // namespace
