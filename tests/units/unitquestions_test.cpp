// The Units generator: exact texts from scripted draws, and every row at both ends of its range.
#include "units/activity.h"
#include "units/unitquestions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace units::checks {
std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& exercise);
}

namespace {

using shell::kLargestDraw;
using shell::ScriptedDraws;
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

// Each answer is checked by the volume run's invariants, which work every conversion out again from
// the metric prefixes and the facts the mode shows; here the quantity must be the range's end.
TEST(UnitQuestions, EveryRowConvertsAtBothEndsOfItsRange)
{
    for (Mode mode : kModes) {
        for (int row = 1; row <= rowCount(mode); ++row) {
            SCOPED_TRACE("mode " + std::to_string(static_cast<int>(mode)) + " row " + std::to_string(row));
            for (const auto& [draw, end] : {std::pair{0.0f, rangeOf(mode, row).low},
                                            std::pair{kLargestDraw, rangeOf(mode, row).high}}) {
                const Question q = ask(mode, row, draw);
                const shell::Activity& activity = units::activities()[0];
                ScriptedDraws draws({drawFor(row, rowCount(mode), 1), draw});
                EXPECT_EQ(units::checks::invariants(activity, static_cast<int>(mode),
                                                    activity.questions()->make(static_cast<int>(mode), draws)),
                          "");
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
