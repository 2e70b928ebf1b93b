// Quadratic equations: the worked examples with their rejections and extreme draws, and the
// number of equations the formula mode can ask.
#include "quadraticequations/activity.h"
#include "workedexample.h"

#include <stdexcept>

namespace {

using testing_support::drawFor, testing_support::inMixed, testing_support::kTop, testing_support::operator+,
    testing_support::WorkedExample;

enum { kFactorise, kFactoriseA, kFormula, kMixed };

const shell::Activity& activity()
{
    return quadraticequations::activities()[0];
}

float root(int value)
{
    return drawFor(value, -9, 9);
}

std::vector<float> withA(int A, int B, int C)
{
    return {drawFor(A, 2, 5), drawFor(B, -9, 9), drawFor(C, -6, 6)};
}

std::vector<float> formula(int a, int b, int c)
{
    return {drawFor(a, 1, 3), drawFor(b, -9, 9), drawFor(c, -9, 9)};
}

const std::string kByFactorising = "Solve by factorising.";
const std::string kByFormula = "Solve, giving x to 2 decimal places.";

// clang-format off
const WorkedExample kOfTwo{"a of 2", kFactoriseA, withA(2, -1, 3), kByFactorising,
    {"2x² + 5x − 3 = 0"}, {"x = −3 or x = 1/2"},
    {"a × c = 2 × (−3) = −6", "Numbers with product −6 and sum 5:", "6 and −1", "2x² + 6x − x − 3 = 0",
     "2x(x + 3) − 1(x + 3) = 0", "(2x − 1)(x + 3) = 0"},
    R"({"kind":"factorise-a","a":2,"b":5,"c":-3,"roots":[-3,0.5],"root_texts":["−3","1/2"]})"};
const WorkedExample kExamples[] = {
    {"a repeated root", kFactorise, {root(3), root(3)}, kByFactorising,
     {"x² − 6x + 9 = 0"}, {"x = 3 (a repeated root)"},
     {"Numbers with product 9 and sum −6:", "−3 and −3", "(x − 3)² = 0, so x − 3 = 0"},
     R"({"kind":"factorise","a":1,"b":-6,"c":9,"roots":[3],"root_texts":["3"]})"},
    {"a root of 0 is drawn again; a coefficient of −1 is written −x", kFactorise,
     {root(4), root(0), root(2), root(-1)}, kByFactorising, {"x² − x − 2 = 0"}, {"x = −1 or x = 2"},
     {"Numbers with product −2 and sum −1:", "1 and −2", "(x + 1)(x − 2) = 0", "x + 1 = 0 or x − 2 = 0"},
     R"({"kind":"factorise","a":1,"b":-1,"c":-2,"roots":[-1,2],"root_texts":["−1","2"]})"},
    {"the extreme draws leave out the x term", kFactorise, {0, kTop}, kByFactorising,
     {"x² − 81 = 0"}, {"x = −9 or x = 9"},
     {"Numbers with product −81 and sum 0:", "9 and −9", "(x + 9)(x − 9) = 0", "x + 9 = 0 or x − 9 = 0"},
     R"({"kind":"factorise","a":1,"b":0,"c":-81,"roots":[-9,9],"root_texts":["−9","9"]})"},
    kOfTwo,
    {"a common factor is drawn again; B of 1 keeps its 1 before a bracket", kFactoriseA,
     withA(4, 2, 1) + withA(3, 1, -2), kByFactorising, {"3x² − 5x − 2 = 0"}, {"x = −1/3 or x = 2"},
     {"a × c = 3 × (−2) = −6", "Numbers with product −6 and sum −5:", "−6 and 1", "3x² − 6x + x − 2 = 0",
      "3x(x − 2) + 1(x − 2) = 0", "(3x + 1)(x − 2) = 0"},
     R"({"kind":"factorise-a","a":3,"b":-5,"c":-2,"roots":[-0.333333,2],"root_texts":["−1/3","2"]})"},
    {"the extreme draws", kFactoriseA, {kTop, kTop, 0}, kByFactorising, {"5x² − 21x − 54 = 0"}, {"x = −9/5 or x = 6"},
     {"a × c = 5 × (−54) = −270", "Numbers with product −270 and sum −21:", "−30 and 9",
      "5x² − 30x + 9x − 54 = 0", "5x(x − 6) + 9(x − 6) = 0", "(5x + 9)(x − 6) = 0"},
     R"({"kind":"factorise-a","a":5,"b":-21,"c":-54,"roots":[-1.8,6],"root_texts":["−9/5","6"]})"},
    {"the formula", kFormula, formula(1, 4, -7), kByFormula, {"x² + 4x − 7 = 0"}, {"x = −5.32 or x = 1.32"},
     {"a = 1, b = 4, c = −7", "x = (−b ± √(b² − 4ac)) ÷ (2a)", "b² − 4ac = 4² − 4 × 1 × (−7) = 44",
      "x = (−4 ± √44) ÷ 2", "x = (−4 + √44) ÷ 2 = 1.3166…", "x = (−4 − √44) ÷ 2 = −5.3166…"},
     R"({"kind":"formula","a":1,"b":4,"c":-7,"roots":[-5.316625,1.316625],"root_texts":["−5.32","1.32"]})"},
    {"the formula with a of 2 brackets negatives", kFormula, formula(2, -3, -4), kByFormula,
     {"2x² − 3x − 4 = 0"}, {"x = −0.85 or x = 2.35"},
     {"a = 2, b = −3, c = −4", "x = (−b ± √(b² − 4ac)) ÷ (2a)", "b² − 4ac = (−3)² − 4 × 2 × (−4) = 41",
      "x = (3 ± √41) ÷ 4", "x = (3 + √41) ÷ 4 = 2.3507…", "x = (3 − √41) ÷ 4 = −0.8507…"},
     R"({"kind":"formula","a":2,"b":-3,"c":-4,"roots":[-0.850781,2.350781],"root_texts":["−0.85","2.35"]})"},
    {"no b, a square discriminant, a common factor and a root near x.xx5 are drawn again", kFormula,
     formula(1, 0, 1) + formula(1, 5, 6) + formula(2, 2, -2) + formula(1, -9, -8) + formula(1, -9, -9), kByFormula,
     {"x² − 9x − 9 = 0"}, {"x = −0.91 or x = 9.91"},
     {"a = 1, b = −9, c = −9", "x = (−b ± √(b² − 4ac)) ÷ (2a)", "b² − 4ac = (−9)² − 4 × 1 × (−9) = 117",
      "x = (9 ± √117) ÷ 2", "x = (9 + √117) ÷ 2 = 9.9083…", "x = (9 − √117) ÷ 2 = −0.9083…"},
     R"({"kind":"formula","a":1,"b":-9,"c":-9,"roots":[-0.908327,9.908327],"root_texts":["−0.91","9.91"]})"},
    inMixed(kOfTwo, kMixed, drawFor(1, 0, 2)),
};
// clang-format on

// Every draw of a, b and c once: the equations the rejections leave.
TEST(QuadraticEquations, TheFormulaAsksFourHundredAndFortyTwoEquations)
{
    int asked = 0;
    for (int a = 1; a <= 3; ++a) {
        for (int b = -9; b <= 9; ++b) {
            for (int c = -9; c <= 9; ++c) {
                shell::ScriptedDraws draws(formula(a, b, c));
                try {
                    activity().questions()->make(kFormula, draws);
                    ++asked;
                } catch (const std::out_of_range&) {
                    // Rejected: it asked for more draws.
                }
            }
        }
    }
    EXPECT_EQ(asked, 442);
}

} // namespace

WORKED_EXAMPLES_TEST(QuadraticEquations, quadraticequations, kExamples)
