#include "polygonalnumbers/activity.h"

#include "polygonalnumbers/polygonalquestions.h"
#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>

namespace polygonalnumbers {
namespace {

using shell::forms::N;
using shell::forms::Ord;

constexpr std::array<shell::Mode, 4> kModes{{
    {"Triangular", "triangular"},
    {"Pentagonal/hexagonal", "pentagonal-hexagonal"},
    {"Is it triangular?", "is-it-triangular"},
    {"Mixed", "mixed"},
}};

const std::string kTimes(shell::forms::kTimes);
const std::string kDivide(shell::forms::kDivide);

std::string family(int sides)
{
    return sides == 3 ? "triangular" : sides == 5 ? "pentagonal" : "hexagonal";
}

std::string capitalised(std::string text)
{
    text.front() = static_cast<char>(text.front() - 'a' + 'A');
    return text;
}

std::string instruction(int sides)
{
    std::string text = capitalised(family(sides)) + " numbers: ";
    for (int k = 1; k <= 4; ++k)
        text += N(polygonal(sides, k)) + ", ";
    return text + "\u2026";
}

// The working and the figure, in twips: the four patterns in slots 2250 wide from Left 600, their
// lowest dots at Top 4020 and their counts under them.
constexpr shell::Panel kWorking{240, 4620, 9720, 495, 20.25};
constexpr double kSlotsLeft = 600;
constexpr double kSlotWidth = 2250;
constexpr double kFigureTop = 2600; // above the tallest pattern, the fourth hexagonal
constexpr double kLowestDot = 4020;
constexpr double kCountTop = 4140;
constexpr double kCountHeight = 450;
constexpr shell::FontStyle kCountFont{18};

// "1 + 2 + 3 + … + 9": every layer up to the sixth, else the first three and the last.
std::string layerSum(int sides, int n)
{
    std::string text = "1";
    for (int j = 2; j <= n; ++j) {
        if (n > 6 && j == 4)
            text += " + \u2026";
        if (n <= 6 || j <= 3 || j == n)
            text += " + " + N(layerDots(sides, j));
    }
    return text;
}

std::vector<shell::Line> nthWorking(int sides, int n)
{
    const std::string term = Ord(n) + ": " + N(n) + " " + kTimes + " ";
    std::vector<shell::Line> working;
    if (sides == 3) {
        working = {"Triangular number n = n " + kTimes + " (n + 1) " + kDivide + " 2",
                   term + N(n + 1) + " " + kDivide + " 2 = " + N(n * (n + 1)) + " " + kDivide +
                       " 2 = " + N(polygonal(3, n))};
    } else if (sides == 5) {
        working = {"Pentagonal number n = n " + kTimes + " (3n \u2212 1) " + kDivide + " 2",
                   term + N(3 * n - 1) + " " + kDivide + " 2 = " + N(n * (3 * n - 1)) + " " + kDivide +
                       " 2 = " + N(polygonal(5, n))};
    } else {
        working = {"Hexagonal number n = n " + kTimes + " (2n \u2212 1)",
                   term + N(2 * n - 1) + " = " + N(polygonal(6, n))};
    }
    working.push_back("Check: " + layerSum(sides, n) + " = " + N(polygonal(sides, n)));
    return working;
}

std::vector<shell::Line> testWorking(int x, int k, bool triangular)
{
    const std::string doubled = "Double it: 2 " + kTimes + " " + N(x) + " = " + N(2 * x);
    if (triangular)
        return {doubled,
                N(2 * x) + " = " + N(k) + " " + kTimes + " " + N(k + 1) + ", two consecutive numbers",
                "So " + N(x) + " is the " + Ord(k) + " triangular number"};
    return {doubled,
            N(k) + " " + kTimes + " " + N(k + 1) + " = " + N(k * (k + 1)) + " and " + N(k + 1) + " " +
                kTimes + " " + N(k + 2) + " = " + N((k + 1) * (k + 2)),
            N(2 * x) + " is not a product of consecutive numbers",
            N(x) + " lies between " + N(polygonal(3, k)) + " and " + N(polygonal(3, k + 1)) +
                ": not triangular"};
}

// The first four patterns, each centred in its slot over its count; on the solution the last
// layer of patterns 2 to 4 is orange, the terms the check adds.
shell::Drawing patterns(int sides, shell::FigureState state)
{
    shell::Drawing drawing;
    drawing.area = {kSlotsLeft, kFigureTop, 4 * kSlotWidth, kCountTop + kCountHeight - kFigureTop};
    const double radius = dotRadius(sides);
    for (int k = 1; k <= 4; ++k) {
        const auto layers = patternLayers(sides, k);
        double left = 0, right = 0, lowest = 0;
        for (const auto& layer : layers)
            for (const shell::PointTwips& dot : layer) {
                left = std::min(left, dot.x);
                right = std::max(right, dot.x);
                lowest = std::min(lowest, dot.y);
            }
        const double slot = kSlotsLeft + kSlotWidth * (k - 1);
        const double shift = slot + kSlotWidth / 2 - (left + right) / 2;
        for (std::size_t j = 0; j < layers.size(); ++j) {
            const bool checked = state == shell::FigureState::Solution && k > 1 && j + 1 == layers.size();
            for (const shell::PointTwips& at : layers[j]) {
                shell::CircleMark dot;
                dot.centre = {shift + at.x, kLowestDot - (at.y - lowest)};
                dot.radius = radius;
                dot.fill = checked ? shell::colour::orange : shell::colour::white;
                drawing.add(dot);
            }
        }
        shell::TextMark count;
        count.rect = {slot, kCountTop, kSlotWidth, kCountHeight};
        count.text = N(polygonal(sides, k));
        count.font = kCountFont;
        count.colour = shell::colour::white;
        drawing.add(count);
    }
    return drawing;
}

// The sheet name of the question's own kind, the mode that asks it alone.
std::string_view kindName(Kind kind)
{
    return kModes[static_cast<std::size_t>(kind)].sheetName;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const Question q = makeQuestion(mode, draws);
    shell::Exercise e;
    e.instruction = instruction(q.sides);
    e.layout.working = kWorking;
    e.figure = [sides = q.sides](shell::FigureState state, const shell::TextMeasure&) {
        return patterns(sides, state);
    };
    shell::Json::Object data{{"kind", kindName(q.kind)}, {"family", family(q.sides)}};
    if (q.kind == Kind::IsItTriangular) {
        const bool triangular = polygonal(3, q.n) == q.x;
        e.question = {"Is " + N(q.x) + " a", "triangular number?"};
        e.answer = {triangular ? "Yes: the " + Ord(q.n) + " triangular number"
                               : "No: " + N(q.x) + " is not triangular"};
        e.working = testWorking(q.x, q.n, triangular);
        data.emplace_back("x", q.x);
    } else {
        e.question = {"What is the " + Ord(q.n), family(q.sides) + " number?"};
        e.answer = {"The " + Ord(q.n) + " " + family(q.sides) + " number is " + N(polygonal(q.sides, q.n))};
        e.working = nthWorking(q.sides, q.n);
        data.emplace_back("n", q.n);
    }
    shell::setStandardFields(e, shell::Json(std::move(data)));
    return e;
}

shell::SheetIntro intro(int mode)
{
    shell::SheetIntro shared;
    if (mode == 0 || mode == 2)
        shared.instruction = instruction(3);
    return shared;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "polygonalnumbers",
    .sheet = "polygonal-numbers",
    .caption = "Polygonal Numbers",
    .menu = 4,
    .position = 4,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (the working),\n"
                "data: kind, family (\"triangular\", \"pentagonal\" or \"hexagonal\"), n (the term asked\n"
                "for) or x (the number tested)",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace polygonalnumbers
