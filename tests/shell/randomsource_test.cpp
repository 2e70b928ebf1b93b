#include "shell/core/randomsource.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

TEST(RandomDraws, WholeDrawsAndListDrawsReachBothEndsOfTheirRange)
{
    const std::pair<int, int> ranges[] = {{20, 1}, {8, 0}, {4, 1}, {19991, 10}, {591, 10}, {98, 2}, {191, 10}, {80, 95}};
    for (const auto& [n, k] : ranges) {
        SCOPED_TRACE(testing::Message() << n << " from " << k);
        EXPECT_EQ(shell::wholeDraw(0.0f, n, k), k);
        EXPECT_EQ(shell::wholeDraw(shell::kLargestDraw, n, k), k + n - 1);
        EXPECT_EQ(shell::wholeDraw(0.5f, n, k), k + n / 2);
    }
    EXPECT_EQ(std::nextafter(shell::kLargestDraw, 2.0f), 1.0f);
    constexpr std::array<int, 3> kList{5, 10, 20};
    shell::ScriptedDraws draws({0.0f, 0.5f, shell::kLargestDraw});
    for (int expected : kList)
        EXPECT_EQ(shell::drawFrom(draws, kList), expected);
}

TEST(RandomDraws, ScriptedDrawsReplayInOrderAndFailLoudly)
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
    for (float outside : {1.0f, -0.1f, std::nanf("")})
        EXPECT_THROW(shell::ScriptedDraws({outside}), std::invalid_argument) << outside;
}

TEST(RandomDraws, ClockSourceIsUniformReplaysItsSeedAndReseedingNeverRestartsIt)
{
    // Each tenth of the range gets a tenth of the draws, give or take ten standard deviations.
    shell::ClockRandom draws(42);
    std::array<int, 10> buckets{};
    for (int i = 0; i < 200000; ++i)
        ++buckets.at(static_cast<std::size_t>(shell::wholeDraw(draws.next(), 10, 0))); // throws past the end
    for (int count : buckets)
        EXPECT_NEAR(count, 20000, 2000);
    const auto take = [](shell::RandomSource& source) {
        std::vector<float> values(8);
        for (float& value : values)
            value = source.next();
        return values;
    };
    shell::ClockRandom first(7);
    shell::ClockRandom second(7);
    EXPECT_EQ(take(first), take(second));
    // Reseeding twice in quick succession (the same reading of a coarse clock) still gives fresh
    // draws, with a seed of its own or the clock's.
    for (shell::ClockRandom source : {shell::ClockRandom(), shell::ClockRandom(7)}) {
        source.reseed();
        const auto afterFirst = take(source);
        source.reseed();
        EXPECT_NE(take(source), afterFirst);
    }
}

} // namespace
