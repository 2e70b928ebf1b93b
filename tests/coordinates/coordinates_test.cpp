// Coordinates questions from scripted draws: the worked examples, the rejected draws of the
// equations, the extreme draws and Mixed; and the grid figure's line, labels and legs.
#include "coordinates/activity.h"
#include "coordinates/gridfigure.h"
#include "workedexample.h"

#include <algorithm>

namespace {

using testing_support::drawFor, testing_support::WorkedExample;

enum Mode { Gradient, Equation, Midpoint, Mixed };

constexpr float L = shell::kLargestDraw;
const std::string kDo[] = {"Find the gradient of the line AB.", "Find the equation of the line AB.",
                           "Find the midpoint and the length of AB."};

// clang-format off
const WorkedExample kExamples[] = {
    {"fraction gradient", Gradient, {drawFor(6, 1, 8), drawFor(-4, -8, 8), drawFor(-2, -9, 3), drawFor(3, -5, 9)},
     kDo[Gradient], {"A(−2, 3)", "B(4, −1)"}, {"Gradient = −2/3"},
     {"Rise = −1 − 3 = −4", "Run = 4 − (−2) = 6", "Gradient = rise ÷ run", "= −4 ÷ 6 = −2/3"},
     R"({"kind":"gradient","ax":-2,"ay":3,"bx":4,"by":-1})"},
    {"smallest draws", Gradient, {0, 0, 0, 0}, kDo[Gradient], {"A(−9, −1)", "B(−8, −9)"}, {"Gradient = −8"},
     {"Rise = −9 − (−1) = −8", "Run = −8 − (−9) = 1", "Gradient = rise ÷ run", "= −8 ÷ 1 = −8"},
     R"({"kind":"gradient","ax":-9,"ay":-1,"bx":-8,"by":-9})"},
    {"largest draws", Gradient, {L, L, L, L}, kDo[Gradient], {"A(1, 1)", "B(9, 9)"}, {"Gradient = 1"},
     {"Rise = 9 − 1 = 8", "Run = 9 − 1 = 8", "Gradient = rise ÷ run", "= 8 ÷ 8 = 1"},
     R"({"kind":"gradient","ax":1,"ay":1,"bx":9,"by":9})"},
    {"slanted line", Equation, {drawFor(3, 1, 10), drawFor(-2, -5, 5), drawFor(1, -8, 8), drawFor(-3, -9, 9),
     drawFor(2, -9, 9)}, kDo[Equation], {"A(−3, 7)", "B(2, −3)"}, {"y = −2x + 1"},
     {"Rise = −3 − 7 = −10", "Run = 2 − (−3) = 5", "m = −10 ÷ 5 = −2", "It crosses the y-axis at", "(0, 1), so c = 1",
     "So y = −2x + 1"},
     R"({"kind":"equation","ax":-3,"ay":7,"bx":2,"by":-3})"},
    {"y = x after a flat and an off-grid draw", Equation, {drawFor(10, 1, 10), drawFor(0, -5, 5), 0.5f, 0.1f, 0.9f,
     drawFor(5, -5, 5), 0.5f, 0, L, drawFor(1, -5, 5), drawFor(0, -8, 8), 0, L}, kDo[Equation], {"A(−9, −9)",
     "B(9, 9)"}, {"y = x"},
     {"Rise = 9 − (−9) = 18", "Run = 9 − (−9) = 18", "m = 18 ÷ 18 = 1", "It crosses the y-axis at",
     "(0, 0), so c = 0", "So y = x"},
     R"({"kind":"equation","ax":-9,"ay":-9,"bx":9,"by":9})"},
    {"y = −x − 3", Equation, {drawFor(7, 1, 10), drawFor(-1, -5, 5), drawFor(-3, -8, 8), drawFor(-6, -9, 9),
     drawFor(4, -9, 9)}, kDo[Equation], {"A(−6, 3)", "B(4, −7)"}, {"y = −x − 3"},
     {"Rise = −7 − 3 = −10", "Run = 4 − (−6) = 10", "m = −10 ÷ 10 = −1", "It crosses the y-axis at",
     "(0, −3), so c = −3", "So y = −x − 3"},
     R"({"kind":"equation","ax":-6,"ay":3,"bx":4,"by":-7})"},
    {"horizontal line", Equation, {drawFor(2, 1, 10), drawFor(-4, -9, 9), drawFor(-6, -9, 9), drawFor(5, -9, 9)},
     kDo[Equation], {"A(−6, −4)", "B(5, −4)"}, {"y = −4"},
     {"At A and B, y = −4", "The line is horizontal", "So y = −4"},
     R"({"kind":"equation","ax":-6,"ay":-4,"bx":5,"by":-4})"},
    {"vertical line after k = 0 and too close a pair", Equation, {0, drawFor(0, -9, 9), drawFor(1, -9, 9), drawFor(5,
     -9, 9), drawFor(3, -9, 9), drawFor(5, -9, 9), drawFor(6, -9, 9), drawFor(3, -9, 9), drawFor(-2, -9, 9),
     drawFor(7, -9, 9)}, kDo[Equation], {"A(3, −2)", "B(3, 7)"}, {"x = 3"},
     {"At A and B, x = 3", "The line is vertical", "So x = 3"}, R"({"kind":"equation","ax":3,"ay":-2,"bx":3,"by":7})"},
    {"midpoint with a half", Midpoint, {drawFor(5, 1, 12), drawFor(1, 1, 2), drawFor(-4, -9, 4), drawFor(-7, -9, -3)},
     kDo[Midpoint], {"A(−4, −7)", "B(1, 5)"}, {"Midpoint (−1.5, −1)", "Length AB = 13"},
     {"x: (−4 + 1) ÷ 2 = −1.5", "y: (−7 + 5) ÷ 2 = −1", "Across 5, up 12", "AB² = 5² + 12² = 169", "AB = √169 = 13"},
     R"({"kind":"midpoint-length","ax":-4,"ay":-7,"bx":1,"by":5})"},
    {"midpoint going down, in Mixed", Mixed, {drawFor(2, 0, 2), drawFor(4, 1, 12), drawFor(2, 1, 2), drawFor(-2, -9,
     1), drawFor(4, -3, 9)}, kDo[Midpoint], {"A(−2, 4)", "B(6, −2)"}, {"Midpoint (2, 1)", "Length AB = 10"},
     {"x: (−2 + 6) ÷ 2 = 2", "y: (4 − 2) ÷ 2 = 1", "Across 8, down 6", "AB² = 8² + 6² = 100", "AB = √100 = 10"},
     R"({"kind":"midpoint-length","ax":-2,"ay":4,"bx":6,"by":-2})"},
};
// clang-format on

// The lines of one colour, and the texts, of a drawing.
std::vector<shell::LineMark> linesOf(const shell::Drawing& drawing, shell::Rgb colour)
{
    std::vector<shell::LineMark> found;
    for (const shell::LineMark& line : testing_support::marksOf<shell::LineMark>(drawing)) {
        if (line.colour == colour)
            found.push_back(line);
    }
    return found;
}

std::vector<std::string> textsOf(const shell::Drawing& drawing)
{
    std::vector<std::string> found;
    for (const shell::TextMark& text : testing_support::marksOf<shell::TextMark>(drawing))
        found.push_back(text.text);
    return found;
}

// A(1, 1) to B(4, 7): the yellow line runs from the grid's bottom edge to its top edge, and the
// solution adds the legs 3 and 6 in orange.
TEST(CoordinatesFigure, LineAndLegs)
{
    const coordinates::GridQuestion q{coordinates::Gradient, 1, 1, 4, 7};
    const testing_support::FixedMeasure measure;
    const shell::Drawing question = coordinates::gridFigure(q, shell::FigureState::Question, measure);
    const shell::Drawing solution = coordinates::gridFigure(q, shell::FigureState::Solution, measure);
    const shell::LineMark line = linesOf(question, shell::colour::yellow).at(0);
    // y = 2x − 1 meets y = −10 at x = −4.5 and y = 10 at x = 5.5.
    EXPECT_NEAR(line.from.x, 3060 - 270 * 4.5, 1e-6);
    EXPECT_NEAR(line.from.y, 3600 + 2700, 1e-6);
    EXPECT_NEAR(line.to.x, 3060 + 270 * 5.5, 1e-6);
    EXPECT_NEAR(line.to.y, 3600 - 2700, 1e-6);
    EXPECT_TRUE(linesOf(question, shell::colour::orange).empty());
    EXPECT_EQ(linesOf(solution, shell::colour::orange).size(), 2u);
    const auto count = [](const shell::Drawing& drawing, const char* text) {
        const std::vector<std::string> texts = textsOf(drawing);
        return std::count(texts.begin(), texts.end(), text);
    };
    EXPECT_EQ(count(question, "3"), 0);
    EXPECT_EQ(count(solution, "3"), 1);
    EXPECT_EQ(count(solution, "6"), count(question, "6") + 1);
}

} // namespace

WORKED_EXAMPLES_TEST(CoordinatesQuestions, coordinates, kExamples)
