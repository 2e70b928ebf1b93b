// Polygonal numbers through the activity's questions: the worked examples, the extreme draws and
// the redrawn "no" numbers, each a named row of scripted draws.
#include "polygonalnumbers/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawFor, testing_support::inMixed, testing_support::kTop,
    testing_support::WorkedExample;

enum Mode { Triangular, PentagonalHexagonal, IsItTriangular, Mixed };

const std::string kTriangular = "Triangular numbers: 1, 3, 6, 10, …";

// clang-format off
const WorkedExample k78{"78 is triangular", IsItTriangular, {0.25f, drawFor(12, 5, 24)}, kTriangular,
    {"Is 78 a", "triangular number?"}, {"Yes: the 12th triangular number"},
    {"Double it: 2 × 78 = 156", "156 = 12 × 13, two consecutive numbers", "So 78 is the 12th triangular number"},
    R"({"kind":"is-it-triangular","family":"triangular","x":78})"};
const WorkedExample kExamples[] = {
    {"triangular at the smallest draw adds every layer", Triangular, {0},
     kTriangular, {"What is the 5th", "triangular number?"}, {"The 5th triangular number is 15"},
     {"Triangular number n = n × (n + 1) ÷ 2", "5th: 5 × 6 ÷ 2 = 30 ÷ 2 = 15", "Check: 1 + 2 + 3 + 4 + 5 = 15"},
     R"({"kind":"triangular","family":"triangular","n":5})"},
    {"triangular at the largest draw", Triangular, {kTop}, kTriangular, {"What is the 20th", "triangular number?"},
     {"The 20th triangular number is 210"},
     {"Triangular number n = n × (n + 1) ÷ 2", "20th: 20 × 21 ÷ 2 = 420 ÷ 2 = 210", "Check: 1 + 2 + 3 + … + 20 = 210"},
     R"({"kind":"triangular","family":"triangular","n":20})"},
    {"pentagonal 6th shows all six layers", PentagonalHexagonal, {0.25f, drawFor(6, 5, 12)},
     "Pentagonal numbers: 1, 5, 12, 22, …", {"What is the 6th", "pentagonal number?"},
     {"The 6th pentagonal number is 51"}, {"Pentagonal number n = n × (3n − 1) ÷ 2", "6th: 6 × 17 ÷ 2 = 102 ÷ 2 = 51",
      "Check: 1 + 4 + 7 + 10 + 13 + 16 = 51"}, R"({"kind":"pentagonal-hexagonal","family":"pentagonal","n":6})"},
    {"pentagonal 7th is the first to leave layers out", PentagonalHexagonal, {0, drawFor(7, 5, 12)},
     "Pentagonal numbers: 1, 5, 12, 22, …", {"What is the 7th", "pentagonal number?"},
     {"The 7th pentagonal number is 70"}, {"Pentagonal number n = n × (3n − 1) ÷ 2", "7th: 7 × 20 ÷ 2 = 140 ÷ 2 = 70",
      "Check: 1 + 4 + 7 + … + 19 = 70"}, R"({"kind":"pentagonal-hexagonal","family":"pentagonal","n":7})"},
    {"hexagonal at the largest draws", PentagonalHexagonal, {kTop, kTop},
     "Hexagonal numbers: 1, 6, 15, 28, …", {"What is the 12th", "hexagonal number?"},
     {"The 12th hexagonal number is 276"},
     {"Hexagonal number n = n × (2n − 1)", "12th: 12 × 23 = 276", "Check: 1 + 5 + 9 + … + 45 = 276"},
     R"({"kind":"pentagonal-hexagonal","family":"hexagonal","n":12})"},
    k78,
    {"the largest triangular number asked", IsItTriangular, {0, kTop}, kTriangular, {"Is 300 a", "triangular number?"},
     {"Yes: the 24th triangular number"}, {"Double it: 2 × 300 = 600", "600 = 24 × 25, two consecutive numbers",
      "So 300 is the 24th triangular number"}, R"({"kind":"is-it-triangular","family":"triangular","x":300})"},
    {"80 is not triangular", IsItTriangular, {0.75f, drawFor(80, 15, 300)},
     kTriangular, {"Is 80 a", "triangular number?"}, {"No: 80 is not triangular"},
     {"Double it: 2 × 80 = 160", "12 × 13 = 156 and 13 × 14 = 182",
      "160 is not a product of consecutive numbers", "80 lies between 78 and 91: not triangular"},
     R"({"kind":"is-it-triangular","family":"triangular","x":80})"},
    {"a \"no\" redraws 15 and 300, which are triangular", IsItTriangular, {kTop, 0, kTop, drawFor(16, 15, 300)},
     kTriangular, {"Is 16 a", "triangular number?"}, {"No: 16 is not triangular"},
     {"Double it: 2 × 16 = 32", "5 × 6 = 30 and 6 × 7 = 42", "32 is not a product of consecutive numbers",
      "16 lies between 15 and 21: not triangular"}, R"({"kind":"is-it-triangular","family":"triangular","x":16})"},
    inMixed(k78, Mixed, kTop),
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(PolygonalNumbers, polygonalnumbers, kExamples)
