// Every generator at volume: CHALKFACE_VOLUME_QUESTIONS questions (20,000 by default, a million
// under the "volume" label) of every activity and mode, each checked from its texts alone
// against what the activity promises: ranges, well-formed texts, and an answer that is the
// question's own. Draws come from seeded clock sources, so a failure names a replayable seed.
#include "invariants.h"

#include "angles/parallellines.h"
#include "angles/polygon.h"
#include "estimation/estimationquestions.h"
#include "mappings/mappingquestions.h"
#include "units/unitquestions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using namespace reliability;

constexpr std::uint64_t kSeed = 0x5eed2026;

long questionCount()
{
    const char* value = std::getenv("CHALKFACE_VOLUME_QUESTIONS");
    const long count = value ? std::strtol(value, nullptr, 10) : 0;
    return count > 0 ? count : 20000;
}

// Makes `count` questions with one seeded source; the check returns what is wrong with one.
void checkMany(const char* what, const std::function<std::string(shell::RandomSource&)>& makeAndCheck)
{
    shell::ClockRandom draws(kSeed);
    const long count = questionCount();
    for (long i = 0; i < count; ++i) {
        const std::string problem = makeAndCheck(draws);
        if (!problem.empty())
            FAIL() << what << ", question " << i + 1 << " from seed " << kSeed << ": " << problem;
    }
    std::printf("%s: %ld questions checked\n", what, count);
}

struct Mode {
    const char* name;
    int mode;
};

TEST(GeneratorVolume, EstimationInEveryMode)
{
    // The range of kinds each mode button sets.
    constexpr struct {
        Mode mode;
        int low;
        int high;
    } kModes[] = {{{"Decimal Places", 1}, 1, 2},
                  {{"Significant Figures", 2}, 3, 4},
                  {{"Estimation", 3}, 5, 5},
                  {{"Mixed", 4}, 1, 5}};
    for (const auto& row : kModes) {
        SCOPED_TRACE(row.mode.name);
        checkMany(row.mode.name, [&](shell::RandomSource& draws) {
            const estimation::Question q = estimation::newQuestion(row.low, row.high, draws);
            if (q.result.has_value() != (q.kind == estimation::kEstimate))
                return std::string("a result line belongs to estimates alone");
            return checkEstimation({q.instruction, q.question, q.answer, q.result}, row.mode.mode);
        });
    }
}

TEST(GeneratorVolume, MappingsInEveryMode)
{
    constexpr Mode kModes[] = {{"Find the Range", 1}, {"Find the Domain", 2}, {"Mixed", 3}};
    for (const Mode& row : kModes) {
        SCOPED_TRACE(row.name);
        checkMany(row.name, [&](shell::RandomSource& draws) {
            const mappings::Question q = mappings::calculate(static_cast<mappings::Mode>(row.mode - 1), draws);
            const bool mixed = row.mode == 3;
            if (q.mixchoice.has_value() != mixed)
                return std::string("only Mixed draws which column to hide");
            const auto expectedHidden = row.mode == 1       ? mappings::Column::Range
                                        : row.mode == 2     ? mappings::Column::Domain
                                        : *q.mixchoice == 1 ? mappings::Column::Domain
                                                            : mappings::Column::Range;
            if (q.hidden != expectedHidden)
                return std::string("the hidden column is not the mode's");
            return checkMapping({q.rule, q.domain, q.range}, row.mode);
        });
    }
}

TEST(GeneratorVolume, UnitsInEveryMode)
{
    constexpr Mode kModes[] = {{"Metric", 1}, {"Imperial", 2}, {"Compound", 3}, {"Metric and Imperial", 4}};
    for (const Mode& row : kModes) {
        SCOPED_TRACE(row.name);
        const units::Reference reference = row.mode == 2   ? units::Reference::Imperial
                                           : row.mode == 4 ? units::Reference::Approximate
                                                           : units::Reference::None;
        checkMany(row.name, [&](shell::RandomSource& draws) {
            const units::Question q = units::calculate(static_cast<units::Mode>(row.mode - 1), draws);
            if (q.reference != reference)
                return std::string("the reference frame is not the mode's");
            return checkConversion(q.question, q.answer, row.mode);
        });
    }
}

TEST(GeneratorVolume, ParallelLinesAndTheirSolutions)
{
    checkMany("Parallel lines", [](shell::RandomSource& draws) {
        const angles::ParallelLinesQuestion q = angles::makeParallelLinesQuestion(draws);
        if (auto problem = checkParallelQuestion(q.captions, q.question); !problem.empty())
            return problem;
        const auto solution = angles::solveParallelLines(q.captions);
        if (!solution)
            return std::string("the question has no solution");
        return checkParallelAnswer(q.captions, solution->firstLine, solution->secondLine);
    });
}

TEST(GeneratorVolume, PolygonsInBothKinds)
{
    checkMany("Polygons, split into triangles", [](shell::RandomSource& draws) {
        const angles::PolygonQuestion q = angles::makePolygonQuestion(draws);
        const int sides = polygonSidesAsked(q.question);
        if (sides == 0 || sides != q.polygon.sides)
            return "question \"" + q.question + "\" does not name its polygon";
        if (auto problem =
                checkPolygonFigure(angles::trianglesQuestionFigure(q.polygon), sides, {sides - 3, 0, 0});
            !problem.empty())
            return problem;
        const angles::TrianglesSolution solution = angles::trianglesSolution(sides);
        if (solution.showExplanation != (sides > 3))
            return std::string("the explanation shows for the wrong polygons");
        return checkTrianglesSolution(sides, solution.text, solution.explanation);
    });
    checkMany("Polygons, angle at the centre", [](shell::RandomSource& draws) {
        const angles::PolygonQuestion q = angles::makePolygonQuestion(draws);
        const int sides = polygonSidesAsked(q.question);
        if (sides == 0 || sides != q.polygon.sides)
            return "question \"" + q.question + "\" does not name its polygon";
        if (auto problem = checkPolygonFigure(angles::centreAngleQuestionFigure(q.polygon), sides, {0, 0, 2});
            !problem.empty())
            return problem;
        if (auto problem =
                checkPolygonFigure(angles::centreAngleSolutionFigure(q.polygon), sides, {sides, 3, 2});
            !problem.empty())
            return problem;
        return checkCentreAngleSolution(sides, angles::centreAngleSolution(sides));
    });
}

// The checks themselves must catch a wrong answer, or the volume runs prove nothing.
TEST(GeneratorVolume, TheChecksRejectWrongAnswers)
{
    const struct {
        const char* name;
        std::string problem;
    } kCases[] = {
        {"a rounding one place off",
         checkEstimation(
             {"Write the following number correct to 2 decimal places...", "57.12345", "57.13", {}}, 1)},
        {"a rounding asked in the wrong mode",
         checkEstimation(
             {"Write the following number correct to 2 decimal places...", "57.12345", "57.12", {}}, 2)},
        {"a carry lost in significant figures",
         checkEstimation(
             {"Write the following number correct to 2 significant figures...", "0.0996000", "0.1", {}}, 2)},
        {"an estimate with the wrong result",
         checkEstimation(
             {"Estimate both numbers to 1 significant figure and then calculate the difference...", "10 - 50",
              "10 - 50", "= 40"},
             3)},
        {"a range value off by one",
         checkMapping({"x + 7", {"1", "2", "3", "4", "5"}, {"8", "9", "10", "11", "13"}}, 1)},
        {"a square in Mixed",
         checkMapping({"x\u00B2", {"1", "2", "3", "4", "5"}, {"1", "4", "9", "16", "25"}}, 3)},
        {"a trailing zero",
         checkMapping({"x/4", {"1", "2", "3", "4", "5"}, {"0.25", "0.50", "0.75", "1", "1.25"}}, 1)},
        {"a conversion a factor of ten out", checkConversion("57 km to metres", "5700 m", 1)},
        {"two decimals rounded down", checkConversion("57 kilometres to miles", "35.39 miles", 4)},
        {"an answer in exponent form", checkConversion("1 mm to kilometres", "1E-06 km", 1)},
        {"supplementary angles that are not",
         checkParallelAnswer({"a", " 57\u00B0", "c", "d", "e", "f", "g", "h"},
                             "Given angle = 57\u00B0, a = 123\u00B0, c = 57\u00B0, d = 123\u00B0, ",
                             "e = 123\u00B0, f = 57\u00B0, g = 57\u00B0, h = 124\u00B0.")},
        {"a solution with no given angle",
         checkParallelAnswer({"999", "99", "99", "999", "999", "99", "99", "999"},
                             "Given angle = 999\u00B0, ", ".")},
        {"an interior angle a degree out",
         checkCentreAngleSolution(
             5, "From the red isosceles triangle we can see that angles a plus b must equal 180 "
                "degrees. But angle b is one fifth of 360 degrees, therefore angle a, the "
                "interior angle of the regular pentagon, is 109 degrees.")},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(row.problem.empty());
    }
    // And they accept the worked examples the activities are described by.
    EXPECT_EQ(
        checkEstimation(
            {"Write the following number correct to 2 significant figures...", "0.0996000", "0.10", {}}, 2),
        "");
    EXPECT_EQ(checkMapping({"x\u00B2 + 4",
                            {"\u00B12", "\u00B15", "\u00B18", "\u00B111", "\u00B114"},
                            {"8", "29", "68", "125", "200"}},
                           2),
              "");
    EXPECT_EQ(checkConversion("50 km/h to m/sec", "13.89 m/sec", 3), "");
    EXPECT_EQ(checkConversion("1 mm to kilometres", "0.000001 km", 1), "");
    EXPECT_EQ(checkParallelAnswer(
                  {"a", "b", "c", "d", "e", "f", " 40\u00B0", "h"},
                  "Given angle = 40\u00B0, a = 140\u00B0, b = 40\u00B0, c = 40\u00B0, d = 140\u00B0, ",
                  "e = 140\u00B0, f = 40\u00B0, h = 140\u00B0."),
              "");
}

} // namespace
