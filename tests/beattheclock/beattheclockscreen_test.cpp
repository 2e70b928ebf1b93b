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
    BeatTheClock() { beattheclock::defineScreens(screens); }

    BeatTheClockScreen& open()
    {
        auto& s = openTopic<BeatTheClockScreen>(QStringLiteral("menu4"), 1, QStringLiteral("beattheclock"));
        s.setClock([this] { return m_now; });
        return s;
    }

    // Moves the clock on and lets the countdown see it, as its 100 ms timer would.
    void wait(BeatTheClockScreen& s, qint64 ms)
    {
        m_now += ms;
        s.Timer1->onTick();
    }

    static void press(QWidget* target, Qt::Key key) { QTest::keyClick(target, key); }

    qint64 m_now = 1'000'000;
};

TEST_F(BeatTheClock, ARoundFromReadyToMarking)
{
    BeatTheClockScreen& s = open();
    EXPECT_TRUE(s.figure->drawing().marks.empty()) << "no ring or dots before the round starts";
    click(s.cmdsoln);
    ASSERT_EQ(s.state(), State::Ready) << "Solution does nothing in Ready";
    click(s.cmdgo);
    EXPECT_EQ(s.item->caption(), QString::fromStdString(s.round()[0].text()));
    wait(s, 7999);
    EXPECT_EQ(s.secondsShown(), 1) << "never 0";
    wait(s, 1);
    EXPECT_EQ(s.instruction->caption(), "Question 2 of 10") << "the next item when the time is up";
    press(&s, Qt::Key_Up);
    EXPECT_EQ(s.instruction->caption(), "Question 2 of 10 (paused)");
    wait(s, 20000);
    click(s.cmdgo);
    EXPECT_EQ(s.secondsShown(), 8) << "a pause holds the countdown, and Next resumes it";
    wait(s, 3000);
    press(&s, Qt::Key_B);
    wait(s, 20000);
    press(&s, Qt::Key_Space);
    press(&s, Qt::Key_B);
    click(s.cmdsoln);
    EXPECT_EQ(s.current(), 1) << "blanking holds the keys, and no answers during the round";
    EXPECT_EQ(s.secondsShown(), 5) << "blanking holds the countdown";
    for (int i = 2; i < 10; ++i)
        press(&s, Qt::Key_PageDown);
    click(s.cmdgo);
    ASSERT_EQ(s.state(), State::Marking);
    EXPECT_EQ(s.mark[5]->caption(), "6. " + QString::fromStdString(s.round()[5].text()) + " =");
    click(s.cmdsoln);
    press(&s, Qt::Key_Right);
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

// An option starts a new round in Ready, of its kinds or its seconds.
TEST_F(BeatTheClock, OptionsMakeANewRoundInReady)
{
    BeatTheClockScreen& s = open();
    click(s.cmdgo);
    click(s.control<QWidget>(QStringLiteral("Option3")));
    EXPECT_EQ(s.state(), State::Ready);
    for (const beattheclock::Item& item : s.round())
        EXPECT_TRUE(item.operation >= beattheclock::Operation::Square) << item.text();
    click(s.control<QWidget>(QStringLiteral("Option5")));
    click(s.control<QWidget>(QStringLiteral("Option3")));
    for (const char* chosen : {"Option3", "Option5"})
        EXPECT_TRUE(s.control<QRadioButton>(QLatin1String(chosen))->isChecked()) << chosen << " stays chosen";
    click(s.cmdgo);
    wait(s, 5000);
    EXPECT_EQ(s.current(), 1) << "five seconds each";
}

} // namespace
