// Pairs and Triples: the worked examples, the rejected draws and the extreme draws, each row
// scripted draw by draw, with the cell drawn in orange. The volume run checks random questions
// of every mode.
#include "pairsandtriples/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawFor, testing_support::kTop, testing_support::operator+,
    testing_support::WorkedExample;

enum Mode { Pairs, Negatives, Triples, Pythagoras };

std::vector<float> pair(int x, int y, int low)
{
    return {drawFor(x, low, 12), drawFor(y, low, 12)};
}

std::vector<float> triple(int u, int v, int w)
{
    return {drawFor(u, 1, 12), drawFor(v, 1, 12), drawFor(w, 1, 12)};
}

const std::string kTwo = "Find the two numbers.";
const std::string kLaw = "a² + b² = c²";
// clang-format off
const WorkedExample kExamples[] = {
    {"pairs: the numbers are renamed in order", Pairs, pair(9, 8, 1), kTwo, {"Sum = 17", "Product = 72"}, {"8 and 9"},
     {"Factor pairs of 72:", "1 × 72, 2 × 36, 3 × 24", "4 × 18, 6 × 12, 8 × 9", "8 × 9 = 72", "8 + 9 = 17"},
     R"({"kind":"pairs","sum":17,"product":72,"numbers":[8,9]})"},
    {"pairs: equal numbers are drawn again", Pairs, pair(5, 5, 1) + pair(3, 4, 1),
     kTwo, {"Sum = 7", "Product = 12"}, {"3 and 4"},
     {"Factor pairs of 12:", "1 × 12, 2 × 6, 3 × 4", "3 × 4 = 12", "3 + 4 = 7"},
     R"({"kind":"pairs","sum":7,"product":12,"numbers":[3,4]})"},
    {"negatives: a negative product", Negatives, pair(3, -5, -12), kTwo, {"Sum = −2", "Product = −15"}, {"−5 and 3"},
     {"Product < 0: one number is negative.", "Factor pairs of 15:", "1 × 15, 3 × 5", "−5 × 3 = −15", "−5 + 3 = −2"},
     R"({"kind":"negatives","sum":-2,"product":-15,"numbers":[-5,3]})"},
    {"negatives: both negative, the second bracketed", Negatives, pair(-8, -3, -12),
     kTwo, {"Sum = −11", "Product = 24"}, {"−8 and −3"},
     {"Product > 0, sum < 0: both are negative.", "Factor pairs of 24:", "1 × 24, 2 × 12, 3 × 8", "4 × 6",
       "−8 × (−3) = 24", "−8 + (−3) = −11"}, R"({"kind":"negatives","sum":-11,"product":24,"numbers":[-8,-3]})"},
    {"negatives: both positive, a zero and a repeat are drawn again; extreme draws", Negatives,
     pair(4, 7, -12) + pair(0, -3, -12) + pair(-12, -12, -12) + std::vector{kTop, 0.0f},
     kTwo, {"Sum = 0", "Product = −144"}, {"−12 and 12"},
     {"Product < 0: one number is negative.", "Factor pairs of 144:", "1 × 144, 2 × 72, 3 × 48",
       "4 × 36, 6 × 24, 8 × 18", "9 × 16, 12 × 12", "−12 × 12 = −144", "−12 + 12 = 0"},
     R"({"kind":"negatives","sum":0,"product":-144,"numbers":[-12,12]})"},
    {"triples after a giveaway and a sum with two answers", Triples,
     triple(1, 1, 7) + triple(6, 2, 6) + triple(4, 2, 6),
     "Find the three positive whole numbers.", {"Sum = 12", "Product = 48"}, {"2, 4 and 6"},
     {"Factor triples of 48 and their sums:", "1 + 1 + 48 = 50, 1 + 2 + 24 = 27", "1 + 3 + 16 = 20, 1 + 4 + 12 = 17",
       "1 + 6 + 8 = 15, 2 + 2 + 12 = 16", "2 + 3 + 8 = 13, 2 + 4 + 6 = 12", "3 + 4 + 4 = 11",
       "The numbers are 2, 4 and 6."}, R"({"kind":"triples","sum":12,"product":48,"numbers":[2,4,6]})"},
    {"pythagoras: a multiple, b missing", Pythagoras, {drawFor(2, 1, 7), drawFor(2, 1, 3), drawFor(2, 1, 3)},
     "Complete the Pythagorean triple.", {kLaw, "a = 10, b = ?, c = 26"}, {"b = 24"},
     {"b² = 26² − 10² = 676 − 100 = 576", "b = √576 = 24", "It is 2 × the triple 5, 12, 13."},
     R"({"kind":"pythagoras","a":10,"b":24,"c":26,"missing":"b","triple":[5,12,13],"multiplier":2})"},
    {"pythagoras lowest draws: 3, 4, 5 with a missing", Pythagoras, {0, 0, 0},
     "Complete the Pythagorean triple.", {kLaw, "a = ?, b = 4, c = 5"}, {"a = 3"},
     {"a² = 5² − 4² = 25 − 16 = 9", "a = √9 = 3"},
     R"({"kind":"pythagoras","a":3,"b":4,"c":5,"missing":"a","triple":[3,4,5],"multiplier":1})"},
    {"pythagoras highest draws: 9, 40, 41 with c missing", Pythagoras, {kTop, kTop, kTop},
     "Complete the Pythagorean triple.", {kLaw, "a = 9, b = 40, c = ?"}, {"c = 41"},
     {"c² = 9² + 40² = 81 + 1600 = 1681", "c = √1681 = 41"},
     R"({"kind":"pythagoras","a":9,"b":40,"c":41,"missing":"c","triple":[9,40,41],"multiplier":1})"},
};
// clang-format on

// The working's one orange cell in each example, if any.
const char* const kOrange[] = {"8 × 9", "3 × 4", "3 × 5", "3 × 8", "12 × 12", "2 + 4 + 6 = 12", "", "", ""};

} // namespace

CHALKFACE_INVARIANTS(pairsandtriples)

TEST(PairsAndTriples, WorkedExamples)
{
    const auto made = testing_support::checkWorkedExamples(pairsandtriples::activities()[0], kExamples,
                                                           &pairsandtriples::checks::invariants);
    for (std::size_t i = 0; i < made.size(); ++i) {
        std::string orange;
        for (const shell::Line& line : made[i].working) {
            for (const shell::Cell& cell : line.cells)
                orange += cell.colour == shell::colour::orange ? cell.text : "";
        }
        EXPECT_EQ(orange, kOrange[i]) << kExamples[i].name;
    }
}
