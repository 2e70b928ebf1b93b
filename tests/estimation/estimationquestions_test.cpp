#include "estimation/estimationquestions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "shell/core/numbertext.h"
#include "shell/core/randomsource.h"

namespace {

using estimation::newQuestion;
using shell::numtext::readNumber;
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
    const ScriptedCase cases[] = {
        {"kind 1 lowest draws, singular wording",
         1,
         5,
         {0, 0, 0},
         1,
         1,
         kPlaces + "1 decimal place...",
         "1",
         "1.0"},
        {"kind 1 worked example",
         1,
         2,
         {0, pick(2, 4, 1), 0.5612345f},
         1,
         1,
         kPlaces + "2 decimal places...",
         "57.12345",
         "57.12"},
        {"kind 1 largest draws", 1, 2, {0, L, L}, 1, 1, kPlaces + "4 decimal places...", "101", "101.0000"},
        {"kind 2 lowest draws", 1, 2, {L, 0, 0}, 1, 2, kPlaces + "1 decimal place...", "0", "0.0"},
        {"kind 2 largest draws",
         1,
         5,
         {pick(2, 5, 1), L, L},
         1,
         2,
         kPlaces + "4 decimal places...",
         "2",
         "2.0000"},
        {"kind 2 short small number stays in general form",
         1,
         2,
         {L, pick(3, 4, 1), 0.00625f},
         1,
         2,
         kPlaces + "3 decimal places...",
         "0.0125",
         "0.013"},
        {"kind 2 exponent form falls back to five decimals, answer rounded from them",
         1,
         2,
         {L, L, 0.006172835f},
         1,
         2,
         kPlaces + "4 decimal places...",
         "0.01235",
         "0.0124"},
        {"kind 3 lowest draws", 3, 4, {0, 0, 0}, 2, 3, kFigure, "10", "10"},
        {"kind 3 largest draws",
         1,
         5,
         {pick(3, 5, 1), L, L},
         2,
         3,
         kPlaces + "5 significant figures...",
         "20000",
         "20000"},
        {"kind 3 12345 to 2",
         3,
         4,
         {0, pick(12345, 19991, 10), pick(2, 5, 1)},
         2,
         3,
         kPlaces + "2 significant figures...",
         "12345",
         "12000"},
        {"kind 3 9960 to 2 carries",
         3,
         4,
         {0, pick(9960, 19991, 10), pick(2, 4, 1)},
         2,
         3,
         kPlaces + "2 significant figures...",
         "9960",
         "10000"},
        {"kind 3 20000 to 1", 3, 4, {0, L, 0}, 2, 3, kFigure, "20000", "20000"},
        {"kind 3 4449 to 1: only the first dropped digit decides",
         3,
         4,
         {0, pick(4449, 19991, 10), 0},
         2,
         3,
         kFigure,
         "4449",
         "4000"},
        {"kind 3 19995 to 4 carries to the front",
         3,
         4,
         {0, pick(19995, 19991, 10), pick(4, 5, 1)},
         2,
         3,
         kPlaces + "4 significant figures...",
         "19995",
         "20000"},
        {"kind 3 99 to 1 gains a leading digit",
         3,
         4,
         {0, pick(99, 19991, 10), 0},
         2,
         3,
         kFigure,
         "99",
         "100"},
        {"kind 3 47 to all its figures is unchanged",
         3,
         4,
         {0, pick(47, 19991, 10), L},
         2,
         3,
         kPlaces + "2 significant figures...",
         "47",
         "47"},
        {"kind 4 0.0996000 to 1", 3, 4, {k4, 0.498f, pick(1, 3, 0), 0}, 2, 4, kFigure, "0.0996000", "0.1"},
        {"kind 4 0.0996000 to 2",
         3,
         4,
         {k4, 0.498f, pick(1, 3, 0), 0.5f},
         2,
         4,
         kPlaces + "2 significant figures...",
         "0.0996000",
         "0.10"},
        {"kind 4 0.0996000 to 3",
         3,
         4,
         {k4, 0.498f, pick(1, 3, 0), L},
         2,
         4,
         kPlaces + "3 significant figures...",
         "0.0996000",
         "0.0996"},
        {"kind 4 0.5 to 3 is padded",
         3,
         4,
         {k4, 0.25f, 0, L},
         2,
         4,
         kPlaces + "3 significant figures...",
         "0.5",
         "0.500"},
        {"kind 4 .0625 has five characters: general form",
         3,
         4,
         {k4, 0.03125f, 0, 0.5f},
         2,
         4,
         kPlaces + "2 significant figures...",
         "0.0625",
         "0.063"},
        {"kind 4 .03125 has six: seven decimals",
         3,
         4,
         {k4, 0.015625f, 0, L},
         2,
         4,
         kPlaces + "3 significant figures...",
         "0.0312500",
         "0.0313"},
        {"kind 4 divides in double precision: 0.125 / 10 stays short",
         3,
         4,
         {k4, 0.0625f, pick(1, 3, 0), 0.5f},
         2,
         4,
         kPlaces + "2 significant figures...",
         "0.0125",
         "0.013"},
        {"kind 4 largest draws",
         1,
         5,
         {pick(4, 5, 1), L, L, L},
         2,
         4,
         kPlaces + "3 significant figures...",
         "0.0200000",
         "0.0200"},
        {"kind 4 largest x kept", 3, 4, {k4, 0.39999998f, 0, 0}, 2, 4, kFigure, "0.8000000", "0.8"},
        {"kind 4 x of 0.8 is drawn again", 3, 4, {k4, 0.4f, 0, 0.25f, 0, 0}, 3, 4, kFigure, "0.5", "0.5"},
        {"kind 4 zero is drawn again", 3, 4, {k4, 0, 0, 0.25f, 0, 0}, 3, 4, kFigure, "0.5", "0.5"},
        {"kind 4 0.0000000 is drawn again", 3, 4, {k4, 1e-8f, L, 0.25f, 0, 0}, 3, 4, kFigure, "0.5", "0.5"},
        {"kind 4 smallest shown digit is kept",
         3,
         4,
         {k4, 5e-6f, L, 0.5f},
         2,
         4,
         kPlaces + "2 significant figures...",
         "0.0000001",
         "0.00000010"},
        {"kind 5 lowest draws", 5, 5, {0, 0, 0, 0}, 2, 5, kEstimate + "sum...", "10 + 10", "10 + 10", "= 20"},
        {"kind 5 largest draws",
         1,
         5,
         {L, L, L, L},
         2,
         5,
         kEstimate + "product...",
         "600 x 50",
         "600 x 50",
         "= 30000"},
        {"kind 5 347 + 23",
         5,
         5,
         {0, pick(347, 591, 10), pick(23, 41, 10), 0},
         2,
         5,
         kEstimate + "sum...",
         "347 + 23",
         "300 + 20",
         "= 320"},
        {"kind 5 95 x 17",
         5,
         5,
         {0, pick(95, 591, 10), pick(17, 41, 10), L},
         2,
         5,
         kEstimate + "product...",
         "95 x 17",
         "100 x 20",
         "= 2000"},
        {"kind 5 negative difference",
         5,
         5,
         {0, 0, L, pick(2, 3, 1)},
         2,
         5,
         kEstimate + "difference...",
         "10 - 50",
         "10 - 50",
         "= -40"},
        {"kind 5 halves go up",
         5,
         5,
         {0, pick(95, 591, 10), pick(45, 41, 10), pick(2, 3, 1)},
         2,
         5,
         kEstimate + "difference...",
         "95 - 45",
         "100 - 50",
         "= 50"},
    };
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
    } cases[] = {
        {"0.3141593", 3, "0.314"},
        {"0.0123457", 1, "0.01"},
        {"0.0996000", 2, "0.10"},
        {"0.0000000", 2, "0.0000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(estimation::figuresAnswer(c.number, c.figures), c.answer);
    }
}

int placesAsked(const std::string& instruction)
{
    return static_cast<int>(readNumber(instruction.substr(kPlaces.size())));
}

int decimals(const std::string& text)
{
    const auto point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Checks each question against what rounding means, not against the generator's own steps.
void checkQuestion(const estimation::Question& q)
{
    SCOPED_TRACE(q.instruction + " | " + q.question + " | " + q.answer);
    const double x = readNumber(q.question);
    const double answer = readNumber(q.answer);
    const int asked = placesAsked(q.instruction);
    EXPECT_EQ(q.result.has_value(), q.kind == estimation::kEstimate);
    if (q.kind == 1 || q.kind == 2) {
        EXPECT_EQ(q.instruction.ends_with(" place..."), asked == 1);
        EXPECT_TRUE(q.kind == 1 ? (x >= 1 && x <= 101) : (x >= 0 && x <= 2));
        EXPECT_EQ(decimals(q.answer), asked);
        EXPECT_LE(std::fabs(answer - x), 0.5 * std::pow(10.0, -asked) + 1e-9);
    } else if (q.kind == 3) {
        const int length = static_cast<int>(q.question.size());
        const double unit = std::pow(10.0, length - asked);
        EXPECT_TRUE(x >= 10 && x <= 20000 && asked >= 1 && asked <= length);
        EXPECT_EQ(std::fmod(answer, unit), 0);
        EXPECT_LE(std::fabs(answer - x), unit / 2);
    } else if (q.kind == 4) {
        const auto first = q.question.find_first_of("123456789");
        ASSERT_NE(first, std::string::npos);
        EXPECT_TRUE(x > 0 && x <= 0.8);
        const auto shownFirst = q.answer.find_first_of("123456789");
        EXPECT_EQ(static_cast<int>(q.answer.size() - shownFirst), asked);
        // "0." takes two characters, so the first figure stands at decimal place first - 1.
        const int lastPlace = static_cast<int>(first) - 2 + asked;
        EXPECT_LE(std::fabs(answer - x), 0.5 * std::pow(10.0, -lastPlace) + 1e-12);
    } else {
        std::istringstream question(q.question), rounded(q.answer);
        int a = 0, b = 0, ra = 0, rb = 0;
        char op = 0, rop = 0;
        question >> a >> op >> b;
        rounded >> ra >> rop >> rb;
        EXPECT_TRUE(a >= 10 && a <= 600 && b >= 10 && b <= 50);
        EXPECT_EQ(op, rop);
        for (auto [n, r] : {std::pair{a, ra}, std::pair{b, rb}}) {
            const double unit = std::pow(10.0, std::to_string(n).size() - 1);
            EXPECT_EQ(std::fmod(r, unit), 0);
            EXPECT_TRUE(r - n <= unit / 2 && n - r < unit / 2) << n << " -> " << r;
        }
        const int value = op == '+' ? ra + rb : op == '-' ? ra - rb : ra * rb;
        EXPECT_EQ(*q.result, "= " + std::to_string(value));
        const char* name = op == '+' ? "sum..." : op == '-' ? "difference..." : "product...";
        EXPECT_EQ(q.instruction, kEstimate + name);
    }
}

TEST(EstimationQuestions, ManySeedsKeepEachModesKindsAndRoundCorrectly)
{
    const struct {
        const char* mode;
        int low, high;
    } modes[] = {
        {"Decimal Places", 1, 2},
        {"Significant Figures", 3, 4},
        {"Estimation", 5, 5},
        {"Mixed", 1, 5},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        shell::ClockRandom draws(2024);
        draws.setDeterministic(2024);
        std::set<int> kinds;
        for (int i = 0; i < 2000; ++i) {
            const estimation::Question q = newQuestion(m.low, m.high, draws);
            kinds.insert(q.kind);
            checkQuestion(q);
        }
        std::set<int> expected;
        for (int kind = m.low; kind <= m.high; ++kind)
            expected.insert(kind);
        EXPECT_EQ(kinds, expected);
    }
}

} // namespace
