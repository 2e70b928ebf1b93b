#include "money/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawAt, testing_support::drawFor, testing_support::kTop,
    testing_support::WorkedExample;

// Pence off a round price: 0, 1 or 5.
constexpr float kOff0 = drawAt(0, 3);
constexpr float kOff1 = drawAt(1, 3);
constexpr float kOff5 = drawAt(2, 3);

// clang-format off
const WorkedExample kExamples[] = {
    {"pens and notebooks, change from £10", 0, {drawAt(0, 2), drawFor(2, 2, 3), drawAt(1, 5), drawAt(3, 5),
      drawFor(3, 1, 4), drawFor(7, 3, 9), kOff5, drawFor(2, 1, 4), drawFor(15, 10, 25), kOff1, drawAt(1, 3)},
     "Find the total and the change from £10.", {"3 pens at 65p", "2 notebooks at £1.49"},
     {"Total £4.93, change £5.07"},
     {"3 × 65p = £1.95", "2 × £1.49 = £2.98", "Total: £1.95 + £2.98 = £4.93", "Change: £10 − £4.93 = £5.07"},
     R"({"kind":"change","shop":"stationery","items":[{"item":"pens","quantity":3,"price":65},)"
     R"({"item":"notebooks","quantity":2,"price":149}],"note":1000})"},
    {"three things at the café, one of them single", 0,
     {drawAt(1, 2), drawFor(3, 2, 3), drawAt(3, 5), drawAt(2, 5), drawAt(0, 5),
      drawFor(1, 1, 4), drawFor(25, 15, 35), kOff5, drawFor(2, 1, 4), drawFor(10, 6, 15), kOff5,
      drawFor(3, 1, 4), drawFor(3, 2, 6), kOff0, drawAt(0, 2)},
     "Find the total and the change from £10.", {"1 sandwich at £2.45", "2 drinks at 95p", "3 apples at 30p"},
     {"Total £5.25, change £4.75"},
     {"1 × £2.45 = £2.45", "2 × 95p = £1.90", "3 × 30p = 90p", "Total: £2.45 + £1.90 + 90p = £5.25",
      "Change: £10 − £5.25 = £4.75"},
     R"({"kind":"change","shop":"café","items":[{"item":"sandwich","quantity":1,"price":245},)"
     R"({"item":"drinks","quantity":2,"price":95},{"item":"apples","quantity":3,"price":30}],"note":1000})"},
    {"£20.80 is drawn again; a repeated item too", 0, {0, kTop, drawAt(3, 5), drawAt(4, 5), drawAt(2, 5),
      kTop, kTop, kOff0, kTop, kTop, kOff0, kTop, kTop, kOff0, 0, 0, 0, 0, drawAt(1, 5), 0, 0, kOff0, 0, 0, kOff1, 0},
     "Find the total and the change from £5.", {"1 pencil at 20p", "1 pen at 29p"}, {"Total 49p, change £4.51"},
     {"1 × 20p = 20p", "1 × 29p = 29p", "Total: 20p + 29p = 49p", "Change: £5 − 49p = £4.51"},
     R"({"kind":"change","shop":"stationery","items":[{"item":"pencil","quantity":1,"price":20},)"
     R"({"item":"pen","quantity":1,"price":29}],"note":500})"},
    {"cereal: the larger pack is dearer but better", 1,
     {drawAt(3, 6), drawAt(2, 6), drawAt(4, 6), drawFor(37, 15, 60), drawFor(1, 1, 5), drawAt(1, 2)},
     "Cereal: which is the better buy?", {"A: 500 g for £1.85", "B: 800 g for £2.88"},
     {"Pack B is the better buy", "36p per 100 g against 37p"},
     {"Cost of 100 g in each pack:", "A: £1.85 ÷ 5 = 37p", "B: £2.88 ÷ 8 = 36p", "36p is less than 37p, so B"},
     R"({"kind":"best-buy","product":"Cereal","measure":"g","base":100,"size_a":500,"price_a":185,)"
     R"("size_b":800,"price_b":288})"},
    {"eggs: the same size and a cost out of range are drawn again", 1, {0, 0, 0, drawAt(2, 5), kTop, kTop, drawAt(0, 2),
      drawAt(2, 5), 0, drawFor(20, 15, 40), drawFor(2, 1, 5), drawAt(0, 2)},
     "Eggs: which is the better buy?", {"A: 12 eggs for £2.40", "B: 6 eggs for £1.32"},
     {"Pack A is the better buy", "20p per egg against 22p"},
     {"Cost of 1 egg in each pack:", "A: £2.40 ÷ 12 = 20p", "B: £1.32 ÷ 6 = 22p", "20p is less than 22p, so A"},
     R"({"kind":"best-buy","product":"Eggs","measure":"","base":1,"size_a":12,"price_a":240,)"
     R"("size_b":6,"price_b":132})"},
    {"orange juice: a larger pack for the same price is drawn again", 1,
     {drawAt(4, 6), drawAt(2, 5), drawAt(3, 5), drawFor(15, 5, 25), kTop, drawAt(1, 2),
      0, drawAt(1, 5), 0, 0, drawAt(0, 2)},
     "Orange juice: which is the better buy?", {"A: 300 ml for 15p", "B: 500 ml for 30p"},
     {"Pack A is the better buy", "5p per 100 ml against 6p"},
     {"Cost of 100 ml in each pack:", "A: 15p ÷ 3 = 5p", "B: 30p ÷ 5 = 6p", "5p is less than 6p, so A"},
     R"({"kind":"best-buy","product":"Orange juice","measure":"ml","base":100,"size_a":300,"price_a":15,)"
     R"("size_b":500,"price_b":30})"},
    {"£70 into euros", 2, {0, drawAt(1, 3), drawFor(7, 1, 20), 0},
     "Change pounds into euros.", {"£1 = €1.15", "Change £70"}, {"£70 = €80.50"},
     {"Multiply by the rate:", "70 × 1.15 = 80.50", "£70 = €80.50"},
     R"({"kind":"exchange","currency":"euros","symbol":"€","rate":115,"pounds":70,"direction":"to-currency"})"},
    {"yen into pounds, grouped", 2, {kTop, drawAt(2, 5), drawFor(6, 1, 20), kTop},
     "Change Japanese yen into pounds.", {"£1 = ¥190", "Change ¥11,400"}, {"¥11,400 = £60"},
     {"Divide by the rate:", "11,400 ÷ 190 = 60", "¥11,400 = £60"},
     R"({"kind":"exchange","currency":"Japanese yen","symbol":"¥","rate":19000,"pounds":60,)"
     R"("direction":"to-pounds"})"},
    {"whole dollars into pounds, in Mixed", 3, {kTop, drawAt(1, 3), 0, 0, kTop},
     "Change US dollars into pounds.", {"£1 = $1.20", "Change $12"}, {"$12 = £10"},
     {"Divide by the rate:", "12 ÷ 1.20 = 10", "$12 = £10"},
     R"({"kind":"exchange","currency":"US dollars","symbol":"$","rate":120,"pounds":10,"direction":"to-pounds"})"},
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(MoneyQuestions, money, kExamples)
