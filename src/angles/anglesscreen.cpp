#include "angles/anglesscreen.h"

#include "angles/activity.h"

#include "shell/toolkit/screens.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace angles {
namespace {

using shell::FontSpec;
using shell::TwipRect;


// The answer frame under the parallel lines, two lines that size to their text.
constexpr TwipRect kParallelFrame{150, 6705, 8565, 1230};
constexpr TwipRect kLabel6Place{90, 240, 2415, 375};
constexpr TwipRect kLabel9Place{90, 675, 2415, 375};

// A polygon's answer is a column left of the figure (leftmost point 3750 twips) and its
// explanation a column right of it (rightmost point 8250): solution, figure and result read
// from left to right, and neither covers the figure. The two texts are equally wide, start
// level and keep the same margin from the window's sides (its client area is 11880 wide).
constexpr double kPolygonFrameLeft = 120;
constexpr double kPolygonFrameTop = 2160;
constexpr double kPolygonFrameWidth = 3480;
constexpr double kPolygonTextIndent = 90;
constexpr double kPolygonTextTop = 240;
constexpr double kPolygonTextWidth = kPolygonFrameWidth - 2 * kPolygonTextIndent;
constexpr double kPolygonFrameBottomMargin = 150;

// The labels, in twips: left, top, width, height.
constexpr TwipRect kLabel1Place{600, 0, 10770, 1965};
constexpr TwipRect kLabel2Place{1320, 1680, 150, 285};
constexpr TwipRect kLabel3Place{1320, 2160, 120, 240};
constexpr TwipRect kLabel4Place{1680, 1680, 120, 240};
constexpr TwipRect kLabel5Place{1680, 1860, 120, 240};
constexpr TwipRect kLabel8Place{8370, kPolygonFrameTop + kPolygonTextTop, kPolygonTextWidth, 2085};

constexpr TwipRect kModePlaces[] = {{9570, 5775, 2250, 435}, {9570, 6225, 2250, 435}};

constexpr double kQuestionDesignPoints = 39.75;
constexpr double kAnswerPoints = 15.75;
constexpr int kDrawWidth = 5; // pixels

// A yellow label, hidden as designed.
shell::Label* makeLabel(QWidget* container, const char* name, const TwipRect& place, const FontSpec& font,
                        const char* caption)
{
    shell::Label* label =
        shell::makeLabel(container, QLatin1String(name), place, {font}, QString::fromUtf8(caption));
    label->setVisible(false);
    return label;
}

shell::LineControl* makeLine(QWidget* container, int index)
{
    const shell::Segment& line = kParallelLines[static_cast<std::size_t>(index)];
    return new shell::LineControl(container, QStringLiteral("Line%1").arg(index + 1), line.from, line.to,
                                  line.colour, line.widthPixels);
}

LabelSize sizeOf(const shell::Label* label)
{
    return {label->widthTwips(), label->heightTwips()};
}

void moveTo(shell::Label* label, LabelPlace place)
{
    label->moveTwips(place.left, place.top);
}

} // namespace

AnglesScreen::AnglesScreen(shell::Screens& screens, AnglesTopic topic)
    : ActivityScreen(screens, activities()[topic == AnglesTopic::Polygons ? 1 : 0])
    , Label7(this, QStringLiteral("Label7"))
    , m_topic(topic)
{
    Label1 = makeLabel(this, "Label1", kLabel1Place, {"Tahoma", kQuestionDesignPoints},
                       "What are the interior angles of a square?");
    Label1->setAlign(shell::Align::Centre);

    Line1 = makeLine(this, 0);
    Line2 = makeLine(this, 1);
    Line3 = makeLine(this, 2);
    Line4 = makeLine(this, 3);
    Line5 = makeLine(this, 4);
    Line6 = makeLine(this, 5);
    Line7 = makeLine(this, 6);
    for (shell::LineControl* line : {Line1, Line2, Line3})
        line->setVisible(false);

    for (int i = 0; i < kAngleCount; ++i) {
        const AngleLabel& design = kAngleLabels[static_cast<std::size_t>(i)];
        shell::Label* label = Label7.add(i);
        label->setTwipGeometry(design.left, design.top, design.width, kAngleLabelHeight);
        label->setFontSpec({"Tahoma", kAngleLabelDesignPoints, true});
        label->setAlign(shell::Align::Centre);
        label->setForeColor(shell::colour::yellow);
        label->setWrap(false);
        label->setAutoSize(true);
        label->setCaption(shell::qtext(design.designCaption));
        label->setVisible(false);
    }

    Label2 = makeLabel(this, "Label2", kLabel2Place, {"Tahoma", 12, true}, "a");
    Label3 = makeLabel(this, "Label3", kLabel3Place, {"Tahoma", 9.75, true}, "b");
    Label4 = makeLabel(this, "Label4", kLabel4Place, {"Tahoma", 9.75, true, true}, "a");
    Label5 = makeLabel(this, "Label5", kLabel5Place, {"Tahoma", 9.75, true}, "2");
    Label8 = makeLabel(this, "Label8", kLabel8Place, {"Tahoma", kAnswerPoints},
                       "As 2 times 180° equals 4 times the interior angle, the interior is 90°.");
    Label8->setAutoSize(true); // keeps its width, takes the height its wrapped text needs
    Label8->setStackedFractions(true);

    Frame1 = new shell::Frame(this, QStringLiteral("Frame1"));
    Frame1->setTwipGeometry(kParallelFrame);
    Frame1->setCaption(QStringLiteral("Answer"));
    Frame1->setForeColor(shell::colour::white);
    Frame1->setFontSpec({"Tahoma", 9.75, true});
    Frame1->setVisible(false);
    addOwnFrame(Frame1);
    Label6 = makeLabel(Frame1, "Label6", kLabel6Place, {"Tahoma", kAnswerPoints}, "Given angle = 99");
    Label9 = makeLabel(Frame1, "Label9", kLabel9Place, {"Tahoma", kAnswerPoints}, "Given angle = 99");
    for (shell::Label* line : {Label6, Label9}) {
        line->setWrap(false);
        line->setAutoSize(true);
        line->setVisible(true);
    }
    Label6->setStackedFractions(true); // the polygon solutions

    Timer1 = new shell::Timer(this, QStringLiteral("Timer1"), 1);
    Timer1->onTick = [this] { setUpParallelLines(); };

    if (m_topic == AnglesTopic::Polygons) {
        // The arrowheads belong to the parallel lines; over a polygon they would be stray marks.
        for (shell::LineControl* line : {Line4, Line5, Line6, Line7})
            line->setVisible(false);
        const auto options = addModeOptions(activities()[1], kModePlaces);
        Option1 = options[0];
        Option2 = options[1];
    }
}

void AnglesScreen::loadActivity()
{
    setDrawWidth(kDrawWidth);
    if (m_topic == AnglesTopic::Polygons)
        m_kind = Option2->isChecked() ? CentreAngle : Triangles;
    else
        m_kind = ParallelLines;
}

void AnglesScreen::startFirstQuestion()
{
    makeQuestion();
}

void AnglesScreen::makeQuestion()
{
    switch (m_kind) {
    case Triangles:
        calculate2();
        break;
    case CentreAngle:
        calculate();
        break;
    case ParallelLines:
        Timer1->setEnabled(true);
        break;
    default:
        break;
    }
}

void AnglesScreen::clearQuestion()
{
    for (shell::LineControl* line : {Line1, Line2, Line3})
        line->setVisible(false);
    Label1->setVisible(false);
    for (int i = 0; i < kAngleCount; ++i)
        Label7[i]->setVisible(false);
    for (QWidget* control : std::initializer_list<QWidget*>{Label2, Label3, Label4, Label5, Frame1, Label8})
        control->setVisible(false);
    clearDrawing();
}

void AnglesScreen::nextQuestion()
{
    clearQuestion();
    draws().reseed();
    if (m_topic == AnglesTopic::ParallelLines)
        m_kind = ParallelLines;
    makeQuestion();
    cmdsoln->setVisible(true);
}

void AnglesScreen::showSolution()
{
    switch (m_kind) {
    case Triangles:
        showsoln3();
        break;
    case CentreAngle:
        showsoln();
        break;
    case ParallelLines:
        showsoln2();
        break;
    default:
        break;
    }
}

bool AnglesScreen::solutionShown() const
{
    return Frame1->isVisibleTo(this);
}

void AnglesScreen::hideSolution()
{
    if (!solutionShown())
        return;
    Frame1->setVisible(false);
    if (m_kind == ParallelLines)
        return;
    // Back to the figure the question showed.
    clearDrawing();
    if (m_kind == Triangles) {
        Label8->setVisible(false);
        drawFigure(trianglesQuestionFigure(m_polygon));
    } else {
        for (shell::Label* label : {Label3, Label4, Label5})
            label->setVisible(false);
        Label2->setVisible(true);
        drawFigure(centreAngleQuestionFigure(m_polygon));
    }
}

void AnglesScreen::modeChosen(int option)
{
    m_kind = option == 0 ? Triangles : CentreAngle;
}

namespace {

// A question kept for showing again: its kind and what that kind drew.
struct Kept {
    int kind = AnglesScreen::ParallelLines;
    ParallelLinesQuestion parallel;
    PolygonQuestion polygon;
};

} // namespace

std::any AnglesScreen::questionSnapshot() const
{
    // Before the first parallel lines question is built there is nothing to show again.
    if (m_kind == ParallelLines && !m_parallelQuestionSet)
        return {};
    return Kept{m_kind, m_parallelQuestion, {m_polygon, m_polygonText}};
}

void AnglesScreen::restoreQuestion(const std::any& snapshot)
{
    const auto* kept = std::any_cast<Kept>(&snapshot);
    if (!kept)
        return;
    clearQuestion();
    Timer1->setEnabled(false);
    m_kind = kept->kind;
    switch (m_kind) {
    case Triangles:
        showModeChosen(0);
        showTriangles(kept->polygon);
        break;
    case CentreAngle:
        showModeChosen(1);
        showCentreAngle(kept->polygon);
        break;
    default:
        showParallelLines(kept->parallel);
        break;
    }
    cmdsoln->setVisible(true);
}

// --- Parallel lines ---------------------------------------------------------------------------

void AnglesScreen::setUpParallelLines()
{
    // An answer shown while this question was still to come belongs to the previous question.
    Frame1->setVisible(false);
    showParallelLines(makeParallelLinesQuestion(draws()));
}

void AnglesScreen::showParallelLines(const ParallelLinesQuestion& question)
{
    m_parallelQuestion = question;
    for (int i = 0; i < kAngleCount; ++i) {
        shell::Label* label = Label7[i];
        label->setCaption(shell::qtext(question.captions[static_cast<std::size_t>(i)]));
        label->setFontPoints(kAngleLabelPoints);
        label->setLeftTwips(angleLabelLeft(i, question.given, label->widthTwips()));
    }
    Label1->setFontPoints(kParallelQuestionPoints);
    Label1->setCaption(shell::qtext(question.question));

    for (shell::LineControl* line : {Line1, Line2, Line3, Line4, Line5, Line6, Line7})
        line->setVisible(true);
    Label1->setVisible(true);
    for (int i = 0; i < kAngleCount; ++i)
        Label7[i]->setVisible(true);
    cmdgo->setVisible(true);
    cmdsoln->setVisible(true);
    Timer1->setEnabled(false);
    m_parallelQuestionSet = true;
}

void AnglesScreen::showsoln2()
{
    // Before the first question's tick the angle labels still carry their design captions, which
    // would read as a given angle of 999 degrees: there is nothing to solve yet.
    if (!m_parallelQuestionSet)
        return;
    // The given angle is read back from the captions as they stand.
    std::array<std::string, kAngleCount> captions;
    for (int i = 0; i < kAngleCount; ++i)
        captions[static_cast<std::size_t>(i)] = Label7[i]->caption().toStdString();
    const std::optional<ParallelLinesSolution> solution = solveParallelLines(captions);
    if (!solution)
        return;
    m_angles = solution->angles;
    placeParallelAnswer();
    Label6->setCaption(shell::qtext(solution->firstLine));
    Label9->setCaption(shell::qtext(solution->secondLine));
    Frame1->setVisible(true);
}

void AnglesScreen::placeParallelAnswer()
{
    Frame1->setTwipGeometry(kParallelFrame);
    Label6->setWrap(false);
    Label6->moveTwips(kLabel6Place.left, kLabel6Place.top);
    Label9->setVisible(true);
}

// --- Polygons ---------------------------------------------------------------------------------

void AnglesScreen::questionText(const std::string& question)
{
    Label1->setCaption(shell::qtext(question));
    Label1->setVisible(true);
}

void AnglesScreen::calculate2()
{
    showTriangles(makePolygonQuestion(draws()));
}

void AnglesScreen::showTriangles(const PolygonQuestion& question)
{
    m_polygon = question.polygon;
    m_polygonText = question.question;
    drawFigure(trianglesQuestionFigure(m_polygon));
    questionText(question.question);
}

void AnglesScreen::calculate()
{
    showCentreAngle(makePolygonQuestion(draws()));
}

void AnglesScreen::showCentreAngle(const PolygonQuestion& question)
{
    m_polygon = question.polygon;
    m_polygonText = question.question;
    drawangle();
    Label2->setVisible(true);
    drawFigure(centreAngleQuestionFigure(m_polygon));
    questionText(question.question);
}

void AnglesScreen::drawangle()
{
    // The kite itself is part of the figures; here "a" goes above its tip.
    moveTo(Label2, angleMark(m_polygon, sizeOf(Label2)).label2);
}

void AnglesScreen::showsoln3()
{
    if (m_polygon.sides == 0)
        return;
    const TrianglesSolution solution = trianglesSolution(m_polygon.sides);
    showPolygonAnswer(solution.text);
    Label8->setCaption(shell::qtext(solution.explanation));
    Label8->setVisible(solution.showExplanation);
    clearDrawing();
    drawFigure(trianglesSolutionFigure(m_polygon));
}

void AnglesScreen::showsoln()
{
    if (m_polygon.sides == 0)
        return;
    const CentreAngleLabels places = centreAngleLabels(m_polygon, sizeOf(Label2), sizeOf(Label3));
    Label2->setVisible(false);
    moveTo(Label4, places.label4);
    moveTo(Label5, places.label5);
    moveTo(Label3, places.label3);
    for (shell::Label* label : {Label3, Label4, Label5})
        label->setVisible(true);
    showPolygonAnswer(centreAngleSolution(m_polygon.sides));
    clearDrawing();
    drawangle();
    drawFigure(centreAngleSolutionFigure(m_polygon));
}

void AnglesScreen::showPolygonAnswer(const std::string& text)
{
    // One wrapped text in a column as tall as it needs.
    Label9->setVisible(false);
    Label6->setTwipGeometry(kPolygonTextIndent, kPolygonTextTop, kPolygonTextWidth, kLabel6Place.height);
    Label6->setWrap(true);
    Label6->setCaption(shell::qtext(text));
    Label6->setVisible(true);
    Frame1->setTwipGeometry(kPolygonFrameLeft, kPolygonFrameTop, kPolygonFrameWidth,
                            kPolygonTextTop + Label6->heightTwips() + kPolygonFrameBottomMargin);
    Frame1->setVisible(true);
}

void defineScreens(shell::Screens& screens)
{
    screens.define(AnglesScreen::kParallelName,
                   [](shell::Screens& s) { return new AnglesScreen(s, AnglesTopic::ParallelLines); });
    screens.define(AnglesScreen::kPolygonsName,
                   [](shell::Screens& s) { return new AnglesScreen(s, AnglesTopic::Polygons); });
}

} // namespace angles
