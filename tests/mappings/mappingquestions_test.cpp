// Mapping questions: every kind in each of its modes at both extreme draws, the worked cases and
// the hidden column. The volume runs (tests/reliability) check random questions of every mode.
#include "mappings/mappingquestions.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/core/randomsource.h"

namespace {

using mappings::Column;
using mappings::Mode;
using mappings::Question;
using shell::kLargestDraw;
constexpr float T = kLargestDraw;

constexpr std::array kModes{Mode::FindRange, Mode::FindDomain, Mode::Mixed};

int kindCount(Mode mode)
{
    return mode == Mode::FindRange ? 20 : mode == Mode::FindDomain ? 18 : 16;
}

// The draw that gives `value` out of the whole numbers low..high.
float pick(int value, int low, int high)
{
    return (static_cast<float>(value - low) + 0.5f) / static_cast<float>(high - low + 1);
}

// Scripts the kind (in Mixed also a hidden range column), then `values` for the first value,
// c and s; the generator must reseed once and use exactly the draws scripted.
Question ask(Mode mode, int kind, std::vector<float> values)
{
    std::vector<float> script{pick(kind, 1, kindCount(mode))};
    if (mode == Mode::Mixed)
        script.push_back(pick(2, 1, 2));
    script.insert(script.end(), values.begin(), values.end());
    shell::ScriptedDraws draws(script);
    const Question q = mappings::calculate(mode, draws);
    EXPECT_EQ(draws.reseeds(), 1);
    EXPECT_EQ(draws.remaining(), 0u);
    EXPECT_EQ(q.kind, kind);
    return q;
}

struct End {
    const char* rule;
    const char* firstDomain;
    const char* lastDomain;
    const char* firstRange;
    const char* lastRange;
};

struct KindCase {
    const char* name;
    std::vector<Mode> modes;
    int kind;
    End low;  // every value draw 0
    End high; // every value draw the largest
};

const std::vector<Mode> kEveryMode(kModes.begin(), kModes.end());
const std::vector<Mode> kRange{Mode::FindRange};
const std::vector<Mode> kDomain{Mode::FindDomain};

// clang-format off
const KindCase kKinds[] = {
    {"x + c", kEveryMode, 1, {"x + 1", "1", "5", "2", "6"}, {"x + 10", "10", "26", "20", "36"}},
    {"x - c descends", kEveryMode, 2, {"x - 1", "16", "12", "15", "11"}, {"x - 5", "25", "9", "20", "4"}},
    {"cx", kEveryMode, 3, {"2x", "1", "5", "2", "10"}, {"10x", "6", "22", "60", "220"}},
    {"x/2", kEveryMode, 4, {"x/2", "1", "5", "0.5", "2.5"}, {"x/2", "6", "22", "3", "11"}},
    {"x/3 steps by threes", kEveryMode, 5, {"x/3", "3", "15", "1", "5"}, {"x/3", "18", "66", "6", "22"}},
    {"x/4", kEveryMode, 6, {"x/4", "1", "5", "0.25", "1.25"}, {"x/4", "6", "22", "1.5", "5.5"}},
    {"x/5", kEveryMode, 7, {"x/5", "1", "5", "0.2", "1"}, {"x/5", "6", "22", "1.2", "4.4"}},
    {"x/10", kEveryMode, 8, {"x/10", "1", "5", "0.1", "0.5"}, {"x/10", "6", "22", "0.6", "2.2"}},
    {"2x + c", kEveryMode, 9, {"2x + 1", "1", "5", "3", "11"}, {"2x + 10", "10", "26", "30", "62"}},
    {"3x + c", kEveryMode, 10, {"3x + 1", "1", "5", "4", "16"}, {"3x + 10", "10", "26", "40", "88"}},
    {"5x + c", kEveryMode, 11, {"5x + 1", "1", "5", "6", "26"}, {"5x + 10", "10", "26", "60", "140"}},
    {"10x + c", kEveryMode, 12, {"10x + 1", "1", "5", "11", "51"}, {"10x + 10", "10", "26", "110", "270"}},
    {"2x - c", kEveryMode, 13, {"2x - 1", "1", "5", "1", "9"}, {"2x - 10", "10", "26", "10", "42"}},
    {"3x - c", kEveryMode, 14, {"3x - 1", "1", "5", "2", "14"}, {"3x - 10", "10", "26", "20", "68"}},
    {"5x - c", kEveryMode, 15, {"5x - 1", "1", "5", "4", "24"}, {"5x - 10", "10", "26", "40", "120"}},
    {"10x - c", kEveryMode, 16, {"10x - 1", "1", "5", "9", "49"}, {"10x - 10", "10", "26", "90", "250"}},
    {"square", kRange, 17, {"x²", "1", "5", "1", "25"}, {"x²", "4", "20", "16", "400"}},
    {"square + c", kRange, 18, {"x² + 1", "1", "5", "2", "26"}, {"x² + 10", "4", "20", "26", "410"}},
    {"cube", kRange, 19, {"x³", "1", "5", "1", "125"}, {"x³", "3", "15", "27", "3375"}},
    {"cube + c", kRange, 20, {"x³ + 1", "1", "5", "2", "126"}, {"x³ + 10", "3", "15", "37", "3385"}},
    {"±square + c", kDomain, 17, {"x² + 1", "±1", "±5", "2", "26"}, {"x² + 10", "±4", "±20", "26", "410"}},
    {"cube + c", kDomain, 18, {"x³ + 1", "1", "5", "2", "126"}, {"x³ + 10", "3", "15", "37", "3385"}},
};
// clang-format on

TEST(MappingQuestions, EveryKindAtBothExtremeDraws)
{
    for (const KindCase& k : kKinds) {
        // Only the rules with a constant draw c, so they change text between the ends.
        const std::size_t valueDraws = std::string(k.low.rule) == k.high.rule ? 2 : 3;
        for (Mode mode : k.modes) {
            for (const auto& [draw, end] : {std::pair{0.0f, k.low}, std::pair{kLargestDraw, k.high}}) {
                SCOPED_TRACE(std::string(k.name) + " in mode " + std::to_string(static_cast<int>(mode)) +
                             (draw == 0.0f ? ", low" : ", high"));
                const Question q = ask(mode, k.kind, std::vector<float>(valueDraws, draw));
                EXPECT_EQ(q.rule, end.rule);
                EXPECT_EQ(q.domain[0], end.firstDomain);
                EXPECT_EQ(q.domain[4], end.lastDomain);
                EXPECT_EQ(q.range[0], end.firstRange);
                EXPECT_EQ(q.range[4], end.lastRange);
            }
        }
    }
}

struct WorkedCase {
    const char* name;
    Mode mode;
    int kind;
    std::vector<float> values; // first value, c where the rule has one, s
    const char* rule;
    std::array<const char*, 5> domain;
    std::array<const char*, 5> range;
};

TEST(MappingQuestions, WorkedCases)
{
    // clang-format off
    const WorkedCase cases[] = {
        {"x - c down to 0 and below", Mode::FindRange, 2, {pick(16, 16, 25), pick(5, 1, 5), pick(4, 1, 4)},
         "x - 5", {"16", "12", "8", "4", "0"}, {"11", "7", "3", "-1", "-5"}},
        {"2x - 10 reaches -8", Mode::Mixed, 13, {0.0f, T, 0.0f},
         "2x - 10", {"1", "2", "3", "4", "5"}, {"-8", "-6", "-4", "-2", "0"}},
        {"x/5 gives fifths", Mode::FindRange, 7, {pick(3, 1, 6), 0.0f},
         "x/5", {"3", "4", "5", "6", "7"}, {"0.6", "0.8", "1", "1.2", "1.4"}},
        {"plus-minus square", Mode::FindDomain, 17, {pick(2, 1, 4), pick(4, 1, 10), pick(3, 1, 4)},
         "x² + 4", {"±2", "±5", "±8", "±11", "±14"}, {"8", "29", "68", "125", "200"}},
        {"number first in cx", Mode::FindRange, 3, {0.0f, pick(7, 2, 10), 0.0f},
         "7x", {"1", "2", "3", "4", "5"}, {"7", "14", "21", "28", "35"}},
    };
    // clang-format on
    for (const WorkedCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Question q = ask(c.mode, c.kind, c.values);
        EXPECT_EQ(q.rule, c.rule);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(q.domain[i], c.domain[i]) << "row " << i;
            EXPECT_EQ(q.range[i], c.range[i]) << "row " << i;
        }
    }
}

TEST(MappingQuestions, HiddenColumnIsFilled)
{
    struct {
        const char* name;
        Mode mode;
        std::vector<float> script; // kind 4 (x/2), [mixchoice], first value, s
        std::optional<int> mixchoice;
        Column hidden;
    } const cases[] = {
        // clang-format off
        {"find the range hides the range", Mode::FindRange, {pick(4, 1, 20), 0, 0}, {}, Column::Range},
        {"find the domain hides the domain", Mode::FindDomain, {pick(4, 1, 18), 0, 0}, {}, Column::Domain},
        {"mixed choice 1 hides the domain", Mode::Mixed, {pick(4, 1, 16), 0, 0, 0}, 1, Column::Domain},
        {"mixed choice 2 hides the range", Mode::Mixed, {pick(4, 1, 16), T, 0, 0}, 2, Column::Range},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell::ScriptedDraws draws(c.script);
        const Question q = mappings::calculate(c.mode, draws);
        EXPECT_EQ(draws.remaining(), 0u);
        EXPECT_EQ(q.mixchoice, c.mixchoice);
        EXPECT_EQ(q.hidden, c.hidden);
        for (int i = 0; i < 5; ++i) {
            EXPECT_FALSE(q.domain[i].empty()) << "row " << i;
            EXPECT_FALSE(q.range[i].empty()) << "row " << i;
        }
    }
}

TEST(MappingQuestions, ModeOutsideTheThreeDrawsNothing)
{
    shell::ScriptedDraws draws({});
    const Question q = mappings::calculate(static_cast<Mode>(4), draws);
    EXPECT_EQ(draws.reseeds(), 0);
    EXPECT_EQ(q.kind, 0);
    EXPECT_TRUE(q.rule.empty());
}

} // namespace
