// The Beat the Clock screen: a round of ten items shown one at a time, each for a set number of
// seconds against a countdown ring, then the answers one by one for the class to mark. Its
// states (Ready, Running, Paused, Marking) replace the frame's question and solution: Next
// starts, skips, resumes and begins a new round, Solution shows the next answer while marking,
// and the forward and back keys start, skip, mark, pause and resume. The countdown reads a
// monotonic clock and counts only while Running and not blanked.
#pragma once

#include "beattheclock/rounds.h"
#include "shell/activityscreen.h"

#include <array>
#include <functional>
#include <vector>

namespace shell {
class DrawingView;
class Screens;
} // namespace shell

namespace beattheclock {

class BeatTheClockScreen : public shell::ActivityScreen {
    Q_OBJECT
public:
    enum class State { Ready, Running, Paused, Marking };
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    explicit BeatTheClockScreen(shell::Screens& screens);
    ~BeatTheClockScreen() override;

    // Replaces the steady clock; tests move time by hand. Call it before the load step.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    State state() const { return m_state; }
    const std::vector<Item>& round() const { return m_round; }
    // The item on show while Running or Paused, from 0.
    int current() const { return m_current; }
    // Answers shown while Marking.
    int answersShown() const { return m_shown; }
    // The seconds each item shows for.
    int secondsEach() const { return m_seconds; }
    // The whole seconds the countdown shows, from secondsEach() down to 1.
    int secondsShown() const;

    shell::Label* instruction;
    std::array<shell::Label*, 3> question{}; // Ready: the round, the seconds, how to start
    shell::Label* item;                       // the item while Running or Paused
    std::array<shell::Label*, kRoundLength> mark{};   // Marking: "1. 7 × 8 ="
    std::array<shell::Label*, kRoundLength> answer{}; // Marking: " 56", once shown
    shell::DrawingView* figure;               // the countdown ring and the progress dots
    shell::Frame* Frame1;                     // the "Seconds each" group
    shell::Label* Label1;                     // its caption
    std::array<shell::OptionButton*, 3> secondsOption{}; // Option5 to Option7
    shell::Timer* Timer1;                     // redraws the countdown every 100 ms

protected:
    void loadActivity() override;
    void startFirstQuestion() override { newRound(); }
    void nextQuestion() override;
    void showSolution() override;
    bool solutionShown() const override;
    void modeChosen(int option) override;
    void forwardKey() override;
    void backKey() override;
    void blankChanged(bool blanked) override;
    std::any questionSnapshot() const override;
    void restoreQuestion(const std::any& snapshot) override;
    bool nextMakesNewQuestion() const override { return m_state == State::Marking; }

private:
    void newRound();
    void startItem();
    void advance();
    void tick();
    // Adds the running time since counting last started to the time banked for the item.
    void bankTime();
    bool counting() const;
    qint64 remainingMs() const;
    void showState();
    void drawCountdown();
    void showSecondsChosen();

    Clock m_clock;
    int m_mode = 0;
    int m_seconds = 8;
    State m_state = State::Ready;
    std::vector<Item> m_round;
    int m_current = 0;
    int m_shown = 0;
    qint64 m_banked = 0; // ms the current item has run before m_since
    qint64 m_since = 0;  // when the item last started counting
};

void defineScreens(shell::Screens& screens);

} // namespace beattheclock
