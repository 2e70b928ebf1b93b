// The frame every activity screen shares: the window and panel colours, the control panel
// `Framestatus` with its picture buttons `cmdgo` (next question), `cmdsoln` (solution) and
// `cmdexit` (back to the topic menu), mode option buttons, and the load order: standard set-up
// first, the first question last. A presenter remote or the keyboard drives it too, and a
// revealed answer is announced to assistive technology.
#pragma once

#include "shell/core/activity.h"
#include "shell/core/randomsource.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/screen.h"

#include <memory>
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
    void resizeEvent(QResizeEvent* event) override;

private:
    void revealSolution();
    void handleKey(int key);
    void toggleBlank();

    std::unique_ptr<RandomSource> m_draws = std::make_unique<ClockRandom>();
    std::vector<OptionButton*> m_modeOptions;
    std::vector<Frame*> m_ownFrames;
    QWidget* m_blank = nullptr;
};

} // namespace shell
