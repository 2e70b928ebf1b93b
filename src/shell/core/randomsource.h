// The random source every generator draws from. In the program it is seeded from the clock;
// tests replay a scripted list of draws so that each exact case can be reached on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace shell {

// The largest single-precision draw below 1 (1 - 2^-24).
inline constexpr float kLargestDraw = 0x1.fffffep-1f;

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Seeds the generator afresh from the clock. Reseeding with the same clock reading does not
    // restart the sequence: the draws after a reseed are always fresh.
    virtual void reseed() = 0;

    // A draw uniform in [0, 1), single precision.
    virtual float next() = 0;
};

// floor(n * r + k) for a draw r: a whole number from k to k + n - 1, all equally likely.
// Computed in double precision so that the largest draw never reaches k + n.
int wholeDraw(float r, int n, int k);

// Draws r from the source and returns wholeDraw(r, n, k).
int drawWhole(RandomSource& draws, int n, int k);

// One entry of a list, each equally likely: list[drawWhole(draws, size, 0)], as the list gives
// its entries.
template <class List>
decltype(auto) drawFrom(RandomSource& draws, const List& list)
{
    return list[static_cast<std::size_t>(drawWhole(draws, static_cast<int>(std::size(list)), 0))];
}

// The program's source: a 64-bit generator whose state absorbs each clock reading.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    // A fixed starting state, for reproducible runs (worksheets with a seed, benchmarks).
    explicit ClockRandom(std::uint64_t seed);

    void reseed() override;
    float next() override;

    // Fixes the seed: reseed() then mixes in a counter instead of the clock, so a whole run
    // replays draw for draw.
    void setDeterministic(std::uint64_t seed);

private:
    std::uint64_t nextBits();

    std::uint64_t m_state = 0;
    bool m_deterministic = false;
    std::uint64_t m_reseeds = 0;
};

// Replays a fixed list of draws in order; reseed() is counted and otherwise ignored.
// Running out of draws throws std::out_of_range, so a test that scripts too few fails loudly.
class ScriptedDraws final : public RandomSource {
public:
    explicit ScriptedDraws(std::vector<float> draws);

    void reseed() override;
    float next() override;

    std::size_t used() const { return m_next; }
    std::size_t remaining() const { return m_draws.size() - m_next; }
    int reseeds() const { return m_reseeds; }

private:
    std::vector<float> m_draws;
    std::size_t m_next = 0;
    int m_reseeds = 0;
};

} // namespace shell
