#include "circumcircles/activity.h"

#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace circumcircles {
namespace {

using shell::drawWhole;
using shell::Drawing;
using shell::FigureState;
using shell::Json;
using shell::PointTwips;
using shell::TextMeasure;
using shell::forms::D;
using shell::forms::N;

enum Kind { kCircumcircle, kIncircle, kInOrOut, kMixed };

constexpr std::array<shell::Mode, 4> kModes{{
    {"Circumcircle", "circumcircle"},
    {"Incircle", "incircle"},
    {"In or out?", "in-or-out"},
    {"Mixed", "mixed"},
}};

constexpr std::array<const char*, 3> kInstructions{
    "Find R, the radius of the circumcircle.",
    "Find r, the radius of the incircle.",
    "Where is the centre of the circumcircle?",
};

// The figure on the stage, in twips: the circumcircle's centre and radius, the room the figure
// may take, and its lines 3 px wide unless said otherwise.
constexpr PointTwips kCentre{2600, 4300};
constexpr double kRadius = 1400;
constexpr shell::TwipRect kArea{240, 2250, 4650, 4350};
constexpr double kThick = 3 * shell::kTwipsPerPixel;
constexpr double kThin = 2 * shell::kTwipsPerPixel;
constexpr double kDot = 50;
constexpr shell::FontStyle kLabelFont{20.25};

PointTwips operator+(PointTwips p, PointTwips q)
{
    return {p.x + q.x, p.y + q.y};
}
PointTwips operator-(PointTwips p, PointTwips q)
{
    return {p.x - q.x, p.y - q.y};
}
PointTwips operator*(double k, PointTwips p)
{
    return {k * p.x, k * p.y};
}
double dot(PointTwips p, PointTwips q)
{
    return p.x * q.x + p.y * q.y;
}

// A label on an opaque box of the stage blue, so no line crosses it.
void addLabel(Drawing& drawing, shell::TwipRect rect, std::string text, shell::Rgb colour = shell::colour::white)
{
    drawing.add(shell::TextMark{rect, std::move(text), kLabelFont, colour, shell::Align::Centre,
                                shell::colour::screenBlue});
}

void addCentre(Drawing& drawing, PointTwips centre, double radius)
{
    drawing.add(shell::CircleMark{centre, radius, std::nullopt, shell::colour::orange, kThick});
    drawing.add(shell::CircleMark{centre, kDot, shell::colour::orange, std::nullopt});
}

// Sides a (the shorter leg), b and c in cm.
struct RightTriangle {
    int a, b, c;
};

// The right angle at P, the legs along the stage's axes, the hypotenuse a diameter of the circle
// about kCentre.
Drawing rightTriangleFigure(int kind, RightTriangle t, FigureState state, const TextMeasure& measure)
{
    const bool solved = state == FigureState::Solution;
    const double scale = 2 * kRadius / t.c; // twips per cm
    const PointTwips P{kCentre.x - t.a * scale / 2, kCentre.y + t.b * scale / 2};
    const PointTwips Q{P.x + t.a * scale, P.y};
    const PointTwips T{P.x, P.y - t.b * scale};
    Drawing drawing;
    drawing.area = kArea;
    drawing.add(shell::PolygonMark{{P, Q, T}, std::nullopt, shell::colour::yellow, kThick});
    drawing.add(shell::LineMark{{P.x + 200, P.y}, {P.x + 200, P.y - 200}, shell::colour::white, kThin});
    drawing.add(shell::LineMark{{P.x + 200, P.y - 200}, {P.x, P.y - 200}, shell::colour::white, kThin});
    if (solved && kind == kCircumcircle)
        addCentre(drawing, kCentre, kRadius);
    if (solved && kind == kIncircle) {
        const double r = (t.a + t.b - t.c) / 2.0 * scale;
        const PointTwips I{P.x + r, P.y - r};
        const PointTwips along = (1 / (t.c * scale)) * (Q - T);
        const PointTwips foot = T + dot(I - T, along) * along;
        for (PointTwips end : {PointTwips{I.x, P.y}, PointTwips{P.x, I.y}, foot})
            drawing.add(shell::LineMark{I, end, shell::colour::white, kThin});
        addCentre(drawing, I, r);
    }
    const std::string aText = N(t.a) + " cm";
    const shell::TextSize aSize = measure.measure(aText, kLabelFont);
    addLabel(drawing, {(P.x + Q.x - aSize.width) / 2, P.y + 60, aSize.width, aSize.height}, aText);
    const std::string bText = N(t.b) + " cm";
    const shell::TextSize bSize = measure.measure(bText, kLabelFont);
    addLabel(drawing, {P.x - 90 - bSize.width, (P.y + T.y - bSize.height) / 2, bSize.width, bSize.height}, bText);
    if (kind == kIncircle || solved) {
        const std::string cText = N(t.c) + " cm";
        const PointTwips at = kCentre + (720.0 / t.c) * PointTwips{static_cast<double>(t.b), static_cast<double>(-t.a)};
        addLabel(drawing, shell::centredOn(at, measure.measure(cText, kLabelFont)), cText,
                 kind == kIncircle ? shell::colour::white : shell::colour::orange);
    }
    return drawing;
}

struct Angles {
    int top, left, right;
};

PointTwips onCircle(double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    return {kCentre.x + kRadius * std::cos(radians), kCentre.y - kRadius * std::sin(radians)};
}

// Each angle is half the arc opposite it, so vertices placed on the circle by those arcs make a
// triangle with exactly the angles stated.
Drawing anglesFigure(Angles angles, FigureState state, const TextMeasure& measure)
{
    const std::array<PointTwips, 3> vertices{onCircle(90), onCircle(90 + 2 * angles.right),
                                             onCircle(90 + 2 * (angles.right + angles.top))};
    const std::array<int, 3> sizes{angles.top, angles.left, angles.right};
    Drawing drawing;
    drawing.area = kArea;
    drawing.add(shell::PolygonMark{{vertices.begin(), vertices.end()}, std::nullopt, shell::colour::yellow, kThick});
    if (state == FigureState::Solution) {
        for (std::size_t i = 0; i < 3; ++i) {
            const PointTwips from = vertices[i];
            const PointTwips to = vertices[(i + 1) % 3];
            const PointTwips middle = 0.5 * (from + to);
            const PointTwips side = to - from;
            PointTwips normal = (1 / std::hypot(side.x, side.y)) * PointTwips{-side.y, side.x};
            if (dot(vertices[(i + 2) % 3] - middle, normal) < 0)
                normal = -1 * normal;
            const double centreAt = dot(kCentre - middle, normal);
            drawing.add(shell::LineMark{middle + (std::min(0.0, centreAt) - 300) * normal,
                                        middle + (std::max(0.0, centreAt) + 300) * normal, shell::colour::white,
                                        kThin});
        }
        addCentre(drawing, kCentre, kRadius);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string text = N(sizes[i]) + "\u00b0";
        const shell::TextSize size = measure.measure(text, kLabelFont);
        const PointTwips out = (1 / kRadius) * (vertices[i] - kCentre);
        const double away = 120 + size.width / 2 * std::fabs(out.x) + size.height / 2 * std::fabs(out.y);
        addLabel(drawing, shell::centredOn(vertices[i] + away * out, size), text);
    }
    return drawing;
}

struct Triple {
    int a, b, c;
    int most; // the largest multiple drawn
};
constexpr std::array<Triple, 5> kTriples{{{3, 4, 5, 6}, {5, 12, 13, 2}, {8, 15, 17, 1}, {7, 24, 25, 1}, {20, 21, 29, 1}}};

shell::Line detail(std::string text)
{
    shell::Line line(std::move(text));
    line.place = shell::TwipRect{240, 1710, 9720, 520};
    line.style = shell::TextStyle{21.75};
    return line;
}

// The instruction, and the working panel beside the figure, far enough from it that an angle
// label at the figure's right edge does not read as part of a working line.
shell::Exercise started(int kind)
{
    shell::Exercise e;
    e.instruction = kInstructions[static_cast<std::size_t>(kind)];
    e.layout.working = {5400, 2300, 4560};
    return e;
}

shell::Exercise rightTriangle(int kind, shell::RandomSource& draws)
{
    const Triple& triple = kTriples[static_cast<std::size_t>(drawWhole(draws, 5, 0))];
    const int k = drawWhole(draws, triple.most, 1);
    const RightTriangle t{k * triple.a, k * triple.b, k * triple.c};
    const int r = (t.a + t.b - t.c) / 2;
    const std::string cm = " cm";
    shell::Exercise e = started(kind);
    if (kind == kCircumcircle) {
        const std::string R = D(t.c / 2.0);
        e.question = {"R = ?", detail("The shorter sides are " + N(t.a) + " cm and " + N(t.b) + " cm.")};
        e.working = {"The hypotenuse c is a",
                     "diameter: the angle in",
                     "a semicircle is 90\u00b0.",
                     "c\u00b2 = " + N(t.a) + "\u00b2 + " + N(t.b) + "\u00b2",
                     "= " + N(t.a * t.a) + " + " + N(t.b * t.b) + " = " + N(t.c * t.c),
                     "c = \u221a" + N(t.c * t.c) + " = " + N(t.c) + cm,
                     "R = " + N(t.c) + " \u00f7 2 = " + R + cm};
        e.answer = {"R = " + R + cm};
    } else {
        const std::string sum = N(t.a + t.b);
        const std::string minus = " \u2212 ";
        e.question = {"r = ?", detail("The sides are " + N(t.a) + " cm, " + N(t.b) + " cm and " + N(t.c) + " cm.")};
        e.working = {"Tangents from a corner",
                     "are equal, so",
                     "(" + N(t.a) + minus + "r) + (" + N(t.b) + minus + "r) = " + N(t.c),
                     sum + minus + "2r = " + N(t.c),
                     "2r = " + sum + minus + N(t.c) + " = " + N(2 * r),
                     "r = " + N(2 * r) + " \u00f7 2 = " + N(r) + cm};
        e.answer = {"r = " + N(r) + cm};
    }
    e.figure = [kind, t](FigureState state, const TextMeasure& measure) {
        return rightTriangleFigure(kind, t, state, measure);
    };
    shell::setStandardFields(e, Json::object({{"kind", kModes[static_cast<std::size_t>(kind)].sheetName},
                                              {"a", t.a},
                                              {"b", t.b},
                                              {"c", t.c},
                                              {"circumradius", t.c / 2.0},
                                              {"inradius", r}}));
    return e;
}

enum Type { kAcute = 1, kRight, kObtuse };

shell::Exercise inOrOut(shell::RandomSource& draws)
{
    const int type = drawWhole(draws, 3, 1);
    int A = 0;
    int B = 0;
    int C = 0;
    if (type == kAcute) {
        do {
            A = 5 * drawWhole(draws, 9, 8);
            B = 5 * drawWhole(draws, 9, 8);
            C = 180 - A - B;
        } while (C < 40 || C > 80);
    } else if (type == kRight) {
        A = 5 * drawWhole(draws, 11, 4);
        B = 90 - A;
        C = 90;
    } else {
        do {
            C = 5 * drawWhole(draws, 7, 20);
            A = 5 * drawWhole(draws, 9, 4);
            B = 180 - C - A;
        } while (B < 20);
    }
    std::array<int, 3> sorted{A, B, C};
    std::sort(sorted.begin(), sorted.end());
    const bool largerLeft = drawWhole(draws, 2, 1) == 1;
    const Angles angles{sorted[2], largerLeft ? sorted[1] : sorted[0], largerLeft ? sorted[0] : sorted[1]};
    const std::string G = N(angles.top) + "\u00b0";

    shell::Exercise e = started(kInOrOut);
    e.question = {"Inside, on or outside?", detail("The angles are " + G + ", " + N(angles.left) + "\u00b0 and " +
                                                   N(angles.right) + "\u00b0.")};
    if (type == kAcute) {
        e.working = {"Every angle is acute,", "so the centre is inside", "the triangle."};
        e.answer = {"Inside the triangle"};
    } else if (type == kRight) {
        e.working = {"There is a right angle,", "so the longest side is a", "diameter and the centre",
                     "is its midpoint."};
        e.answer = {"On the longest side"};
    } else {
        e.working = {"The angle of " + G + " is", "obtuse, so the centre is", "outside the triangle,",
                     "past the longest side."};
        e.answer = {"Outside the triangle"};
    }
    e.working.insert(e.working.end(), {"The centre is where the", "perpendicular bisectors", "of the sides meet."});
    e.figure = [angles](FigureState state, const TextMeasure& measure) { return anglesFigure(angles, state, measure); };
    constexpr std::array<const char*, 4> kTypes{"", "acute", "right", "obtuse"};
    shell::setStandardFields(
        e, Json::object({{"kind", "in-or-out"},
                         {"type", kTypes[static_cast<std::size_t>(type)]},
                         {"angles", Json::object({{"top", angles.top}, {"left", angles.left}, {"right", angles.right}})}}));
    return e;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    return kind == kInOrOut ? inOrOut(draws) : rightTriangle(kind, draws);
}

shell::SheetIntro intro(int mode)
{
    shell::SheetIntro intro;
    if (mode != kMixed)
        intro.instruction = kInstructions[static_cast<std::size_t>(mode)];
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "circumcircles",
    .sheet = "circumcircles",
    .caption = "Circumcircles and Incircles",
    .menu = 2,
    .position = 2,
    .modes = kModes,
    .jsonHelp = "instruction, question (what to find and the figure's numbers), answer,\n"
                "solution (the working), data: kind (circumcircle, incircle or\n"
                "in-or-out); a, b, c, circumradius, inradius (circumcircle, incircle);\n"
                "type (acute, right or obtuse) and angles {top, left, right} (in-or-out)",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace circumcircles
