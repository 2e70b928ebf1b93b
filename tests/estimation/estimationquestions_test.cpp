#include "estimation/estimationquestions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/core/randomsource.h"

namespace {

using estimation::newQuestion;
constexpr float L = shell::kLargestDraw;

// The draw r that makes floor(n r + k) come out as value, taken from the middle of its interval.
float pick(int value, int n, int k)
{
    return (static_cast<float>(value - k) + 0.5f) / static_cast<float>(n);
}

const std::string kPlaces = "Write the following number correct to ";
const std::string kFigure = "Write the following number correct to 1 significant figure...";
const std::string kEstimate = "Estimate both numbers to 1 significant figure and then calculate the ";

struct ScriptedCase {
    const char* name;
    int low, high;
    std::vector<float> draws;
    int reseeds;
    int kind;
    std::string instruction, question, answer;
    std::optional<std::string> result = std::nullopt;
};

TEST(EstimationQuestions, ScriptedDrawsGiveEveryCase)
{
    const float k4 = L; // picks kind 4 in the Significant Figures mode
    const auto whole = [](int value) { return pick(value, 19991, 10); }; // kind 3's number
    const std::string p1 = kPlaces + "1 decimal place...", p3 = kPlaces + "3 decimal places...";
    const std::string p2 = kPlaces + "2 decimal places...", p4 = kPlaces + "4 decimal places...";
    const std::string f2 = kPlaces + "2 significant figures...", f3 = kPlaces + "3 significant figures...";
    const std::string f4 = kPlaces + "4 significant figures...", f5 = kPlaces + "5 significant figures...";
    // clang-format off
    const ScriptedCase cases[] = {
        {"kind 1 lowest draws, singular wording", 1, 5, {0, 0, 0}, 1, 1, p1, "1", "1.0"},
        {"kind 1 worked example", 1, 2, {0, pick(2, 4, 1), 0.5612345f}, 1, 1, p2, "57.12345", "57.12"},
        {"kind 1 largest draws", 1, 2, {0, L, L}, 1, 1, p4, "101", "101.0000"},
        {"kind 2 lowest draws", 1, 2, {L, 0, 0}, 1, 2, p1, "0", "0.0"},
        {"kind 2 largest draws", 1, 5, {pick(2, 5, 1), L, L}, 1, 2, p4, "2", "2.0000"},
        {"kind 2 short small number stays in general form", 1, 2, {L, pick(3, 4, 1), 0.00625f}, 1, 2, p3,
         "0.0125", "0.013"},
        {"kind 2 exponent form falls back to five decimals, answer rounded from them", 1, 2,
         {L, L, 0.006172835f}, 1, 2, p4, "0.01235", "0.0124"},
        {"kind 3 lowest draws", 3, 4, {0, 0, 0}, 2, 3, kFigure, "10", "10"},
        {"kind 3 largest draws", 1, 5, {pick(3, 5, 1), L, L}, 2, 3, f5, "20000", "20000"},
        {"kind 3 12345 to 2", 3, 4, {0, whole(12345), pick(2, 5, 1)}, 2, 3, f2, "12345", "12000"},
        {"kind 3 9960 to 2 carries", 3, 4, {0, whole(9960), pick(2, 4, 1)}, 2, 3, f2, "9960", "10000"},
        {"kind 3 20000 to 1", 3, 4, {0, L, 0}, 2, 3, kFigure, "20000", "20000"},
        {"kind 3 4449 to 1: only the first dropped digit decides", 3, 4, {0, whole(4449), 0}, 2, 3,
         kFigure, "4449", "4000"},
        {"kind 3 19995 to 4 carries to the front", 3, 4, {0, whole(19995), pick(4, 5, 1)}, 2, 3, f4,
         "19995", "20000"},
        {"kind 3 99 to 1 gains a digit", 3, 4, {0, whole(99), 0}, 2, 3, kFigure, "99", "100"},
        {"kind 3 47 to all its figures", 3, 4, {0, whole(47), L}, 2, 3, f2, "47", "47"},
        {"kind 4 0.0996000 to 1", 3, 4, {k4, 0.498f, pick(1, 3, 0), 0}, 2, 4, kFigure, "0.0996000", "0.1"},
        {"kind 4 0.0996000 to 2", 3, 4, {k4, 0.498f, pick(1, 3, 0), 0.5f}, 2, 4, f2, "0.0996000", "0.10"},
        {"kind 4 0.0996000 to 3", 3, 4, {k4, 0.498f, pick(1, 3, 0), L}, 2, 4, f3, "0.0996000", "0.0996"},
        {"kind 4 0.5 to 3 is padded", 3, 4, {k4, 0.25f, 0, L}, 2, 4, f3, "0.5", "0.500"},
        {"kind 4 .0625 has five characters: general form", 3, 4, {k4, 0.03125f, 0, 0.5f}, 2, 4, f2, "0.0625",
         "0.063"},
        {"kind 4 .03125 has six: seven decimals", 3, 4, {k4, 0.015625f, 0, L}, 2, 4, f3, "0.0312500",
         "0.0313"},
        {"kind 4 divides in double precision: 0.125 / 10 stays short", 3, 4,
         {k4, 0.0625f, pick(1, 3, 0), 0.5f}, 2, 4, f2, "0.0125", "0.013"},
        {"kind 4 largest draws", 1, 5, {pick(4, 5, 1), L, L, L}, 2, 4, f3, "0.0200000", "0.0200"},
        {"kind 4 largest x kept", 3, 4, {k4, 0.39999998f, 0, 0}, 2, 4, kFigure, "0.8000000", "0.8"},
        {"kind 4 x of 0.8 is drawn again", 3, 4, {k4, 0.4f, 0, 0.25f, 0, 0}, 3, 4, kFigure, "0.5", "0.5"},
        {"kind 4 zero is drawn again", 3, 4, {k4, 0, 0, 0.25f, 0, 0}, 3, 4, kFigure, "0.5", "0.5"},
        {"kind 4 0.0000000 is drawn again", 3, 4, {k4, 1e-8f, L, 0.25f, 0, 0}, 3, 4, kFigure, "0.5", "0.5"},
        {"kind 4 smallest shown digit is kept", 3, 4, {k4, 5e-6f, L, 0.5f}, 2, 4, f2, "0.0000001",
         "0.00000010"},
        {"kind 5 lowest draws", 5, 5, {0, 0, 0, 0}, 2, 5, kEstimate + "sum...", "10 + 10", "10 + 10", "= 20"},
        {"kind 5 largest draws", 1, 5, {L, L, L, L}, 2, 5, kEstimate + "product...", "600 x 50", "600 x 50",
         "= 30000"},
        {"kind 5 347 + 23", 5, 5, {0, pick(347, 591, 10), pick(23, 41, 10), 0}, 2, 5, kEstimate + "sum...",
         "347 + 23", "300 + 20", "= 320"},
        {"kind 5 95 x 17", 5, 5, {0, pick(95, 591, 10), pick(17, 41, 10), L}, 2, 5, kEstimate + "product...",
         "95 x 17", "100 x 20", "= 2000"},
        {"kind 5 negative difference", 5, 5, {0, 0, L, pick(2, 3, 1)}, 2, 5, kEstimate + "difference...",
         "10 - 50", "10 - 50", "= -40"},
        {"kind 5 halves go up", 5, 5, {0, pick(95, 591, 10), pick(45, 41, 10), pick(2, 3, 1)}, 2, 5,
         kEstimate + "difference...", "95 - 45", "100 - 50", "= 50"},
    };
    // clang-format on
    for (const ScriptedCase& c : cases) {
        SCOPED_TRACE(c.name);
        shell::ScriptedDraws draws(c.draws);
        const estimation::Question q = newQuestion(c.low, c.high, draws);
        EXPECT_EQ(q.kind, c.kind);
        EXPECT_EQ(q.instruction, c.instruction);
        EXPECT_EQ(q.question, c.question);
        EXPECT_EQ(q.answer, c.answer);
        EXPECT_EQ(q.result, c.result);
        EXPECT_EQ(draws.remaining(), 0u);
        EXPECT_EQ(draws.reseeds(), c.reseeds);
    }
}

TEST(EstimationQuestions, OnesigfigRoundsHalvesUp)
{
    const struct {
        std::int16_t x, rounded;
    } cases[] = {
        {35, 40}, {45, 50}, {95, 100},  {250, 300}, {347, 300},     {596, 600},
        {23, 20}, {10, 10}, {549, 500}, {550, 600}, {32767, 30000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(estimation::onesigfig(c.x), c.rounded);
    }
}

TEST(EstimationQuestions, DecimalAnswersShowTheirFigures)
{
    const struct {
        const char* number;
        int figures;
        const char* answer;
    } cases[] = {{"0.3141593", 3, "0.314"},
                 {"0.0123457", 1, "0.01"},
                 {"0.0996000", 2, "0.10"},
                 {"0.0000000", 2, "0.0000000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(estimation::figuresAnswer(c.number, c.figures), c.answer);
    }
}

} // namespace
