// The Estimation screen `sigfig`: an instruction, a number or expression in large type, four
// modes choosing the kinds of question, and an answer frame revealed by the solution button.
#pragma once

#include "estimation/activity.h"

#include "estimation/estimationquestions.h"
#include "shell/activityscreen.h"

namespace shell {
class Screens;
}

namespace estimation {

class EstimationScreen : public shell::ActivityScreen {
    Q_OBJECT
public:
    static inline const QString kName = shell::qtext(activities()[0].screen);

    explicit EstimationScreen(shell::Screens& screens);

    int low() const { return m_low; }
    int high() const { return m_high; }
    int kind() const { return m_kind; }

    shell::Label* Label1; // instruction
    shell::Label* Label2; // question
    shell::Frame* Frame1; // answer frame
    shell::Label* Label3; // answer
    shell::Label* Label4; // result line of an estimate
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;
    shell::OptionButton* Option4;

protected:
    void loadActivity() override;
    void startFirstQuestion() override { newquestion(); }
    void nextQuestion() override { newquestion(); }
    void showSolution() override;
    void hideSolution() override { makeinvis(); }
    bool solutionShown() const override { return Frame1->isVisible(); }
    void modeChosen(int option) override;
    std::any questionSnapshot() const override;
    void restoreQuestion(const std::any& snapshot) override;

private:
    void newquestion();
    void showQuestion(const Question& question);
    void makeinvis();

    Question m_question;
    int m_option = 0;
    int m_low = 1;
    int m_high = 2;
    int m_kind = 0;
};

// Makes the activity's screen known by name.
void defineScreens(shell::Screens& screens);

} // namespace estimation
