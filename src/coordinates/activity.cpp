#include "coordinates/activity.h"

#include "coordinates/gridfigure.h"
#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace coordinates {
namespace {

using shell::drawWhole;
using namespace shell::forms;

constexpr int kMixed = 3;

constexpr std::array<shell::Mode, 4> kModes{{
    {"Gradient", "gradient"},
    {"Equation of a line", "equation"},
    {"Midpoint and length", "midpoint-length"},
    {"Mixed", "mixed"},
}};

constexpr std::array<std::string_view, 3> kInstructions{
    "Find the gradient of the line AB.",
    "Find the equation of the line AB.",
    "Find the midpoint and the length of AB.",
};

// The column right of the grid holds the points and the working.
constexpr double kColumnLeft = 6120;
constexpr double kColumnWidth = 3960;
constexpr shell::Panel kWorking{kColumnLeft, 2700, kColumnWidth, shell::kSmallWorkingPitch,
                                shell::kSmallWorkingPoints};

// Runs and rises of whole length: (3, 4, 5), (6, 8, 10), (5, 12, 13), (9, 12, 15), (8, 15, 17),
// (12, 16, 20), each way round.
constexpr std::array<std::pair<int, int>, 12> kWholeLengths{{
    {3, 4}, {4, 3}, {6, 8}, {8, 6}, {5, 12}, {12, 5}, {9, 12}, {12, 9}, {8, 15}, {15, 8}, {12, 16}, {16, 12},
}};

int drawBetween(shell::RandomSource& draws, int low, int high)
{
    return drawWhole(draws, high - low + 1, low);
}

bool onGrid(int v)
{
    return v >= -9 && v <= 9;
}

// A from where the run and rise keep B on the grid.
GridQuestion fromRunAndRise(Kind kind, int run, int rise, shell::RandomSource& draws)
{
    const int xA = drawBetween(draws, -9, 9 - run);
    const int yA = drawBetween(draws, std::max(-9, -9 - rise), std::min(9, 9 - rise));
    return {kind, xA, yA, xA + run, yA + rise};
}

GridQuestion gradientQuestion(shell::RandomSource& draws)
{
    const int run = drawBetween(draws, 1, 8);
    const int rise = drawBetween(draws, -8, 8);
    return fromRunAndRise(Gradient, run, rise, draws);
}

GridQuestion equationQuestion(shell::RandomSource& draws)
{
    const int t = drawBetween(draws, 1, 10);
    if (t <= 2) {
        // Vertical (t 1) or horizontal (t 2): a constant k off the axis, and two values of the
        // other coordinate at least 2 apart.
        int k = 0, first = 0, second = 0;
        do {
            k = drawBetween(draws, -9, 9);
            first = drawBetween(draws, -9, 9);
            second = drawBetween(draws, -9, 9);
        } while (k == 0 || second - first < 2);
        return t == 1 ? GridQuestion{Equation, k, first, k, second} : GridQuestion{Equation, first, k, second, k};
    }
    for (;;) {
        const int m = drawBetween(draws, -5, 5);
        const int c = drawBetween(draws, -8, 8);
        const int xA = drawBetween(draws, -9, 9);
        const int xB = drawBetween(draws, -9, 9);
        if (m != 0 && xB - xA >= 2 && onGrid(m * xA + c) && onGrid(m * xB + c))
            return {Equation, xA, m * xA + c, xB, m * xB + c};
    }
}

GridQuestion midpointQuestion(shell::RandomSource& draws)
{
    const auto [run, rise] = kWholeLengths[static_cast<std::size_t>(drawBetween(draws, 1, 12) - 1)];
    const int s = drawBetween(draws, 1, 2);
    return fromRunAndRise(MidpointLength, run, s == 2 ? -rise : rise, draws);
}

std::string point(char name, int x, int y)
{
    return std::string(1, name) + "(" + N(x) + ", " + N(y) + ")";
}

// "y = −2x + 1", "y = x", "y = 3x − 4".
std::string slantedEquation(int m, int c)
{
    const std::string slope = m == 1 ? "x" : m == -1 ? std::string(kMinus) + "x" : N(m) + "x";
    const std::string intercept = c == 0 ? "" : c > 0 ? " + " + N(c) : " " + std::string(kMinus) + " " + N(-c);
    return "y = " + slope + intercept;
}

void gradientAnswer(const GridQuestion& q, shell::Exercise& e)
{
    const int run = q.xB - q.xA;
    const int rise = q.yB - q.yA;
    const std::string gradient = Fr(rise, run);
    e.answer = {"Gradient = " + gradient};
    e.working = {"Rise = " + Sub(q.yB, q.yA) + " = " + N(rise), "Run = " + Sub(q.xB, q.xA) + " = " + N(run),
                 "Gradient = rise " + std::string(kDivide) + " run",
                 "= " + N(rise) + " " + std::string(kDivide) + " " + N(run) + " = " + gradient};
}

void equationAnswer(const GridQuestion& q, shell::Exercise& e)
{
    const int run = q.xB - q.xA;
    const int rise = q.yB - q.yA;
    if (run == 0 || rise == 0) {
        const std::string axis = run == 0 ? "x" : "y";
        const std::string equation = axis + " = " + N(run == 0 ? q.xA : q.yA);
        e.answer = {equation};
        e.working = {"At A and B, " + equation, run == 0 ? "The line is vertical" : "The line is horizontal",
                     "So " + equation};
        return;
    }
    const int m = rise / run;
    const int c = q.yA - m * q.xA;
    const std::string equation = slantedEquation(m, c);
    e.answer = {equation};
    e.working = {"Rise = " + Sub(q.yB, q.yA) + " = " + N(rise),
                 "Run = " + Sub(q.xB, q.xA) + " = " + N(run),
                 "m = " + N(rise) + " " + std::string(kDivide) + " " + N(run) + " = " + N(m),
                 "It crosses the y-axis at",
                 "(0, " + N(c) + "), so c = " + N(c),
                 "So " + equation};
}

void midpointAnswer(const GridQuestion& q, shell::Exercise& e)
{
    const int run = q.xB - q.xA;
    const int rise = q.yB - q.yA;
    const int squared = run * run + rise * rise;
    const int length = static_cast<int>(std::lround(std::sqrt(squared)));
    const std::string midX = D((q.xA + q.xB) / 2.0);
    const std::string midY = D((q.yA + q.yB) / 2.0);
    const std::string half = ") " + std::string(kDivide) + " 2 = ";
    e.answer = {"Midpoint (" + midX + ", " + midY + ")", "Length AB = " + N(length)};
    e.working = {"x: (" + Sum({q.xA, q.xB}) + half + midX,
                 "y: (" + Sum({q.yA, q.yB}) + half + midY,
                 "Across " + N(run) + (rise > 0 ? ", up " + N(rise) : ", down " + N(-rise)),
                 "AB\u00b2 = " + N(run) + "\u00b2 + " + N(std::abs(rise)) + "\u00b2 = " + N(squared),
                 "AB = \u221a" + N(squared) + " = " + N(length)};
}

shell::Line columnLine(std::string text, double top)
{
    shell::Line line(std::move(text));
    line.place = shell::TwipRect{kColumnLeft, top, kColumnWidth, 870};
    line.style = shell::TextStyle{};
    return line;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    const GridQuestion q = kind == Gradient   ? gradientQuestion(draws)
                           : kind == Equation ? equationQuestion(draws)
                                              : midpointQuestion(draws);
    shell::Exercise e;
    e.instruction = kInstructions[static_cast<std::size_t>(kind)];
    e.question = {columnLine(point('A', q.xA, q.yA), 840), columnLine(point('B', q.xB, q.yB), 1710)};
    if (kind == Gradient)
        gradientAnswer(q, e);
    else if (kind == Equation)
        equationAnswer(q, e);
    else
        midpointAnswer(q, e);
    e.layout.working = kWorking;
    e.figure = [q](shell::FigureState state, const shell::TextMeasure& measure) {
        return gridFigure(q, state, measure);
    };
    shell::setStandardFields(e, shell::Json::object({{"kind", kModes[static_cast<std::size_t>(kind)].sheetName},
                                                     {"ax", q.xA},
                                                     {"ay", q.yA},
                                                     {"bx", q.xB},
                                                     {"by", q.yB}}));
    return e;
}

shell::SheetIntro sheetIntro(int mode)
{
    shell::SheetIntro intro;
    if (mode != kMixed)
        intro.instruction = kInstructions[static_cast<std::size_t>(mode)];
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "coordinates",
    .sheet = "coordinates",
    .caption = "Coordinates and Straight Lines",
    .menu = 4,
    .position = 2,
    .modes = kModes,
    .jsonHelp = "instruction, question (the points A and B), answer, solution (the working),\n"
                "data: kind, ax, ay, bx, by",
    .intro = sheetIntro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace coordinates
