// The frame every activity screen shares: the window and panel colours, the control panel
// `Framestatus` with its picture buttons `cmdgo` (next question), `cmdsoln` (solution) and
// `cmdexit` (back to the topic menu), mode option buttons, and the load order: standard set-up
// first, the first question last. A presenter remote or the keyboard drives it too, and a
// revealed answer is announced to assistive technology.
//
// A screen that asks an activity (it has a descriptor) also gets the lesson tools, from its
// right-click menu and keys: its last questions again, a countdown, and a worksheet of the
// activity. The screen hands the frame a snapshot of the question on show, which the frame keeps
// and hands back to show that question again.
#pragma once

#include "shell/core/activity.h"
#include "shell/core/countdown.h"
#include "shell/core/randomsource.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/fittedtext.h"
#include "shell/toolkit/screen.h"

#include <any>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace shell {

class ActivityScreen : public Screen {
    Q_OBJECT
public:
    static inline const QString kNextPicture = QStringLiteral("Images\\next.jpg");
    static inline const QString kSolutionPicture = QStringLiteral("Images\\solution.jpg");
    static inline const QString kExitPicture = QStringLiteral("Images\\exit.jpg");

    ~ActivityScreen() override;

    void load() final;

    // The topic menu the exit button returns to: the one that lists this screen's topic.
    QString returnMenu() const;

    // Whether the screen is blanked to black (the "B" or "." key).
    bool isBlanked() const override;

    // Replaces the clock-seeded random source; tests script the draws this way. Call it before
    // the load step, for instance in the factory that creates the screen.
    void setRandomSource(std::unique_ptr<RandomSource> draws) { m_draws = std::move(draws); }
    // Replaces the steady clock the countdown keeps time by; tests move it by hand.
    void setClock(MonotonicClock clock) { m_clock = std::move(clock); }

    // The questions kept while the screen is open, the one on show among them.
    static constexpr std::size_t kQuestionsKept = 20;
    // "Previous question": the question before the one on show, in its question state.
    void showPreviousQuestion();
    // "Next question": the question after the one on show, or a new one at the newest, as the
    // next-question button makes it.
    void showNextQuestion();
    bool hasPreviousQuestion() const;

    // The countdown's length in seconds, 0 for off; it starts at once and again with every
    // question that comes on show.
    void setCountdown(int seconds);
    // The countdown's text ("0:30", "Time's up"), shown where the display leaves room.
    FittedText* countdown() const { return m_countdownText; }

    // "Worksheet…": the dialog with this activity and mode chosen, opened over the screen.
    void openWorksheet();

    Frame* Framestatus;
    CommandButton* cmdgo;
    CommandButton* cmdsoln;
    CommandButton* cmdexit;

protected:
    // panelName: "Framestatus", or "framestatus" where a screen spells it so.
    ActivityScreen(Screens& screens, const QString& name, const QString& caption,
                   const QString& panelName = QStringLiteral("Framestatus"));
    // The activity's screen name and caption.
    ActivityScreen(Screens& screens, const Activity& activity,
                   const QString& panelName = QStringLiteral("Framestatus"));

    // A mode option button on the window; its click sets the mode (modeChosen) and at once
    // makes a new question, as cmdgo would. The digit key of its place in the row (1 for the
    // first) chooses it too.
    OptionButton* addModeOption(const QString& name, const QString& caption, const TwipRect& place,
                                double points = 9.75);
    // The activity's modes as option buttons Option1, Option2, ..., one at each place, in the
    // 9.75 point bold design; the first is chosen.
    std::vector<OptionButton*> addModeOptions(const Activity& activity, std::span<const TwipRect> places);
    const std::vector<OptionButton*>& modeOptions() const { return m_modeOptions; }

    // The source every question of this screen draws from.
    RandomSource& draws() { return *m_draws; }

    // What showing the question on show again takes (its drawn values or texts, and the mode
    // that made it); restoreQuestion() gets it back to show that question in its question state.
    virtual std::any questionSnapshot() const { return {}; }
    virtual void restoreQuestion(const std::any& snapshot) { Q_UNUSED(snapshot) }
    // Keeps the question on show before a new one replaces it. The frame does this for the
    // next-question button and the mode options; a screen that makes new questions otherwise
    // calls it itself.
    void rememberQuestion();
    // Whether the next-question button replaces the question on show (rather than moving on
    // within it).
    virtual bool nextMakesNewQuestion() const { return true; }
    // What the next-question button does: keeps the question on show where a new one replaces
    // it, goes on (nextQuestion), and starts the countdown again.
    void newQuestion();
    // Shows the mode option as chosen, without choosing it (a question shown again).
    void showModeChosen(int option);
    // The option of the question on show, -1 where the screen has none; the worksheet dialog
    // starts with it.
    int modeOnShow() const;

    // A frame of the screen's own, given the window's blue at load.
    void addOwnFrame(Frame* frame) { m_ownFrames.push_back(frame); }

    // The activity's own load steps, after the shared colours and button pictures.
    virtual void loadActivity() {}
    // The last load step: the first question (or what starts it).
    virtual void startFirstQuestion() = 0;

    virtual void nextQuestion() = 0;
    virtual void showSolution() = 0;
    // Whether the solution of the question on show is visible (for the stepping keys).
    virtual bool solutionShown() const = 0;
    // Hides a shown solution again, leaving the question as it was.
    virtual void hideSolution() {}
    // option: the index of the mode option button chosen, from 0.
    virtual void modeChosen(int option) = 0;

    // What the forward keys (Page Down, Down, Right, Space, Return, Enter) and the back keys
    // (Page Up, Up, Left) do; neither does anything while the screen is blanked. By default
    // forward shows the solution, or the next question once the solution shows, and back hides
    // the solution.
    virtual void forwardKey();
    virtual void backKey() { hideSolution(); }
    // The screen has just been blanked, or uncovered again.
    virtual void blankChanged(bool blanked) { Q_UNUSED(blanked) }

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void addMenuActions(QMenu& menu) override;

private:
    void revealSolution();
    void handleKey(int key);
    void toggleBlank();
    void showKept(std::size_t index);
    // Shows the countdown as the clock now stands; its timer does this ten times a second.
    void updateCountdown();
    // The countdown stands in the side bar on the stage where that is wide enough, else in the
    // corner the descriptor names.
    void placeCountdown();
    // Whether the countdown has something to show and the lesson is on show.
    bool countdownOnShow() const;
    // The next countdown length after the one set, off after the longest (the T key).
    void nextCountdownLength();

    const Activity* m_activity = nullptr; // none on a topic's screen: no lesson tools
    std::unique_ptr<RandomSource> m_draws = std::make_unique<ClockRandom>();
    std::vector<OptionButton*> m_modeOptions;
    std::vector<Frame*> m_ownFrames;
    QWidget* m_blank = nullptr;

    // The questions kept, oldest first; while one of them is on show, m_keptOnShow is its index.
    std::deque<std::any> m_kept;
    std::optional<std::size_t> m_keptOnShow;

    MonotonicClock m_clock = steadyMilliseconds;
    Countdown m_countdown;
    Countdown::Phase m_countdownPhase = Countdown::Phase::Off;
    bool m_solutionAtZero = false; // reveal the solution when time is up
    QPointer<FittedText> m_countdownText; // on the stage window while in the side bar
    Timer* m_countdownTimer = nullptr;
};

} // namespace shell
