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
    const std::string kind = data["kind"].text();
    static const std::map<std::string, std::pair<long long, long long>> kContexts{
        {"goals", {0, 5}}, {"pets", {0, 4}}, {"siblings", {0, 4}}, {"shoes", {3, 8}}, {"dice", {1, 6}}};
    std::map<long long, long long> counts;
    std::vector<long long> all;
    for (std::size_t i = 0; i < data["values"].elements().size(); ++i) {
        const long long value = data["values"][i].whole();
        const long long f = kind == "list" ? 1 : data["frequencies"][i].whole();
        const auto context = kContexts.find(kind == "list" ? "" : data["context"].text());
        if (kind == "list"
                ? value < 1 || value > 20
                : context == kContexts.end() || value != context->second.first + static_cast<long long>(i) ||
                      f < 0 || f > 10 ||
                      (i + 1 == data["values"].elements().size() && value != context->second.second))
            return "a value or a frequency out of range";
        all.insert(all.end(), static_cast<std::size_t>(f), value);
        counts[value] += f;
    }
    std::sort(all.begin(), all.end());
    const auto n = static_cast<long long>(all.size());
    long long total = 0, most = 0, modes = 0, modal = 0, occupied = 0;
    for (const auto& [value, count] : counts) {
        total += value * count;
        occupied += count > 0 ? 1 : 0;
        modes = count > most ? 1 : count == most ? modes + 1 : modes;
        modal = count > most ? value : modal;
        most = std::max(most, count);
    }
    if ((kind == "list" ? n < 5 || n > 9 : n < 10 || n > 40) || occupied < 3 || 10 * total % n != 0 ||
        modes != 1 || most < 2)
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
        {"mode", std::to_string(modal)},
        {"range", std::to_string(all.back() - all.front())}};
    const std::string statistic = data["statistic"].isNull() ? "" : data["statistic"].text();
    const std::vector<std::string> answer =
        kind == "chart"
            ? std::vector<std::string>{std::string(1, static_cast<char>(statistic[0] - 'a' + 'A')) +
                                       statistic.substr(1) + " = " + stated.at(statistic)}
            : std::vector<std::string>{"Mean = " + stated.at("mean") + ", median = " + stated.at("median"),
                                       "Mode = " + stated.at("mode") + ", range = " + stated.at("range")};
    return e.answer == answer ? "" : "the answer is not " + answer.front();
}

} // namespace datahandling::checks
