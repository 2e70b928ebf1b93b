#include "shell/core/countdown.h"

#include <chrono>

namespace shell {

std::int64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void Countdown::start(int seconds, std::int64_t now)
{
    m_seconds = seconds;
    m_started = now;
}

Countdown::Phase Countdown::phase(std::int64_t now) const
{
    if (m_seconds <= 0)
        return Phase::Off;
    const std::int64_t ran = now - m_started;
    const std::int64_t length = std::int64_t{m_seconds} * 1000;
    if (ran < length)
        return Phase::Counting;
    return ran < length + kTimesUpMs ? Phase::TimesUp : Phase::Over;
}

int Countdown::secondsLeft(std::int64_t now) const
{
    if (phase(now) != Phase::Counting)
        return 0;
    const std::int64_t left = std::int64_t{m_seconds} * 1000 - (now - m_started);
    return static_cast<int>((left + 999) / 1000);
}

std::string Countdown::text(std::int64_t now) const
{
    switch (phase(now)) {
    case Phase::Counting: {
        const int left = secondsLeft(now);
        const int seconds = left % 60;
        return std::to_string(left / 60) + (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
    }
    case Phase::TimesUp:
        return kTimesUp;
    case Phase::Off:
    case Phase::Over:
        break;
    }
    return {};
}

std::string countdownLengthName(int seconds)
{
    if (seconds <= 0)
        return "off";
    if (seconds < 60)
        return std::to_string(seconds) + " seconds";
    const int minutes = seconds / 60;
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

} // namespace shell
