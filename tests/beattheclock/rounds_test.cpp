// Beat the Clock items from scripted draws: the worked examples, the redraws (an item equal to
// an earlier one of its round, a subtraction that would go negative) and the rounds of a
// worksheet.
#include "beattheclock/activity.h"
#include "beattheclock/rounds.h"
#include "workedexample.h"

namespace {

using beattheclock::FourOperations, beattheclock::Mixed, beattheclock::SquaresRoots, beattheclock::Tables;
using testing_support::drawFor, testing_support::kTop, testing_support::WorkedExample;

const std::string kFast = "Answer each question as fast as you can.";
const float kTwelve = drawFor(12, 2, 12);

// clang-format off
const WorkedExample kExamples[] = {
    {"a times table", Tables, {drawFor(7, 2, 12), drawFor(8, 2, 12), drawFor(2, 1, 4)}, kFast, {"7 × 8"}, {"56"}, {},
     R"({"kind":"multiply","a":7,"b":8,"round":1,"position":1})"},
    {"its division fact", Tables, {kTwelve, kTwelve, drawFor(4, 1, 4)}, kFast, {"144 ÷ 12"}, {"12"}, {},
     R"({"kind":"divide","a":144,"b":12,"round":1,"position":1})"},
    {"a subtraction, after one that would go below zero", FourOperations,
     {drawFor(2, 1, 4), drawFor(30, 21, 99), drawFor(40, 11, 99), drawFor(91, 21, 99), drawFor(37, 11, 99)}, kFast,
     {"91 − 37"}, {"54"}, {}, R"({"kind":"subtract","a":91,"b":37,"round":1,"position":1})"},
    {"an addition", FourOperations, {drawFor(1, 1, 4), 0, kTop}, kFast, {"11 + 79"}, {"90"}, {},
     R"({"kind":"add","a":11,"b":79,"round":1,"position":1})"},
    {"a division of the four operations", FourOperations, {drawFor(4, 1, 4), drawFor(6, 2, 12), drawFor(9, 2, 12)},
     kFast, {"54 ÷ 6"}, {"9"}, {}, R"({"kind":"divide","a":54,"b":6,"round":1,"position":1})"},
    {"a square root", SquaresRoots, {drawFor(3, 1, 5), drawFor(13, 2, 15)}, kFast, {"√169"}, {"13"}, {},
     R"({"kind":"root","a":169,"b":null,"round":1,"position":1})"},
    {"the largest cube", SquaresRoots, {kTop, kTop}, kFast, {"10³"}, {"1000"}, {},
     R"({"kind":"cube","a":10,"b":null,"round":1,"position":1})"},
    {"a square", SquaresRoots, {0, kTop}, kFast, {"15²"}, {"225"}, {},
     R"({"kind":"square","a":15,"b":null,"round":1,"position":1})"},
};
// clang-format on

// b × a equals a × b, so it is drawn again in its group: 8 × 7 after 7 × 8 gives 3 × 12.
TEST(BeatTheClockItems, AnItemEqualToAnEarlierOneOfItsRoundIsDrawnAgain)
{
    shell::ScriptedDraws draws({drawFor(0, 0, 2), drawFor(7, 2, 12), drawFor(8, 2, 12), drawFor(1, 1, 4),
                                drawFor(1, 0, 2), drawFor(3, 1, 4), drawFor(8, 2, 12), drawFor(7, 2, 12),
                                drawFor(3, 1, 4), drawFor(3, 2, 12), kTwelve});
    const auto maker = beattheclock::activities()[0].questions();
    EXPECT_EQ(maker->make(Mixed, draws).question[0].text, "7 × 8");
    EXPECT_EQ(maker->make(Mixed, draws).question[0].text, "3 × 12");
    EXPECT_EQ(draws.remaining(), 0u);
}

// A worksheet's items run in rounds of ten, numbered on from 1 (the volume run's invariants catch
// an item repeated within a round).
TEST(BeatTheClockItems, WorksheetRoundsOfTen)
{
    shell::ClockRandom draws(2026);
    const auto maker = beattheclock::activities()[0].questions();
    for (int i = 0; i < 25; ++i) {
        const shell::Json data = maker->make(SquaresRoots, draws).fields.back().second;
        EXPECT_EQ(data["round"].whole(), i / 10 + 1);
        EXPECT_EQ(data["position"].whole(), i % 10 + 1);
    }
}

} // namespace

WORKED_EXAMPLES_TEST(BeatTheClockItems, beattheclock, kExamples)
