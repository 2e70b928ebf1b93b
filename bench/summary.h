// What the start-up and screen-change benchmarks report of their samples: the median, the
// quartiles and the extremes, and fixed-width table cells to print them in.
#pragma once

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

struct Summary {
    double median = 0;
    double lowerQuartile = 0;
    double upperQuartile = 0;
    double ninetieth = 0; // percentile
    double least = 0;
    double worst = 0;
    std::size_t count = 0;
};

// Quantiles interpolate between the two nearest samples.
inline Summary summarize(std::vector<double> samples)
{
    if (samples.empty())
        throw std::invalid_argument("no samples to summarize");
    std::sort(samples.begin(), samples.end());
    const auto quantile = [&samples](double q) {
        const double at = q * static_cast<double>(samples.size() - 1);
        const auto below = static_cast<std::size_t>(at);
        const std::size_t above = std::min(below + 1, samples.size() - 1);
        return samples[below] + (samples[above] - samples[below]) * (at - static_cast<double>(below));
    };
    return {quantile(0.5),   quantile(0.25), quantile(0.75), quantile(0.9),
            samples.front(), samples.back(), samples.size()};
}

inline std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace bench
