// The Units generator: exact texts from scripted draws, and every conversion checked against
// unit sizes written out here, not against the generator's factors.
#include "units/unitquestions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

using shell::kLargestDraw;
using shell::ScriptedDraws;
using units::Mode;
using units::Question;
using units::Reference;

constexpr Mode kModes[] = {Mode::Metric, Mode::Imperial, Mode::Compound, Mode::MetricImperial};

int rowCount(Mode mode)
{
    return mode == Mode::Metric ? 12 : mode == Mode::Imperial ? 20 : mode == Mode::Compound ? 6 : 8;
}

struct Range {
    int low, high;
};

Range rangeOf(Mode mode, int row)
{
    if (mode == Mode::Metric)
        return {1, 100};
    if (mode != Mode::Compound)
        return {2, 99};
    return row == 1 ? Range{1, 30} : row == 2 ? Range{10, 200} : Range{1, 50};
}

// The draw that makes floor(count x r + first) come out as value.
float drawFor(int value, int count, int first)
{
    return (static_cast<float>(value - first) + 0.5f) / static_cast<float>(count);
}

Question ask(Mode mode, int row, float quantityDraw)
{
    ScriptedDraws draws({drawFor(row, rowCount(mode), 1), quantityDraw});
    Question q = units::calculate(mode, draws);
    EXPECT_EQ(draws.reseeds(), 1);
    EXPECT_EQ(draws.used(), 2u);
    EXPECT_EQ(q.mode, mode);
    EXPECT_EQ(q.row, row);
    return q;
}

struct Unit {
    const char* word;
    const char* symbol;
    double size;
};

// Metric lengths in mm, imperial lengths in inches, speeds in m/sec; the metric and imperial
// group uses its approximate facts, in cm.
const std::vector<Unit> kUnits[] = {
    {{"kilometres", "km", 1e6}, {"metres", "m", 1e3}, {"centimetres", "cm", 10}, {"millimetres", "mm", 1}},
    {{"miles", "miles", 63360},
     {"furlongs", "furlongs", 7920},
     {"chains", "chains", 792},
     {"poles", "poles", 198},
     {"yards", "yards", 36},
     {"feet", "feet", 12},
     {"inches", "inches", 1},
     {"links", "links", 7.92}},
    {{"m/sec", "m/sec", 1},
     {"km/h", "km/h", 1 / 3.6},
     {"cm/sec", "cm/sec", 0.01},
     {"m/min", "m/min", 1 / 60.0}},
    {{"centimetres", "cm", 1},
     {"kilometres", "km", 1e5},
     {"inches", "inches", 2.54},
     {"feet", "feet", 30.48},
     {"yards", "yards", 91.44},
     {"miles", "miles", 161000}},
};

const Unit* findUnit(Mode mode, const std::string& name)
{
    for (const Unit& unit : kUnits[static_cast<int>(mode) - 1]) {
        if (name == unit.word || name == unit.symbol)
            return &unit;
    }
    return nullptr;
}

// Checks one question against the unit sizes and returns the drawn whole number n.
int checkConversion(const Question& q)
{
    SCOPED_TRACE(q.question + " = " + q.answer);
    static const std::regex question(R"((\d+) (\S+) to (\S+))");
    // Even the largest and smallest answers here are written plainly, never in exponent form.
    static const std::regex answer(R"((\d+(?:\.(\d+))?) (\S+))");
    std::smatch qm, am;
    if (!std::regex_match(q.question, qm, question) || !std::regex_match(q.answer, am, answer)) {
        ADD_FAILURE() << "not a number, one blank and the words";
        return 0;
    }
    const Unit* from = findUnit(q.mode, qm[2]);
    const Unit* to = findUnit(q.mode, qm[3]);
    if (!from || !to) {
        ADD_FAILURE() << "unknown unit";
        return 0;
    }
    EXPECT_EQ(am[3], to->symbol);
    const double quantity = std::stod(qm[1]);
    const double shown = std::stod(am[1]);
    const double expected = quantity * from->size / to->size;
    const bool whole = std::abs(expected - std::round(expected)) < 1e-9;
    const bool alwaysTwo = q.mode == Mode::MetricImperial && q.row >= 5;
    const bool twoUnlessWhole = q.mode == Mode::Compound && (q.row == 2 || q.row == 6);
    if (alwaysTwo || (twoUnlessWhole && !whole)) {
        EXPECT_EQ(am[2].length(), 2u);
        EXPECT_NEAR(shown, expected, 0.005 + 1e-9);
    } else {
        // The general form keeps up to 7 significant digits and no trailing zeros.
        EXPECT_NEAR(shown, expected, std::abs(expected) * 1e-6);
        if (whole) {
            EXPECT_FALSE(am[2].matched);
        }
    }
    if (q.mode == Mode::Imperial) {
        EXPECT_TRUE(whole);
    }
    return q.mode == Mode::Imperial && q.row > 10 ? static_cast<int>(shown) : static_cast<int>(quantity);
}

TEST(UnitQuestions, ExamplesGiveTheirExactTexts)
{
    struct Case {
        const char* name;
        Mode mode;
        int row, n;
        const char* question;
        const char* answer;
    };
    const Case cases[] = {
        {"km to metres", Mode::Metric, 1, 57, "57 km to metres", "57000 m"},
        {"m to kilometres", Mode::Metric, 7, 57, "57 m to kilometres", "0.057 km"},
        {"smallest mm to kilometres", Mode::Metric, 9, 1, "1 mm to kilometres", "0.000001 km"},
        {"largest km to millimetres", Mode::Metric, 3, 100, "100 km to millimetres", "100000000 mm"},
        {"yards to miles", Mode::Imperial, 11, 2, "3520 yards to miles", "2 miles"},
        {"largest miles to inches", Mode::Imperial, 3, 99, "99 miles to inches", "6272640 inches"},
        {"largest inches to miles", Mode::Imperial, 13, 99, "6272640 inches to miles", "99 miles"},
        {"m/sec to km/h", Mode::Compound, 1, 7, "7 m/sec to km/h", "25.2 km/h"},
        {"km/h to m/sec in two decimals", Mode::Compound, 2, 50, "50 km/h to m/sec", "13.89 m/sec"},
        {"km/h to m/sec whole", Mode::Compound, 2, 72, "72 km/h to m/sec", "20 m/sec"},
        {"km/h to m/sec whole and small", Mode::Compound, 2, 18, "18 km/h to m/sec", "5 m/sec"},
        {"smallest km/h to m/sec", Mode::Compound, 2, 10, "10 km/h to m/sec", "2.78 m/sec"},
        {"cm/sec to m/min", Mode::Compound, 5, 7, "7 cm/sec to m/min", "4.2 m/min"},
        {"m/min to cm/sec", Mode::Compound, 6, 7, "7 m/min to cm/sec", "11.67 cm/sec"},
        {"m/min to cm/sec whole", Mode::Compound, 6, 3, "3 m/min to cm/sec", "5 cm/sec"},
        {"feet to centimetres", Mode::MetricImperial, 1, 57, "57 feet to centimetres", "1737.36 cm"},
        {"kilometres to miles keeps a zero", Mode::MetricImperial, 8, 57, "57 kilometres to miles",
         "35.40 miles"},
        {"centimetres to feet below 1", Mode::MetricImperial, 5, 2, "2 centimetres to feet", "0.07 feet"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Range range = rangeOf(c.mode, c.row);
        const Question q = ask(c.mode, c.row, drawFor(c.n, range.high - range.low + 1, range.low));
        EXPECT_EQ(q.question, c.question);
        EXPECT_EQ(q.answer, c.answer);
    }
}

TEST(UnitQuestions, EveryRowConvertsAtBothEndsOfItsRange)
{
    for (Mode mode : kModes) {
        for (int row = 1; row <= rowCount(mode); ++row) {
            SCOPED_TRACE("mode " + std::to_string(static_cast<int>(mode)) + " row " + std::to_string(row));
            EXPECT_EQ(checkConversion(ask(mode, row, 0.0f)), rangeOf(mode, row).low);
            EXPECT_EQ(checkConversion(ask(mode, row, kLargestDraw)), rangeOf(mode, row).high);
        }
    }
}

TEST(UnitQuestions, ExtremeRowDrawsGiveTheFirstAndLastRows)
{
    for (Mode mode : kModes) {
        ScriptedDraws draws({0.0f, 0.5f, kLargestDraw, 0.5f});
        EXPECT_EQ(units::calculate(mode, draws).row, 1);
        EXPECT_EQ(units::calculate(mode, draws).row, rowCount(mode));
    }
}

TEST(UnitQuestions, ManySeedsGiveSoundConversionsInRange)
{
    shell::ClockRandom source(20240611);
    for (int i = 0; i < 4000; ++i) {
        const Mode mode = kModes[i % 4];
        const Question q = units::calculate(mode, source);
        ASSERT_GE(q.row, 1);
        ASSERT_LE(q.row, rowCount(mode));
        const int n = checkConversion(q);
        EXPECT_GE(n, rangeOf(mode, q.row).low) << q.question;
        EXPECT_LE(n, rangeOf(mode, q.row).high) << q.question;
    }
}

TEST(UnitQuestions, ReferenceFrameGoesWithTheMode)
{
    struct Case {
        const char* name;
        Mode mode;
        Reference reference;
        const char* caption;
    };
    const Case cases[] = {
        {"metric", Mode::Metric, Reference::None, ""},
        {"imperial", Mode::Imperial, Reference::Imperial, "Imperial conversions"},
        {"compound", Mode::Compound, Reference::None, ""},
        {"metric and imperial", Mode::MetricImperial, Reference::Approximate, "Approximate conversions"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ask(c.mode, 1, 0.5f).reference, c.reference);
        EXPECT_EQ(units::referenceFrame(c.reference).caption, c.caption);
    }
}

TEST(UnitQuestions, ReferenceFactsHaveTheirIndicesAndPlaces)
{
    struct Fact {
        Reference frame;
        int index;
        std::string_view caption;
        int left, top;
    };
    const Fact expected[] = {
        {Reference::Imperial, 0, "1 mile = 1760 yards", 300, 390},
        {Reference::Imperial, 1, "1 yard = 3 feet", 300, 1005},
        {Reference::Imperial, 2, "1 foot = 12 inches", 300, 1635},
        {Reference::Imperial, 3, "1 mile = 8 furlongs", 300, 2250},
        {Reference::Imperial, 4, "1 furlong = 40 poles", 300, 2880},
        {Reference::Imperial, 5, "1 chain = 22 yards", 300, 3495},
        {Reference::Imperial, 6, "1 chain = 100 links", 300, 4125},
        {Reference::Approximate, 13, "1 inch = 2.54 cm", 300, 390},
        {Reference::Approximate, 12, "1 foot = 30.48 cm", 300, 1005},
        {Reference::Approximate, 11, "1 yard = 91.44 cm", 315, 1635},
        {Reference::Approximate, 10, "1 mile = 1.61 km", 300, 2250},
    };
    EXPECT_EQ(units::referenceFrame(Reference::Imperial).facts.size(), 7u);
    EXPECT_EQ(units::referenceFrame(Reference::Approximate).facts.size(), 4u);
    EXPECT_TRUE(units::referenceFrame(Reference::None).facts.empty());
    std::size_t next[3] = {0, 0, 0};
    for (const Fact& f : expected) {
        SCOPED_TRACE(f.caption);
        const auto facts = units::referenceFrame(f.frame).facts;
        const std::size_t i = next[static_cast<int>(f.frame)]++;
        ASSERT_LT(i, facts.size());
        EXPECT_EQ(facts[i].index, f.index);
        EXPECT_EQ(facts[i].caption, f.caption);
        EXPECT_EQ(facts[i].left, f.left);
        EXPECT_EQ(facts[i].top, f.top);
    }
}

} // namespace
