#include "shell/core/randomsource.h"

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace shell {
namespace {

// splitmix64's output function: spreads every input bit over the whole word.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t clockReading()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

int wholeDraw(float r, int n, int k)
{
    return static_cast<int>(std::floor(static_cast<double>(n) * static_cast<double>(r) + k));
}

int drawWhole(RandomSource& draws, int n, int k)
{
    return wholeDraw(draws.next(), n, k);
}

ClockRandom::ClockRandom()
    : m_state(mix(clockReading() ^ reinterpret_cast<std::uintptr_t>(this)))
{
}

ClockRandom::ClockRandom(std::uint64_t seed)
    : m_state(mix(seed))
    , m_deterministic(true)
{
}

void ClockRandom::setDeterministic(std::uint64_t seed)
{
    m_state = mix(seed);
    m_deterministic = true;
    m_reseeds = 0;
}

void ClockRandom::reseed()
{
    // The reading is folded into the current state rather than replacing it, so two reseeds
    // within one clock tick still lead to different draws.
    const std::uint64_t reading = m_deterministic ? ++m_reseeds : clockReading();
    m_state = mix(m_state ^ mix(reading));
}

std::uint64_t ClockRandom::nextBits()
{
    m_state += 0x9e3779b97f4a7c15ULL;
    return mix(m_state);
}

float ClockRandom::next()
{
    // The top 24 bits fill a float's mantissa exactly: 0 to 1 - 2^-24 in steps of 2^-24.
    return static_cast<float>(nextBits() >> 40) * 0x1p-24f;
}

ScriptedDraws::ScriptedDraws(std::vector<float> draws)
    : m_draws(std::move(draws))
{
    for (float r : m_draws) {
        if (!(r >= 0.0f && r < 1.0f))
            throw std::invalid_argument("a scripted draw must lie in [0, 1)");
    }
}

void ScriptedDraws::reseed()
{
    ++m_reseeds;
}

float ScriptedDraws::next()
{
    if (m_next >= m_draws.size())
        throw std::out_of_range("the scripted draws ran out");
    return m_draws[m_next++];
}

} // namespace shell
