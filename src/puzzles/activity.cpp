#include "puzzles/activity.h"

#include "puzzles/puzzles.h"
#include "shell/core/numberforms.h"

#include <array>
#include <string>

namespace puzzles {
namespace {

using shell::Drawing;
using shell::FigureState;
using shell::FontStyle;
using shell::PointTwips;
using shell::textMark;
using shell::TextMeasure;
using shell::TwipRect;
using shell::forms::N;
using shell::forms::Sub;

constexpr int kArithmagon = 0;
constexpr int kNegative = 1;
constexpr int kPyramid = 2;
constexpr int kMixed = 3;
constexpr std::array<std::string_view, 3> kKindNames{"arithmagon", "arithmagon-negative", "pyramid"};
constexpr std::string_view kArithmagonInstruction = "Each box is the sum of the two circles it joins.";
constexpr std::string_view kPyramidInstruction = "Each brick is the sum of the two bricks below it.";

// The working stands beside the figure, in 18 pt lines (twips).
constexpr shell::Panel kBesideFigure{5400, 1800, 4680, shell::kSmallWorkingPitch, shell::kSmallWorkingPoints};

constexpr double kLineWidth = 3 * shell::kTwipsPerPixel;
constexpr FontStyle kNumberFont{27.75, true};
constexpr FontStyle kStepFont{15.75, true};

// The arithmagon's circles and the boxes on the lines between them, in twips.
constexpr double kCircleRadius = 660;
constexpr PointTwips kTopCircle{2760, 2460};
constexpr PointTwips kLeftCircle{900, 5640};
constexpr PointTwips kRightCircle{4620, 5640};
constexpr double kBoxWidth = 1320;
constexpr double kBoxHeight = 840;
constexpr PointTwips kLeftBox{1830, 4050};
constexpr PointTwips kRightBox{3690, 4050};
constexpr PointTwips kBottomBox{2760, 5640};

TwipRect boxAround(PointTwips centre, double width, double height)
{
    return {centre.x - width / 2, centre.y - height / 2, width, height};
}

Drawing arithmagonFigure(const Arithmagon& a, FigureState state)
{
    Drawing drawing;
    drawing.area = {kLeftCircle.x - kCircleRadius - 30, kTopCircle.y - kCircleRadius - 30,
                    kRightCircle.x - kLeftCircle.x + 2 * kCircleRadius + 60,
                    kLeftCircle.y - kTopCircle.y + 2 * kCircleRadius + 60};
    const auto white = shell::colour::white;
    for (const auto& [from, to] :
         {std::pair{kTopCircle, kLeftCircle}, {kTopCircle, kRightCircle}, {kLeftCircle, kRightCircle}})
        drawing.add(shell::LineMark{from, to, white, kLineWidth});
    const std::array<std::pair<PointTwips, int>, 3> circles{
        {{kTopCircle, a.top}, {kLeftCircle, a.left}, {kRightCircle, a.right}}};
    const std::array<std::pair<PointTwips, int>, 3> boxes{
        {{kLeftBox, a.leftBox()}, {kRightBox, a.rightBox()}, {kBottomBox, a.bottomBox()}}};
    for (const auto& [centre, value] : circles)
        drawing.add(shell::CircleMark{centre, kCircleRadius, shell::colour::screenBlue, white, kLineWidth});
    for (const auto& [centre, value] : boxes) {
        const TwipRect box = boxAround(centre, kBoxWidth, kBoxHeight);
        drawing.add(shell::BoxMark{box, shell::colour::screenBlue, white, kLineWidth});
        drawing.add(textMark(box, N(value), kNumberFont, white));
    }
    if (state == FigureState::Solution) {
        for (const auto& [centre, value] : circles)
            drawing.add(textMark(boxAround(centre, 2 * kCircleRadius, 2 * kCircleRadius), N(value),
                                 kNumberFont, shell::colour::yellow));
    }
    return drawing;
}

shell::Exercise arithmagonExercise(const Arithmagon& a)
{
    const int l = a.leftBox();
    const int r = a.rightBox();
    const int b = a.bottomBox();
    // Each circle is in two boxes, so the boxes add up to twice the circles' total.
    const int s = (l + r + b) / 2;
    shell::Exercise e;
    e.instruction = kArithmagonInstruction;
    e.question = {"Find the circle numbers."};
    e.described = {"Left box " + N(l) + ", right box " + N(r) + ", bottom box " + N(b)};
    e.answer = {"Top " + N(a.top) + ", left " + N(a.left) + ", right " + N(a.right)};
    e.working = {"Add the boxes:",
                 shell::forms::Sum({l, r, b}) + " = " + N(2 * s),
                 "Each circle counts twice:",
                 N(2 * s) + " \u00f7 2 = " + N(s),
                 "Top = " + Sub(s, b) + " = " + N(a.top),
                 "Left = " + Sub(s, r) + " = " + N(a.left),
                 "Right = " + Sub(s, l) + " = " + N(a.right)};
    e.figure = [a](FigureState state, const TextMeasure&) { return arithmagonFigure(a, state); };
    return e;
}

// Each brick's top-left corner, in twips, by brick number from 1.
constexpr double kBrickWidth = 1200;
constexpr double kBrickHeight = 600;
constexpr std::array<PointTwips, kBricks + 1> kBrickCorners{{{0, 0},
                                                             {240, 4800},
                                                             {1440, 4800},
                                                             {2640, 4800},
                                                             {3840, 4800},
                                                             {840, 4200},
                                                             {2040, 4200},
                                                             {3240, 4200},
                                                             {1440, 3600},
                                                             {2640, 3600},
                                                             {2040, 3000}}};

int brick(const Pyramid& p, int number)
{
    return p.bricks[static_cast<std::size_t>(number)];
}

Drawing pyramidFigure(const Pyramid& p, FigureState state, const TextMeasure& measure)
{
    Drawing drawing;
    drawing.area = {240 - 30, 3000 - 30, 4 * kBrickWidth + 60, 4 * kBrickHeight + 60};
    for (int b = 1; b <= kBricks; ++b) {
        const PointTwips corner = kBrickCorners[static_cast<std::size_t>(b)];
        const TwipRect place{corner.x, corner.y, kBrickWidth, kBrickHeight};
        drawing.add(shell::BoxMark{place, std::nullopt, shell::colour::white, kLineWidth});
        if (p.isShown(b))
            drawing.add(textMark(place, N(brick(p, b)), kNumberFont, shell::colour::white));
    }
    if (state == FigureState::Solution) {
        for (int i = 0; i < p.steps.count; ++i) {
            const int found = p.steps.steps[static_cast<std::size_t>(i)].found;
            const PointTwips corner = kBrickCorners[static_cast<std::size_t>(found)];
            drawing.add(textMark({corner.x, corner.y, kBrickWidth, kBrickHeight}, N(brick(p, found)),
                                 kNumberFont, shell::colour::yellow));
            const std::string step = N(i + 1);
            const shell::TextSize size = measure.measure(step, kStepFont);
            drawing.add(textMark({corner.x + 60, corner.y + 30, size.width, size.height}, step, kStepFont,
                                 shell::colour::orange, shell::Align::Left));
        }
    }
    return drawing;
}

// A row of bricks as the question describes it: shown numbers, "?" for hidden ones.
std::string row(const Pyramid& p, std::string_view name, int first, int last)
{
    std::string text(name);
    for (int b = first; b <= last; ++b)
        text += (b > first ? ", " : "") + (p.isShown(b) ? N(brick(p, b)) : std::string("?"));
    return text;
}

std::string stepLine(const Pyramid& p, int index, const Step& step)
{
    const Triple& t = kTriples[static_cast<std::size_t>(step.triple)];
    const std::string start = "Step " + N(index) + ": ";
    if (step.found == t.parent)
        return start + N(brick(p, t.left)) + " + " + N(brick(p, t.right)) + " = " + N(brick(p, t.parent));
    const int other = step.found == t.left ? t.right : t.left;
    return start + N(brick(p, t.parent)) + " \u2212 " + N(brick(p, other)) + " = " + N(brick(p, step.found));
}

shell::Exercise pyramidExercise(const Pyramid& p)
{
    shell::Exercise e;
    e.instruction = kPyramidInstruction;
    e.question = {"Find the missing bricks."};
    e.described = {row(p, "Top row: ", 10, 10), row(p, "Row 2: ", 8, 9), row(p, "Row 3: ", 5, 7),
                   row(p, "Bottom row: ", 1, 4)};
    e.answer = {"Bottom row: " + N(brick(p, 1)) + ", " + N(brick(p, 2)) + ", " + N(brick(p, 3)) + ", " +
                N(brick(p, 4))};
    for (int i = 0; i < p.steps.count; ++i)
        e.working.emplace_back(stepLine(p, i + 1, p.steps.steps[static_cast<std::size_t>(i)]));
    e.figure = [p](FigureState state, const TextMeasure& measure) {
        return pyramidFigure(p, state, measure);
    };
    return e;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    shell::Exercise e;
    shell::Json data = shell::Json::object({{"kind", kKindNames[static_cast<std::size_t>(kind)]}});
    if (kind == kPyramid) {
        const Pyramid p = drawPyramid(draws);
        e = pyramidExercise(p);
        data.add("bottom", shell::Json::array({brick(p, 1), brick(p, 2), brick(p, 3), brick(p, 4)}));
        data.add("shown", shell::Json::list(p.shown));
    } else {
        const Arithmagon a = drawArithmagon(kind == kNegative, draws);
        e = arithmagonExercise(a);
        data.add("top", a.top);
        data.add("left", a.left);
        data.add("right", a.right);
        data.add("boxes", shell::Json::object(
                              {{"left", a.leftBox()}, {"right", a.rightBox()}, {"bottom", a.bottomBox()}}));
    }
    e.layout.working = kBesideFigure;
    shell::setStandardFields(e, std::move(data));
    return e;
}

shell::SheetIntro intro(int mode)
{
    shell::SheetIntro sheet;
    if (mode != kMixed)
        sheet.instruction = mode == kPyramid ? kPyramidInstruction : kArithmagonInstruction;
    return sheet;
}

constexpr std::array<shell::Mode, 4> kModes{{
    {"Arithmagons", "arithmagon"},
    {"Negative arithmagons", "arithmagon-negative"},
    {"Number pyramids", "pyramid"},
    {"Mixed", "mixed"},
}};

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "puzzles",
    .sheet = "puzzles",
    .caption = "Puzzles",
    .menu = 5,
    .position = 4,
    .modes = kModes,
    .jsonHelp = "instruction, question (the question line, then the boxes or the\n"
                "pyramid's rows, \"?\" for a hidden brick), answer, solution,\n"
                "data: kind (arithmagon, arithmagon-negative, pyramid); an arithmagon's\n"
                "top, left, right and boxes {left, right, bottom}; a pyramid's bottom\n"
                "(the bottom row's four numbers) and shown (four brick numbers, 1-4 the\n"
                "bottom row from the left, 5-7, 8-9, 10 the top)",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace puzzles
