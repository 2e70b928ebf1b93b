// The Mappings screen `mappings`: a mapping diagram with its rule, a Domain and a Range column of
// five values each, one of them hidden for the class to work out. Three mode buttons choose
// which column is hidden; the solution button reveals it.
#pragma once

#include "mappings/activity.h"

#include "mappings/mappingquestions.h"
#include "shell/activityscreen.h"

namespace mappings {

class MappingsScreen : public shell::ActivityScreen {
    Q_OBJECT
public:
    static inline const QString kName = shell::qtext(activities()[0].screen);
    static inline const QString kDiagramPicture = QStringLiteral("Images\\mapping3.jpg");
    static inline const QString kRulePicture = QStringLiteral("Images\\mapping4.jpg");

    explicit MappingsScreen(shell::Screens& screens);

    Mode mode() const { return m_mode; }
    // Which column the last Mixed question hid: 1 the domain, 2 the range; 0 before any.
    int mixchoice() const { return m_mixchoice; }

    shell::Label* Label1; // the instruction
    shell::Frame* Frame3; // the rule line
    shell::Label* Label2; // "x "
    shell::PictureBox* Image2;
    shell::Label* Label3; // the rule
    shell::Frame* Frame1; // Domain
    shell::LabelArray Label4;
    shell::PictureBox* Image1; // the arrows from domain to range
    shell::Frame* Frame2;      // Range
    shell::LabelArray Label5;  // Label5[i] is the image of Label4[i]
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;

protected:
    void loadActivity() override;
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
    // The column the current question hides, by mode and, in Mixed, by mixchoice.
    const shell::LabelArray& hiddenColumn() const;

    Mode m_mode = Mode::FindRange;
    int m_mixchoice = 0;
    Question m_question; // the one on show
};

// Registers the screen under its name, with the clock-seeded random source.
void defineScreens(shell::Screens& screens);

} // namespace mappings
