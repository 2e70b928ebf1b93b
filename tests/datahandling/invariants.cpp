// The Data activity's invariants for the volume run, recomputed from the question's data.
#include "shell/core/activity.h"
#include "shell/core/numberforms.h"

#include <algorithm>
#include <map>

namespace datahandling::checks {
namespace {

using shell::forms::N;

const std::map<std::string, std::pair<int, int>> kContextValues{
    {"goals", {0, 5}}, {"pets", {0, 4}}, {"siblings", {0, 4}}, {"shoes", {3, 8}}, {"dice", {1, 6}}};

std::vector<int> wholes(const shell::Json& array)
{
    std::vector<int> values;
    for (const shell::Json& value : array.elements())
        values.push_back(static_cast<int>(value.whole()));
    return values;
}

// A number of tenths or of halves as the answers write it.
std::string tenths(long long t)
{
    return N(t / 10) + (t % 10 != 0 ? "." + std::to_string(t % 10) : "");
}

std::string halves(long long h)
{
    return N(h / 2) + (h % 2 != 0 ? ".5" : "");
}

} // namespace

std::string invariants(const shell::Activity&, int, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    const shell::Json& data = fields["data"];
    const std::string kind = data["kind"].text();
    const std::vector<int> values = wholes(data["values"]);
    std::vector<int> all;
    if (kind == "list") {
        if (values.size() < 5 || values.size() > 9)
            return "a list of " + std::to_string(values.size()) + " numbers";
        if (std::any_of(values.begin(), values.end(), [](int v) { return v < 1 || v > 20; }))
            return "a listed number outside 1 to 20";
        all = values;
    } else {
        const auto context = kContextValues.find(data["context"].text());
        if (context == kContextValues.end())
            return "an unknown context";
        std::vector<int> expected;
        for (int v = context->second.first; v <= context->second.second; ++v)
            expected.push_back(v);
        if (values != expected)
            return "the values are not the context's";
        const std::vector<int> frequencies = wholes(data["frequencies"]);
        int occupied = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (frequencies[i] < 0 || frequencies[i] > 10)
                return "a frequency outside 0 to 10";
            occupied += frequencies[i] > 0 ? 1 : 0;
            all.insert(all.end(), static_cast<std::size_t>(frequencies[i]), values[i]);
        }
        if (all.size() < 10 || all.size() > 40)
            return "a total frequency outside 10 to 40";
        if (occupied < 3)
            return "fewer than three values occur";
    }
    std::sort(all.begin(), all.end());
    const long long n = static_cast<long long>(all.size());
    long long total = 0;
    for (const int v : all)
        total += v;
    if (10 * total % n != 0)
        return "a mean with more than one decimal place";
    std::map<int, int> counts;
    for (const int v : all)
        ++counts[v];
    int most = 0;
    int mode = 0;
    int modes = 0;
    for (const auto& [value, count] : counts) {
        if (count > most) {
            most = count;
            mode = value;
            modes = 1;
        } else if (count == most) {
            ++modes;
        }
    }
    if (modes != 1 || most < 2)
        return "not exactly one mode occurring at least twice";
    if (kind == "list" && counts.size() < 3)
        return "fewer than three different numbers";
    const int range = all.back() - all.front();
    const std::string mean = tenths(10 * total / n);
    const std::string median =
        halves(all[static_cast<std::size_t>((n - 1) / 2)] + all[static_cast<std::size_t>(n / 2)]);
    std::vector<std::string> answer;
    if (kind == "chart") {
        const std::string statistic = data["statistic"].text();
        const std::string value = statistic == "mean"     ? mean
                                  : statistic == "median" ? median
                                  : statistic == "mode"   ? N(mode)
                                                          : N(range);
        std::string caption = statistic;
        caption[0] = static_cast<char>(caption[0] - 'a' + 'A');
        answer = {caption + " = " + value};
    } else {
        answer = {"Mean = " + mean + ", median = " + median, "Mode = " + N(mode) + ", range = " + N(range)};
    }
    return e.answer == answer ? "" : "the answer is not " + answer.front();
}

} // namespace datahandling::checks
