// The Data invariants for the volume run: the list or the frequencies in range, a mean of at most
// one decimal place and one mode, and the answer the statistics of the data.
#include "invariants.h"

#include <algorithm>
#include <map>

namespace datahandling::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const bool list = data["kind"].text() == "list";
    static const std::map<std::string, std::pair<long long, long long>> kContexts{
        {"", {1, 20}},        {"goals", {0, 5}}, {"pets", {0, 4}},
        {"siblings", {0, 4}}, {"shoes", {3, 8}}, {"dice", {1, 6}}};
    const auto [low, high] = kContexts.at(list ? "" : data["context"].text());
    std::vector<long long> all, counts(21);
    const std::size_t size = data["values"].elements().size();
    for (std::size_t i = 0; i < size; ++i) {
        const long long value = data["values"][i].whole(), f = list ? 1 : data["frequencies"][i].whole();
        if (value < low || value > high || f < 0 || f > 10 ||
            (!list && (value != low + static_cast<long long>(i) || (i + 1 == size && value != high))))
            return "a value or a frequency out of range";
        all.insert(all.end(), static_cast<std::size_t>(f), value);
        counts[static_cast<std::size_t>(value)] += f;
    }
    std::sort(all.begin(), all.end());
    const auto n = static_cast<long long>(all.size()), most = *std::max_element(counts.begin(), counts.end());
    long long total = 0;
    for (long long v : all)
        total += v;
    if ((list ? n < 5 || n > 9 : n < 10 || n > 40) ||
        std::count_if(counts.begin(), counts.end(), [](long long c) { return c > 0; }) < 3 ||
        10 * total % n != 0 || std::count(counts.begin(), counts.end(), most) != 1 || most < 2)
        return "too few or too many values, fewer than three different, a long mean or not one mode";
    // Mean and median as the answers write them: "1.2", "5", "12.5".
    const auto number = [](double value) {
        char text[16];
        std::snprintf(text, sizeof text, "%g", value);
        return std::string(text);
    };
    const std::map<std::string, std::string> stated{
        {"mean", number(static_cast<double>(total) / static_cast<double>(n))},
        {"median", number(static_cast<double>(all[static_cast<std::size_t>((n - 1) / 2)] +
                                              all[static_cast<std::size_t>(n / 2)]) /
                          2)},
        {"mode", std::to_string(std::max_element(counts.begin(), counts.end()) - counts.begin())},
        {"range", std::to_string(all.back() - all.front())}};
    if (data["kind"].text() == "chart")
        return e.answer[0].ends_with(" = " + stated.at(data["statistic"].text()))
                   ? ""
                   : "the answer is not the statistic";
    return e.answer ==
                   std::vector<std::string>{"Mean = " + stated.at("mean") +
                                                ", median = " + stated.at("median"),
                                            "Mode = " + stated.at("mode") + ", range = " + stated.at("range")}
               ? ""
               : "the answer is not the statistics";
}

} // namespace datahandling::checks
