#include "shell/core/randomsource.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

TEST(RandomDraws, WholeDrawsReachBothEndsOfTheirRange)
{
    const struct {
        int n;
        int k;
    } ranges[] = {{20, 1}, {8, 0}, {4, 1}, {19991, 10}, {591, 10}, {98, 2}, {191, 10}, {80, 95}};
    for (const auto& range : ranges) {
        SCOPED_TRACE(testing::Message() << range.n << " from " << range.k);
        EXPECT_EQ(shell::wholeDraw(0.0f, range.n, range.k), range.k);
        EXPECT_EQ(shell::wholeDraw(shell::kLargestDraw, range.n, range.k), range.k + range.n - 1);
        EXPECT_EQ(shell::wholeDraw(0.5f, range.n, range.k), range.k + range.n / 2);
    }
    EXPECT_LT(shell::kLargestDraw, 1.0f);
    EXPECT_EQ(std::nextafter(shell::kLargestDraw, 2.0f), 1.0f);
}

TEST(RandomDraws, ScriptedDrawsReplayInOrderAndFailLoudlyWhenExhausted)
{
    shell::ScriptedDraws draws({0.25f, 0.0f, shell::kLargestDraw});
    draws.reseed();
    EXPECT_EQ(draws.next(), 0.25f);
    EXPECT_EQ(shell::drawWhole(draws, 10, 1), 1);
    draws.reseed();
    EXPECT_EQ(shell::drawWhole(draws, 10, 1), 10);
    EXPECT_EQ(draws.reseeds(), 2);
    EXPECT_EQ(draws.remaining(), 0u);
    EXPECT_THROW(draws.next(), std::out_of_range);
}

TEST(RandomDraws, ListDrawsReachTheFirstAndLastEntry)
{
    constexpr std::array<int, 3> kList{5, 10, 20};
    shell::ScriptedDraws draws({0.0f, 0.5f, shell::kLargestDraw});
    EXPECT_EQ(shell::drawFrom(draws, kList), 5);
    EXPECT_EQ(shell::drawFrom(draws, kList), 10);
    EXPECT_EQ(shell::drawFrom(draws, kList), 20);
}

TEST(RandomDraws, ScriptedDrawsRejectValuesOutsideTheUnitInterval)
{
    EXPECT_THROW(shell::ScriptedDraws({1.0f}), std::invalid_argument);
    EXPECT_THROW(shell::ScriptedDraws({-0.1f}), std::invalid_argument);
    EXPECT_THROW(shell::ScriptedDraws({std::nanf("")}), std::invalid_argument);
}

TEST(RandomDraws, ClockSourceIsUniformInTheUnitInterval)
{
    shell::ClockRandom draws(42);
    std::array<int, 10> buckets{};
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
        const float r = draws.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++buckets[static_cast<std::size_t>(shell::wholeDraw(r, 10, 0))];
    }
    for (int count : buckets)
        EXPECT_NEAR(count, kDraws / 10, kDraws / 100); // about ten standard deviations
}

TEST(RandomDraws, SameSeedReplaysAndReseedingNeverRestartsTheSequence)
{
    auto take = [](shell::RandomSource& source) {
        std::vector<float> values;
        for (int i = 0; i < 8; ++i)
            values.push_back(source.next());
        return values;
    };
    shell::ClockRandom first(7);
    shell::ClockRandom second(7);
    EXPECT_EQ(take(first), take(second));

    // Reseeding twice in quick succession (the same clock reading on a coarse clock) must still
    // give fresh draws.
    shell::ClockRandom clocked;
    clocked.reseed();
    const auto afterFirst = take(clocked);
    clocked.reseed();
    EXPECT_NE(take(clocked), afterFirst);

    shell::ClockRandom fixed(7);
    fixed.reseed();
    const auto afterFixed = take(fixed);
    fixed.reseed();
    EXPECT_NE(take(fixed), afterFixed);
}

} // namespace
