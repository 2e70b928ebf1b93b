// The lesson countdown: a length chosen by the teacher, counted on a clock that never goes back,
// shown in whole seconds, then "Time's up" for three seconds. Qt-free; the activity frame
// asks it what to show on each tick of its display timer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace shell {

// Milliseconds on a clock that never goes back; tests move it by hand.
using MonotonicClock = std::function<std::int64_t()>;

// The program's clock: std::chrono::steady_clock in milliseconds.
std::int64_t steadyMilliseconds();

class Countdown {
public:
    enum class Phase { Off, Counting, TimesUp, Over };

    static constexpr std::int64_t kTimesUpMs = 3000;
    // The lengths the teacher chooses from, in seconds.
    static constexpr int kLengths[] = {30, 60, 120, 300};
    static inline const std::string kTimesUp = "Time's up";

    // Sets the length in seconds (0: off) and starts counting from `now`.
    void start(int seconds, std::int64_t now);
    // Counts the same length again from `now`; nothing when off.
    void restart(std::int64_t now) { start(m_seconds, now); }

    int length() const { return m_seconds; }
    Phase phase(std::int64_t now) const;
    // The whole seconds still to count, rounded up: the length at the start, 1 in the last second.
    int secondsLeft(std::int64_t now) const;
    // "4:59", "0:07", "Time's up", or empty when off or over.
    std::string text(std::int64_t now) const;

private:
    int m_seconds = 0;
    std::int64_t m_started = 0;
};

// The menu's name of a length: "30 seconds", "1 minute", "2 minutes"; "off" for 0.
std::string countdownLengthName(int seconds);

} // namespace shell
