// The Units generator: exact texts from scripted draws, every row at the top of its range and
// the quantity at both ends.
#include "units/activity.h"
#include "units/unitquestions.h"
#include "workedexample.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using shell::kLargestDraw;
using shell::ScriptedDraws;
using testing_support::drawAt;
using testing_support::drawFor;
using units::Mode;
using units::Question;

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

Question ask(Mode mode, int row, float quantityDraw)
{
    ScriptedDraws draws({drawAt(row - 1, rowCount(mode)), quantityDraw});
    Question q = units::calculate(mode, draws);
    EXPECT_EQ(draws.reseeds(), 1);
    EXPECT_EQ(draws.used(), 2u);
    EXPECT_EQ(q.mode, mode);
    EXPECT_EQ(q.row, row);
    return q;
}

// Every row, each with its own conversion constant, at the top of its quantity's range; then the
// roundings: decimals kept or cut, a zero kept, the smallest answers.
TEST(UnitQuestions, ExamplesGiveTheirExactTexts)
{
    struct Case {
        Mode mode;
        int row, n;
        const char* question;
        const char* answer;
    };
    // clang-format off
    const Case cases[] = {
        {Mode::Metric, 1, 100, "100 km to metres", "100000 m"},
        {Mode::Metric, 2, 100, "100 km to centimetres", "10000000 cm"},
        {Mode::Metric, 3, 100, "100 km to millimetres", "100000000 mm"},
        {Mode::Metric, 4, 100, "100 m to centimetres", "10000 cm"},
        {Mode::Metric, 5, 100, "100 m to millimetres", "100000 mm"},
        {Mode::Metric, 6, 100, "100 cm to millimetres", "1000 mm"},
        {Mode::Metric, 7, 100, "100 m to kilometres", "0.1 km"},
        {Mode::Metric, 8, 100, "100 cm to kilometres", "0.001 km"},
        {Mode::Metric, 9, 100, "100 mm to kilometres", "0.0001 km"},
        {Mode::Metric, 10, 100, "100 cm to metres", "1 m"},
        {Mode::Metric, 11, 100, "100 mm to metres", "0.1 m"},
        {Mode::Metric, 12, 100, "100 mm to centimetres", "10 cm"},
        {Mode::Imperial, 1, 99, "99 miles to yards", "174240 yards"},
        {Mode::Imperial, 2, 99, "99 miles to feet", "522720 feet"},
        {Mode::Imperial, 3, 99, "99 miles to inches", "6272640 inches"},
        {Mode::Imperial, 4, 99, "99 yards to feet", "297 feet"},
        {Mode::Imperial, 5, 99, "99 yards to inches", "3564 inches"},
        {Mode::Imperial, 6, 99, "99 feet to inches", "1188 inches"},
        {Mode::Imperial, 7, 99, "99 miles to furlongs", "792 furlongs"},
        {Mode::Imperial, 8, 99, "99 chains to yards", "2178 yards"},
        {Mode::Imperial, 9, 99, "99 furlongs to poles", "3960 poles"},
        {Mode::Imperial, 10, 99, "99 chains to links", "9900 links"},
        {Mode::Imperial, 11, 99, "174240 yards to miles", "99 miles"},
        {Mode::Imperial, 12, 99, "522720 feet to miles", "99 miles"},
        {Mode::Imperial, 13, 99, "6272640 inches to miles", "99 miles"},
        {Mode::Imperial, 14, 99, "297 feet to yards", "99 yards"},
        {Mode::Imperial, 15, 99, "3564 inches to yards", "99 yards"},
        {Mode::Imperial, 16, 99, "1188 inches to feet", "99 feet"},
        {Mode::Imperial, 17, 99, "792 furlongs to miles", "99 miles"},
        {Mode::Imperial, 18, 99, "2178 yards to chains", "99 chains"},
        {Mode::Imperial, 19, 99, "3960 poles to furlongs", "99 furlongs"},
        {Mode::Imperial, 20, 99, "9900 links to chains", "99 chains"},
        {Mode::Compound, 1, 30, "30 m/sec to km/h", "108 km/h"},
        {Mode::Compound, 2, 200, "200 km/h to m/sec", "55.56 m/sec"},
        {Mode::Compound, 3, 50, "50 cm/sec to m/sec", "0.5 m/sec"},
        {Mode::Compound, 4, 50, "50 m/sec to cm/sec", "5000 cm/sec"},
        {Mode::Compound, 5, 50, "50 cm/sec to m/min", "30 m/min"},
        {Mode::Compound, 6, 50, "50 m/min to cm/sec", "83.33 cm/sec"},
        {Mode::MetricImperial, 1, 99, "99 feet to centimetres", "3017.52 cm"},
        {Mode::MetricImperial, 2, 99, "99 inches to centimetres", "251.46 cm"},
        {Mode::MetricImperial, 3, 99, "99 yards to centimetres", "9052.56 cm"},
        {Mode::MetricImperial, 4, 99, "99 miles to kilometres", "159.39 km"},
        {Mode::MetricImperial, 5, 99, "99 centimetres to feet", "3.25 feet"},
        {Mode::MetricImperial, 6, 99, "99 centimetres to inches", "38.98 inches"},
        {Mode::MetricImperial, 7, 99, "99 centimetres to yards", "1.08 yards"},
        {Mode::MetricImperial, 8, 99, "99 kilometres to miles", "61.49 miles"},
        {Mode::Metric, 1, 57, "57 km to metres", "57000 m"},
        {Mode::Metric, 7, 57, "57 m to kilometres", "0.057 km"},
        {Mode::Metric, 9, 1, "1 mm to kilometres", "0.000001 km"},
        {Mode::Imperial, 11, 2, "3520 yards to miles", "2 miles"},
        {Mode::Compound, 1, 7, "7 m/sec to km/h", "25.2 km/h"},
        {Mode::Compound, 2, 50, "50 km/h to m/sec", "13.89 m/sec"},
        {Mode::Compound, 2, 72, "72 km/h to m/sec", "20 m/sec"},
        {Mode::Compound, 2, 18, "18 km/h to m/sec", "5 m/sec"},
        {Mode::Compound, 2, 10, "10 km/h to m/sec", "2.78 m/sec"},
        {Mode::Compound, 5, 7, "7 cm/sec to m/min", "4.2 m/min"},
        {Mode::Compound, 6, 7, "7 m/min to cm/sec", "11.67 cm/sec"},
        {Mode::Compound, 6, 3, "3 m/min to cm/sec", "5 cm/sec"},
        {Mode::MetricImperial, 1, 57, "57 feet to centimetres", "1737.36 cm"},
        {Mode::MetricImperial, 8, 57, "57 kilometres to miles", "35.40 miles"},
        {Mode::MetricImperial, 5, 2, "2 centimetres to feet", "0.07 feet"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        const Range range = rangeOf(c.mode, c.row);
        const Question q = ask(c.mode, c.row, c.n == range.high ? kLargestDraw : drawFor(c.n, range.low, range.high));
        EXPECT_EQ(q.question, c.question);
        EXPECT_EQ(q.answer, c.answer);
    }
}

// The quantity drawn is the range's end at either extreme draw.
TEST(UnitQuestions, EveryRowDrawsBothEndsOfItsRange)
{
    for (Mode mode : kModes) {
        for (int row = 1; row <= rowCount(mode); ++row) {
            SCOPED_TRACE("mode " + std::to_string(static_cast<int>(mode)) + " row " + std::to_string(row));
            for (const auto& [draw, end] : {std::pair{0.0f, rangeOf(mode, row).low},
                                            std::pair{kLargestDraw, rangeOf(mode, row).high}}) {
                const Question q = ask(mode, row, draw);
                // Imperial rows 11 to 20 ask for a multiple of the factor: the answer is the quantity.
                const std::string& drawn = mode == Mode::Imperial && row > 10 ? q.answer : q.question;
                EXPECT_EQ(drawn.substr(0, drawn.find(' ')), std::to_string(end));
            }
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

} // namespace
