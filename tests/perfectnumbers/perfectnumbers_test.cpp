// Perfect Numbers: the worked examples, the rejected and redrawn numbers and the extreme draws,
// each row scripted draw by draw. The volume run checks random questions of every mode.
#include "perfectnumbers/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawFor, testing_support::kTop, testing_support::WorkedExample;

enum Mode { Factors, Classify, Mixed };

std::vector<std::string> classify(const char* number)
{
    return {number, "Add the factors that are less than the number.",
            "Equal: perfect, more: abundant, less: deficient"};
}

const std::string kList = "List all the factors of this number.";
const std::string kSort = "Perfect, abundant or deficient?";
// clang-format off
const WorkedExample kExamples[] = {
    {"twelve factors on two answer lines", Factors, {drawFor(60, 12, 100)},
     kList, {"60"}, {"1, 2, 3, 4, 5, 6,", "10, 12, 15, 20, 30, 60"},
     {"Factor pairs of 60:", "1 × 60, 2 × 30, 3 × 20", "4 × 15, 5 × 12, 6 × 10", "Stop at 7, as 8 × 8 = 64 > 60."},
     R"({"kind":"factors","number":60,"factors":[1,2,3,4,5,6,10,12,15,20,30,60],"sum":108,"classification":null})"},
    {"a prime is drawn again; a square lists its root once", Factors, {drawFor(13, 12, 100), drawFor(36, 12, 100)},
     kList, {"36"}, {"1, 2, 3, 4, 6, 9, 12, 18, 36"},
     {"Factor pairs of 36:", "1 × 36, 2 × 18, 3 × 12", "4 × 9, 6 × 6", "Stop at 6, as 6 × 6 = 36."},
     R"({"kind":"factors","number":36,"factors":[1,2,3,4,6,9,12,18,36],"sum":55,"classification":null})"},
    {"abundant 20 after a deficient 7 is drawn again", Classify, {drawFor(2, 1, 5), drawFor(7, 2, 100), drawFor(20, 2, 100)},
     kSort, classify("20"), {"20 is abundant."},
     {"Factors of 20, leaving out 20:", "1, 2, 4, 5, 10", "1 + 2 + 4 + 5 + 10 = 22",
      "22 is more than 20, so 20 is abundant."},
     R"({"kind":"classify","number":20,"factors":[1,2,4,5,10,20],"sum":22,"classification":"abundant"})"},
    {"perfect 496 sums on two lines", Classify, {drawFor(1, 1, 5), drawFor(2, 0, 2)},
     kSort, classify("496"), {"496 is perfect."},
     {"Factors of 496, leaving out 496:", "1, 2, 4, 8, 16, 31, 62, 124, 248", "1 + 2 + 4 + 8 + 16 + 31",
      "+ 62 + 124 + 248 = 496", "The sum is 496 itself, so 496 is perfect."},
     R"({"kind":"classify","number":496,"factors":[1,2,4,8,16,31,62,124,248,496],"sum":496,"classification":"perfect"})"},
    {"highest draws: deficient, 100 drawn again, then 2", Classify, {kTop, kTop, 0},
     kSort, classify("2"), {"2 is deficient."},
     {"Factors of 2, leaving out 2:", "1", "Sum = 1", "1 is less than 2, so 2 is deficient."},
     R"({"kind":"classify","number":2,"factors":[1,2],"sum":1,"classification":"deficient"})"},
    {"lowest draws: mixed factorises 12", Mixed, {0, 0},
     kList, {"12"}, {"1, 2, 3, 4, 6, 12"},
     {"Factor pairs of 12:", "1 × 12, 2 × 6, 3 × 4", "Stop at 3, as 4 × 4 = 16 > 12."},
     R"({"kind":"factors","number":12,"factors":[1,2,3,4,6,12],"sum":16,"classification":null})"},
    {"highest draw: factors of 100", Factors, {kTop},
     kList, {"100"}, {"1, 2, 4, 5, 10, 20, 25, 50, 100"},
     {"Factor pairs of 100:", "1 × 100, 2 × 50, 4 × 25", "5 × 20, 10 × 10", "Stop at 10, as 10 × 10 = 100."},
     R"({"kind":"factors","number":100,"factors":[1,2,4,5,10,20,25,50,100],"sum":117,"classification":null})"},
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(PerfectNumbers, perfectnumbers, kExamples)
