#include "datahandling/averages.h"

#include <algorithm>

namespace datahandling {
namespace {

// A mean with at most one decimal place, and one value more frequent than every other, at least
// twice: counts[v] is how often v occurs.
bool fitsAStarter(int total, int n, const std::vector<int>& counts)
{
    if (10 * total % n != 0)
        return false;
    const int most = *std::max_element(counts.begin(), counts.end());
    return most >= 2 && std::count(counts.begin(), counts.end(), most) == 1;
}

} // namespace

DataQuestion drawList(shell::RandomSource& draws)
{
    DataQuestion q;
    for (;;) {
        const int n = shell::drawWhole(draws, 5, 5);
        q.values.assign(static_cast<std::size_t>(n), 0);
        std::vector<int> counts(21, 0);
        int total = 0;
        for (int& value : q.values) {
            value = shell::drawWhole(draws, 20, 1);
            ++counts[static_cast<std::size_t>(value)];
            total += value;
        }
        const auto different = std::count_if(counts.begin(), counts.end(), [](int c) { return c > 0; });
        if (different >= 3 && fitsAStarter(total, n, counts))
            return q;
    }
}

DataQuestion drawFrequencies(Kind kind, shell::RandomSource& draws)
{
    DataQuestion q;
    q.kind = kind;
    for (;;) {
        q.context = &kContexts[static_cast<std::size_t>(shell::drawWhole(draws, 5, 0))];
        q.values.clear();
        q.frequencies.clear();
        int n = 0;
        int total = 0;
        for (int value = q.context->first; value <= q.context->last; ++value) {
            const int f = shell::drawWhole(draws, 11, 0);
            q.values.push_back(value);
            q.frequencies.push_back(f);
            n += f;
            total += value * f;
        }
        const auto occupied =
            std::count_if(q.frequencies.begin(), q.frequencies.end(), [](int f) { return f > 0; });
        if (n >= 10 && n <= 40 && occupied >= 3 && fitsAStarter(total, n, q.frequencies))
            break;
    }
    if (kind == Kind::Chart)
        q.statistic = static_cast<Statistic>(shell::drawWhole(draws, 4, 0));
    return q;
}

Summary summarise(const DataQuestion& q)
{
    Summary s;
    if (q.frequencies.empty()) {
        s.sorted = q.values;
    } else {
        for (std::size_t i = 0; i < q.values.size(); ++i)
            s.sorted.insert(s.sorted.end(), static_cast<std::size_t>(q.frequencies[i]), q.values[i]);
    }
    std::sort(s.sorted.begin(), s.sorted.end());
    s.count = static_cast<int>(s.sorted.size());
    for (const int value : s.sorted)
        s.total += value;
    s.lowerMiddle = s.sorted[static_cast<std::size_t>((s.count - 1) / 2)];
    s.upperMiddle = s.sorted[static_cast<std::size_t>(s.count / 2)];
    s.smallest = s.sorted.front();
    s.largest = s.sorted.back();
    // Runs of equal values in the sorted list; the longest is the mode.
    for (std::size_t start = 0; start < s.sorted.size();) {
        std::size_t end = start;
        while (end < s.sorted.size() && s.sorted[end] == s.sorted[start])
            ++end;
        if (static_cast<int>(end - start) > s.modeCount) {
            s.modeCount = static_cast<int>(end - start);
            s.mode = s.sorted[start];
        }
        start = end;
    }
    return s;
}

} // namespace datahandling
