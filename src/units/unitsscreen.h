// The Units screen `compoundunits`: one conversion question at a time on a wide line under
// "Convert...", four mode buttons for the group of conversions, and beside an open imperial or
// metric-and-imperial question the frame of facts it needs. The solution button puts the answer
// frame in the reference frame's place.
#pragma once

#include "units/activity.h"

#include "shell/activityscreen.h"
#include "units/unitquestions.h"

namespace units {

class UnitsScreen : public shell::ActivityScreen {
    Q_OBJECT
public:
    static inline const QString kName = shell::qtext(activities()[0].screen);

    explicit UnitsScreen(shell::Screens& screens);

    Mode mode() const { return m_mode; }

    shell::Label* Label1;     // "Convert..."
    shell::Label* Label2;     // the question
    shell::Frame* Frame1;     // the answer frame
    shell::Label* Label4;     // the answer, inside Frame1
    shell::Frame* Frame2;     // "Imperial conversions"
    shell::Frame* Frame3;     // "Approximate conversions"
    shell::LabelArray Label5; // the facts: 0 to 6 in Frame2, 10 to 13 in Frame3
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;
    shell::OptionButton* Option4;

protected:
    void startFirstQuestion() override;
    void nextQuestion() override;
    void showSolution() override;
    bool solutionShown() const override;
    void hideSolution() override;
    void modeChosen(int option) override;
    std::any questionSnapshot() const override;
    void restoreQuestion(const std::any& snapshot) override;

private:
    void calculate();
    void showQuestion(const Question& question);
    void clearall();
    shell::Frame* frameOf(Reference reference) const;

    Mode m_mode = Mode::Metric;
    Reference m_reference = Reference::None; // the frame that goes with the question on show
    Question m_question;                     // the one on show
};

// Makes the screen known as "compoundunits".
void defineScreens(shell::Screens& screens);

} // namespace units
