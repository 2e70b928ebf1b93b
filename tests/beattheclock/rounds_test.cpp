// Beat the Clock items from scripted draws: the worked examples, the redraws (an item equal to
// an earlier one of its round, a subtraction that would go negative) and the rounds of a
// worksheet.
#include "beattheclock/activity.h"
#include "beattheclock/rounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using beattheclock::FourOperations;
using beattheclock::Mixed;
using beattheclock::SquaresRoots;
using beattheclock::Tables;

// The draw that gives `value` out of low..high.
float pick(int value, int low, int high)
{
    return (static_cast<float>(value - low) + 0.5f) / static_cast<float>(high - low + 1);
}

TEST(BeatTheClockItems, WorkedExamplesAndRedraws)
{
    struct Case {
        const char* name;
        int mode;
        std::vector<float> draws;
        std::vector<std::string> items; // the sheet's questions, in order
        std::string lastAnswer;
        std::string lastData;
    };
    const float twelve = pick(12, 2, 12);
    // clang-format off
    const Case cases[] = {
        {"a times table", Tables, {pick(7, 2, 12), pick(8, 2, 12), pick(2, 1, 4)}, {"7 × 8"}, "56",
         R"({"kind":"multiply","a":7,"b":8,"round":1,"position":1})"},
        {"its division fact", Tables, {twelve, twelve, pick(4, 1, 4)}, {"144 ÷ 12"}, "12",
         R"({"kind":"divide","a":144,"b":12,"round":1,"position":1})"},
        {"a subtraction, after one that would go below zero", FourOperations,
         {pick(2, 1, 4), pick(30, 21, 99), pick(40, 11, 99), pick(91, 21, 99), pick(37, 11, 99)}, {"91 − 37"}, "54",
         R"({"kind":"subtract","a":91,"b":37,"round":1,"position":1})"},
        {"an addition", FourOperations, {pick(1, 1, 4), 0, shell::kLargestDraw}, {"11 + 79"}, "90",
         R"({"kind":"add","a":11,"b":79,"round":1,"position":1})"},
        {"a division of the four operations", FourOperations, {pick(4, 1, 4), pick(6, 2, 12), pick(9, 2, 12)},
         {"54 ÷ 6"}, "9", R"({"kind":"divide","a":54,"b":6,"round":1,"position":1})"},
        {"a square root", SquaresRoots, {pick(3, 1, 5), pick(13, 2, 15)}, {"√169"}, "13",
         R"({"kind":"root","a":169,"b":null,"round":1,"position":1})"},
        {"a cube", SquaresRoots, {pick(5, 1, 5), pick(2, 0, 4)}, {"4³"}, "64",
         R"({"kind":"cube","a":4,"b":null,"round":1,"position":1})"},
        {"the largest cube", SquaresRoots, {shell::kLargestDraw, shell::kLargestDraw}, {"10³"}, "1000",
         R"({"kind":"cube","a":10,"b":null,"round":1,"position":1})"},
        {"a square", SquaresRoots, {0, shell::kLargestDraw}, {"15²"}, "225",
         R"({"kind":"square","a":15,"b":null,"round":1,"position":1})"},
        {"b × a equals a × b, so it is drawn again in its group", Mixed,
         {pick(0, 0, 2), pick(7, 2, 12), pick(8, 2, 12), pick(1, 1, 4),
          pick(1, 0, 2), pick(3, 1, 4), pick(8, 2, 12), pick(7, 2, 12), pick(3, 1, 4), pick(3, 2, 12), pick(12, 2, 12)},
         {"7 × 8", "3 × 12"}, "36", R"({"kind":"multiply","a":3,"b":12,"round":1,"position":2})"},
    };
    // clang-format on
    const shell::Activity& activity = beattheclock::activities()[0];
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell::ScriptedDraws draws(c.draws);
        const auto maker = activity.questions();
        shell::Exercise e;
        for (const std::string& item : c.items) {
            e = maker->make(c.mode, draws);
            ASSERT_EQ(e.question.size(), 1u);
            EXPECT_EQ(e.question[0].text, item);
        }
        EXPECT_EQ(draws.remaining(), 0u);
        EXPECT_EQ(e.instruction, "Answer each question as fast as you can.");
        EXPECT_EQ(e.answer, std::vector<std::string>{c.lastAnswer});
        EXPECT_TRUE(e.working.empty());
        EXPECT_EQ(e.fields.back().second.dump(), c.lastData);
    }
}

// A worksheet's items run in rounds of ten, numbered on from 1, each round free of repeats.
TEST(BeatTheClockItems, WorksheetRoundsOfTen)
{
    shell::ClockRandom draws(2026);
    const auto maker = beattheclock::activities()[0].questions();
    std::vector<std::string> round;
    for (int i = 0; i < 25; ++i) {
        const shell::Exercise e = maker->make(SquaresRoots, draws);
        const shell::Json& data = e.fields.back().second;
        EXPECT_EQ(data["round"].whole(), i / 10 + 1);
        EXPECT_EQ(data["position"].whole(), i % 10 + 1);
        if (i % 10 == 0)
            round.clear();
        EXPECT_EQ(std::count(round.begin(), round.end(), e.question[0].text), 0) << e.question[0].text;
        round.push_back(e.question[0].text);
    }
}

} // namespace
