// The activity screen laid out from its questions: every activity designed on the standard frame
// needs no screen code of its own. Each question (a shell::Exercise) brings its instruction,
// question lines, working lines, answer lines, figure and layout; the screen puts them in the
// standard places (or where a line asks), shows the question state, and on the first press of
// the solution button the working panel, the Answer frame and the figure's solution state.
//
// Its controls, by name: `instruction`; `question1` to `question3`; `working1` to `working7`,
// with the cells of a cell row as `working{i}cell{j}` from 1; the frame `Frame1` (caption
// "Answer") holding `answer1` and `answer2`; `figure`, the drawing surface; and `Option1` ... for
// the modes.
#pragma once

#include "shell/activityscreen.h"

#include <array>
#include <memory>

namespace shell {

class DrawingView;

class StandardActivityScreen : public ActivityScreen {
    Q_OBJECT
public:
    StandardActivityScreen(Screens& screens, const Activity& activity);
    ~StandardActivityScreen() override;

    const Activity& activity() const { return m_activity; }
    // The question on show.
    const Exercise& exercise() const { return m_exercise; }
    int mode() const { return m_mode; }

    Label* instruction;
    std::array<Label*, 3> question{};
    std::array<Label*, 7> working{};
    Frame* Frame1;
    std::array<Label*, 2> answer{};
    DrawingView* figure;

protected:
    void startFirstQuestion() override { nextQuestion(); }
    void nextQuestion() override;
    void showSolution() override;
    void hideSolution() override;
    bool solutionShown() const override { return m_solutionShown; }
    void modeChosen(int option) override { m_mode = option; }
    std::any questionSnapshot() const override;
    void restoreQuestion(const std::any& snapshot) override;

private:
    void showQuestionState();
    void placeWorking();
    void drawFigure();

    const Activity& m_activity;
    std::unique_ptr<QuestionMaker> m_questions;
    Exercise m_exercise;
    int m_mode = 0;
    bool m_solutionShown = false;
};

// Makes the activity's screen known by its name: a StandardActivityScreen.
void defineStandardScreen(Screens& screens, const Activity& activity);

} // namespace shell
