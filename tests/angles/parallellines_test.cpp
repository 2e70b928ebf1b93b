#include "angles/activity.h"
#include "angles/parallellines.h"

#include <gtest/gtest.h>

#include <string>

namespace angles::checks {
std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& exercise);
}

namespace {

using Captions = std::array<std::string, angles::kAngleCount>;

float drawFor(int index, int count)
{
    return (static_cast<float>(index) + 0.5f) / static_cast<float>(count);
}

Captions withGiven(int index, const std::string& caption)
{
    Captions captions{"a", "b", "c", "d", "e", "f", "g", "h"};
    captions[static_cast<std::size_t>(index)] = caption;
    return captions;
}

// Each angle given at both ends of its range; the volume run's invariants work out the question
// and the answer again.
TEST(ParallelLinesQuestion, EveryGivenAngleAtBothEndsOfItsRange)
{
    const shell::Activity& activity = angles::activities()[0];
    const int ends[8][2] = {{95, 174}, {10, 77}, {10, 77}, {95, 174}, {95, 174}, {10, 77}, {10, 77}, {95, 174}};
    for (int given = 0; given < 8; ++given) {
        for (int end = 0; end < 2; ++end) {
            SCOPED_TRACE(std::to_string(given) + (end ? " largest" : " smallest"));
            const float indexDraw = given == 7 ? shell::kLargestDraw : drawFor(given, 8);
            shell::ScriptedDraws draws({indexDraw, end ? shell::kLargestDraw : 0.0f});
            const shell::Exercise e = activity.questions()->make(0, draws);
            EXPECT_EQ(draws.reseeds(), 1);
            EXPECT_EQ(draws.remaining(), 0u);
            EXPECT_EQ(shell::Json(e.fields)["labels"].dump(),
                      shell::Json::list(withGiven(given, " " + std::to_string(ends[given][end]) + "°")).dump());
            EXPECT_EQ(angles::checks::invariants(activity, 0, e), "");
        }
    }
}

TEST(ParallelLinesSolution, WorkedExamples)
{
    shell::ScriptedDraws draws({drawFor(1, 8), drawFor(57 - 10, 68)});
    EXPECT_EQ(angles::makeParallelLinesQuestion(draws).question,
              "If the given angle = 57°, what are angles a, c, d, e, f, g and h?");
    const struct {
        int given;
        const char* caption;
        const char* first;
        const char* second;
    } cases[] = {
        {1, " 57°", "Given angle = 57°, a = 123°, c = 57°, d = 123°, ", "e = 123°, f = 57°, g = 57°, h = 123°."},
        {6, " 40°", "Given angle = 40°, a = 140°, b = 40°, c = 40°, d = 140°, ", "e = 140°, f = 40°, h = 140°."},
        // Beyond the drawn ranges.
        {5, " 10°", "Given angle = 10°, a = 170°, b = 10°, c = 10°, d = 170°, ", "e = 170°, g = 10°, h = 170°."},
        {3, " 174°", "Given angle = 174°, a = 174°, b = 6°, c = 6°, ", "e = 174°, f = 6°, g = 6°, h = 174°."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const auto solution = angles::solveParallelLines(withGiven(c.given, c.caption));
        ASSERT_TRUE(solution);
        EXPECT_EQ(solution->given, c.given);
        EXPECT_EQ(solution->firstLine, c.first);
        EXPECT_EQ(solution->secondLine, c.second);
    }
    // The captions as they stand are all it reads: none given, no solution.
    EXPECT_FALSE(angles::solveParallelLines(withGiven(2, "c")));
    EXPECT_FALSE(angles::solveParallelLines(withGiven(2, "")));
}

} // namespace
