#include "angles/parallellines.h"

#include "invariants.h"
#include "shell/core/randomsource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using angles::kAngleCount;
using Captions = std::array<std::string, kAngleCount>;

const std::string kLetters = "abcdefgh";

// A draw that lands on the given whole number out of count.
float drawFor(int index, int count)
{
    return (static_cast<float>(index) + 0.5f) / static_cast<float>(count);
}

Captions withGiven(int index, const std::string& caption)
{
    Captions captions;
    for (int i = 0; i < kAngleCount; ++i)
        captions[i] = std::string(1, kLetters[i]);
    captions[index] = caption;
    return captions;
}

TEST(ParallelLinesQuestion, EveryGivenAngleAtBothEndsOfItsRange)
{
    struct Case {
        const char* name;
        float indexDraw;
        float sizeDraw;
        int given;
        int size;
    };
    constexpr float top = shell::kLargestDraw;
    const Case cases[] = {
        {"a smallest", 0.0f, 0.0f, 0, 95},          {"a largest", 0.0f, top, 0, 174},
        {"b smallest", drawFor(1, 8), 0.0f, 1, 10}, {"b largest", drawFor(1, 8), top, 1, 77},
        {"c smallest", drawFor(2, 8), 0.0f, 2, 10}, {"c largest", drawFor(2, 8), top, 2, 77},
        {"d smallest", drawFor(3, 8), 0.0f, 3, 95}, {"d largest", drawFor(3, 8), top, 3, 174},
        {"e smallest", drawFor(4, 8), 0.0f, 4, 95}, {"e largest", drawFor(4, 8), top, 4, 174},
        {"f smallest", drawFor(5, 8), 0.0f, 5, 10}, {"f largest", drawFor(5, 8), top, 5, 77},
        {"g smallest", drawFor(6, 8), 0.0f, 6, 10}, {"g largest", drawFor(6, 8), top, 6, 77},
        {"h smallest", top, 0.0f, 7, 95},           {"h largest", top, top, 7, 174},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell::ScriptedDraws draws({c.indexDraw, c.sizeDraw});
        const angles::ParallelLinesQuestion q = angles::makeParallelLinesQuestion(draws);
        EXPECT_EQ(draws.reseeds(), 1);
        EXPECT_EQ(draws.used(), 2u);
        EXPECT_EQ(q.given, c.given);
        EXPECT_EQ(q.size, c.size);

        EXPECT_EQ(q.captions, withGiven(c.given, " " + std::to_string(c.size) + "°"));
        // The question names the other seven angles, and each solution line the other angles of
        // its crossing: the invariants of the volume runs work both out again.
        EXPECT_EQ(reliability::checkParallelQuestion(q.captions, q.question), "");
        const auto s = angles::solveParallelLines(q.captions);
        ASSERT_TRUE(s);
        EXPECT_EQ(reliability::checkParallelAnswer(q.captions, s->firstLine, s->secondLine), "");
    }
}

TEST(ParallelLinesSolution, WorkedExamples)
{
    shell::ScriptedDraws draws({drawFor(1, 8), drawFor(57 - 10, 68)});
    const angles::ParallelLinesQuestion q = angles::makeParallelLinesQuestion(draws);
    EXPECT_EQ(q.question, "If the given angle = 57°, what are angles a, c, d, e, f, g and h?");

    const auto b57 = angles::solveParallelLines(q.captions);
    ASSERT_TRUE(b57);
    EXPECT_EQ(b57->given, 1);
    EXPECT_EQ(b57->firstLine, "Given angle = 57°, a = 123°, c = 57°, d = 123°, ");
    EXPECT_EQ(b57->secondLine, "e = 123°, f = 57°, g = 57°, h = 123°.");

    const auto g40 = angles::solveParallelLines(withGiven(6, " 40°"));
    ASSERT_TRUE(g40);
    EXPECT_EQ(g40->firstLine, "Given angle = 40°, a = 140°, b = 40°, c = 40°, d = 140°, ");
    EXPECT_EQ(g40->secondLine, "e = 140°, f = 40°, h = 140°.");
}

TEST(ParallelLinesSolution, GoesBeyondTheDrawnRanges)
{
    const auto acute10 = angles::solveParallelLines(withGiven(5, " 10°"));
    ASSERT_TRUE(acute10);
    EXPECT_EQ(acute10->firstLine, "Given angle = 10°, a = 170°, b = 10°, c = 10°, d = 170°, ");
    const auto obtuse174 = angles::solveParallelLines(withGiven(3, " 174°"));
    ASSERT_TRUE(obtuse174);
    EXPECT_EQ(obtuse174->secondLine, "e = 174°, f = 6°, g = 6°, h = 174°.");
}

TEST(ParallelLinesSolution, ReadsOnlyTheCaptionsAsTheyStand)
{
    const Captions captions = withGiven(2, " 33°");
    const auto first = angles::solveParallelLines(captions);
    const auto second = angles::solveParallelLines(captions);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->firstLine, second->firstLine);
    EXPECT_EQ(first->secondLine, second->secondLine);

    EXPECT_FALSE(angles::solveParallelLines(withGiven(2, "c")));
    EXPECT_FALSE(angles::solveParallelLines(withGiven(2, "")));
}

TEST(ParallelLinesFigure, TransversalCrossesBothParallelsAtFortyFiveDegrees)
{
    const shell::Segment& t = angles::kParallelLines[2];
    const double slope = (t.to.y - t.from.y) / (t.to.x - t.from.x);
    EXPECT_EQ(slope, -1);
    for (const auto& [parallel, crossingX] : {std::pair{0, 6240.0}, std::pair{1, 4680.0}}) {
        const double y = angles::kParallelLines[parallel].from.y;
        EXPECT_EQ(t.from.x + (y - t.from.y) / slope, crossingX);
    }
}

} // namespace
