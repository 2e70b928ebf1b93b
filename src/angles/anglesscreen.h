// The Angles screen. As `parallel` (topic "Angles and Parallel Lines" of menu1) it asks the
// parallel lines problem, building each question on a one-shot timer tick once the screen is on
// the display. As `polygons` (topic "Interior Angles of Polygons" of menu5) it keeps to the
// polygon problem, in the kind its two mode option buttons choose. One problem kind dispatches
// the next-question and solution buttons: 1 triangles, 2 angle at the centre, 3 parallel lines.
#pragma once

#include "angles/activity.h"

#include "angles/parallellines.h"
#include "angles/polygon.h"
#include "shell/activityscreen.h"

#include <array>
#include <string>

namespace shell {
class Screens;
}

namespace angles {

// Which topic opened the screen.
enum class AnglesTopic { ParallelLines, Polygons };

class AnglesScreen : public shell::ActivityScreen {
    Q_OBJECT
public:
    static inline const QString kParallelName = shell::qtext(activities()[0].screen);
    static inline const QString kPolygonsName = shell::qtext(activities()[1].screen);

    enum ProblemKind { Triangles = 1, CentreAngle = 2, ParallelLines = 3 };

    AnglesScreen(shell::Screens& screens, AnglesTopic topic);

    AnglesTopic topic() const { return m_topic; }
    int problemKind() const { return m_kind; }

    shell::Label* Label1; // the question
    shell::LineControl* Line1;
    shell::LineControl* Line2;
    shell::LineControl* Line3;
    shell::LineControl* Line4;
    shell::LineControl* Line5;
    shell::LineControl* Line6;
    shell::LineControl* Line7;
    shell::LabelArray Label7;               // the angles a to h
    shell::Label* Label2;                   // "a", the polygon's interior angle
    shell::Label* Label3;                   // "b", the angle at the centre
    shell::Label* Label4;                   // "a" over
    shell::Label* Label5;                   // "2"
    shell::Label* Label8;                   // the triangles explanation
    shell::Frame* Frame1;                   // "Answer"
    shell::Label* Label6;                   // first answer line, or the polygon solution
    shell::Label* Label9;                   // second answer line
    shell::Timer* Timer1;                   // builds the parallel lines question, once per start
    shell::OptionButton* Option1 = nullptr; // polygons only: "Split into triangles"
    shell::OptionButton* Option2 = nullptr; // polygons only: "Angle at the centre"

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
    void makeQuestion();
    // Hides the question on show and its solution.
    void clearQuestion();
    void setUpParallelLines(); // Timer1's tick
    void showParallelLines(const ParallelLinesQuestion& question);
    void showTriangles(const PolygonQuestion& question);
    void showCentreAngle(const PolygonQuestion& question);
    void showsoln2();
    void calculate2();
    void calculate();
    void showsoln3();
    void showsoln();
    void drawangle();
    void questionText(const std::string& question);
    void placeParallelAnswer();
    void showPolygonAnswer(const std::string& text);

    AnglesTopic m_topic;
    int m_kind = ParallelLines;
    std::array<double, kAngleCount> m_angles{}; // a to h, filled by the solution
    bool m_parallelQuestionSet = false;         // until the first tick the labels hold "999", "99"
    Polygon m_polygon;                          // no sides until the first polygon question
    ParallelLinesQuestion m_parallelQuestion;   // the one on show, once set
    std::string m_polygonText;                  // the polygon question on show
};

// Defines `parallel` and `polygons`.
void defineScreens(shell::Screens& screens);

} // namespace angles
