#include "angles/activity.h"

#include "angles/parallellines.h"
#include "angles/polygon.h"
#include "shell/core/numbertext.h"

#include <array>

namespace angles {
namespace {

using shell::Drawing;
using shell::FigureState;
using shell::TextMeasure;

// The figure every parallel lines question refers to: the transversal crosses the upper line
// with a above-left, b above-right, c below-left and d below-right, and the lower line likewise
// with e to h. The arrowheads mark the lines as parallel.
constexpr std::string_view kParallelTextFigure = "                             /\n"
                                                 "                         a  /  b\n"
                                                 "          ---->------------/----------------\n"
                                                 "                        c /  d\n"
                                                 "                         /\n"
                                                 "                        /\n"
                                                 "                    e  /  f\n"
                                                 "          ------------/------------>--------\n"
                                                 "                   g /  h\n"
                                                 "                    /\n";

constexpr shell::FontStyle kAngleFont{kAngleLabelPoints, true};

// The lines and the eight angle labels; the solution shows every angle's size.
Drawing parallelFigure(const ParallelLinesQuestion& q, const ParallelLinesSolution& solution, FigureState state,
                       const TextMeasure& measure)
{
    Drawing drawing;
    drawing.area = {1900, 2550, 7850, 4150};
    drawing.add(shell::Figure(kParallelLines.begin(), kParallelLines.end()));
    for (std::size_t i = 0; i < kAngleLabels.size(); ++i) {
        const std::string caption = state == FigureState::Solution
                                        ? shell::numtext::whole(static_cast<long long>(solution.angles[i]))
                                        : q.captions[i];
        const shell::TextSize size = measure.measure(caption, kAngleFont);
        const double left = angleLabelLeft(static_cast<int>(i), q.given, size.width);
        drawing.add(shell::TextMark{{left, static_cast<double>(kAngleLabels[i].top), size.width, size.height},
                                    caption, kAngleFont, shell::colour::white, shell::Align::Left});
    }
    return drawing;
}

shell::Exercise parallelExercise(int, shell::RandomSource& draws)
{
    const ParallelLinesQuestion q = makeParallelLinesQuestion(draws);
    // A fresh question always has exactly one given caption, so there is always a solution.
    const ParallelLinesSolution solution = solveParallelLines(q.captions).value();
    shell::Exercise e;
    e.question = {q.question};
    e.answer = {solution.firstLine, solution.secondLine};
    e.figure = [q, solution](FigureState state, const TextMeasure& measure) {
        return parallelFigure(q, solution, state, measure);
    };
    e.fields = {{"given", q.given},
                {"labels", shell::Json::list(q.captions)},
                {"question", q.question},
                {"answer", shell::Json::list(e.answer)}};
    return e;
}

shell::SheetIntro parallelIntro(int)
{
    return {.textFigure = std::string(kParallelTextFigure)};
}

constexpr int kTriangles = 0;
constexpr int kCentreAngle = 1;

constexpr shell::FontStyle kLabel2Font{12, true};        // "a": the interior angle
constexpr shell::FontStyle kLabel3Font{9.75, true};      // "b": the centre angle
constexpr shell::FontStyle kLabel4Font{9.75, true, false, true}; // "a" over
constexpr shell::FontStyle kLabel5Font{9.75, true};      // "2"

LabelSize sizeOf(const TextMeasure& measure, std::string_view text, const shell::FontStyle& font)
{
    const shell::TextSize size = measure.measure(text, font);
    return {size.width, size.height};
}

void addLabel(Drawing& drawing, LabelPlace place, LabelSize size, std::string text, const shell::FontStyle& font)
{
    drawing.add(shell::TextMark{{place.left, place.top, size.width, size.height}, std::move(text), font,
                                shell::colour::yellow, shell::Align::Left});
}

Drawing polygonFigure(int mode, const Polygon& polygon, FigureState state, const TextMeasure& measure)
{
    Drawing drawing;
    const double half = kPolygonRadius + 150;
    drawing.area = {kPolygonCentre.x - half, kPolygonCentre.y - half, 2 * half, 2 * half};
    const bool solved = state == FigureState::Solution;
    if (mode == kTriangles) {
        drawing.add(solved ? trianglesSolutionFigure(polygon) : trianglesQuestionFigure(polygon));
        return drawing;
    }
    const LabelSize a = sizeOf(measure, "a", kLabel2Font);
    if (!solved) {
        drawing.add(centreAngleQuestionFigure(polygon));
        addLabel(drawing, angleMark(polygon, a).label2, a, "a", kLabel2Font);
        return drawing;
    }
    drawing.add(centreAngleSolutionFigure(polygon));
    const LabelSize b = sizeOf(measure, "b", kLabel3Font);
    const CentreAngleLabels places = centreAngleLabels(polygon, a, b);
    addLabel(drawing, places.label3, b, "b", kLabel3Font);
    addLabel(drawing, places.label4, sizeOf(measure, "a", kLabel4Font), "a", kLabel4Font);
    addLabel(drawing, places.label5, sizeOf(measure, "2", kLabel5Font), "2", kLabel5Font);
    return drawing;
}

shell::Exercise polygonExercise(int mode, shell::RandomSource& draws)
{
    const PolygonQuestion q = makePolygonQuestion(draws);
    const int sides = q.polygon.sides;
    shell::Exercise e;
    e.question = {q.question};
    if (mode == kTriangles) {
        const TrianglesSolution solution = trianglesSolution(sides);
        e.answer.push_back(solution.text);
        if (solution.showExplanation)
            e.answer.push_back(solution.explanation);
    } else {
        e.answer.push_back(centreAngleSolution(sides));
    }
    e.figure = [mode, polygon = q.polygon](FigureState state, const TextMeasure& measure) {
        return polygonFigure(mode, polygon, state, measure);
    };
    e.fields = {{"kind", mode + 1}, {"sides", sides}, {"question", q.question}, {"solution", shell::Json::list(e.answer)}};
    return e;
}

constexpr std::array<shell::Mode, 2> kPolygonModes{{
    {"Split into triangles", "triangles", "Triangles"},
    {"Angle at the centre", "central-angle", "Central Angle"},
}};

constexpr std::array<shell::Activity, 2> kActivities{{
    {
        .screen = "parallel",
        .sheet = "parallel-lines",
        .caption = "Angles and Parallel Lines",
        .menu = 1,
        .position = 3,
        .jsonHelp = "given (0-7, a to h), labels (the eight angle captions), question,\n"
                    "answer (the two answer lines)",
        .intro = parallelIntro,
        .questions = shell::freshQuestions<parallelExercise>,
        .countdownCorner = shell::Corner::RightMiddle,
    },
    {
        .screen = "polygons",
        .sheet = "polygons",
        .caption = "Interior Angles of Polygons",
        .menu = 5,
        .position = 3,
        .modes = kPolygonModes,
        .jsonHelp = "kind (1 triangles, 2 central angle), sides (3-12), question,\n"
                    "solution (a list of texts)",
        .questions = shell::freshQuestions<polygonExercise>,
        .countdownCorner = shell::Corner::BottomLeft,
    },
}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace angles
