// The Perfect Numbers invariants for the volume run: factors and sums found again by trying
// every number.
#include "invariants.h"

#include "shell/core/activity.h"

#include <string>
#include <string_view>
#include <vector>

namespace perfectnumbers::checks {
namespace {

using reliability::readN;

std::vector<long long> readList(std::string_view text, std::string_view separator)
{
    std::vector<long long> values;
    for (const std::string& part : reliability::split(text, separator))
        values.push_back(readN(part).value_or(0));
    return values;
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    const std::string_view modeName = activity.modes[static_cast<std::size_t>(mode)].sheetName;
    if (modeName == "mixed" ? kind == "mixed" : kind != modeName)
        return "kind " + kind + " in mode " + std::string(modeName);
    const long long n = data["number"].whole();
    if (readN(e.question[0].text) != n)
        return "the question does not show the number";
    std::vector<long long> factors;
    long long sum = 0;
    for (long long f = 1; f <= n; ++f) {
        if (n % f == 0)
            factors.push_back(f);
        if (n % f == 0 && f < n)
            sum += f;
    }
    std::vector<long long> listed;
    for (const shell::Json& f : data["factors"].elements())
        listed.push_back(f.whole());
    if (listed != factors || data["sum"].whole() != sum)
        return "the factors or their sum are not the number's";
    if (e.working.size() > 5)
        return "more than five working lines";

    if (kind == "factors") {
        if (n < 12 || n > 100 || factors.size() < 4 || factors.size() > 12 || !data["classification"].isNull())
            return "a number to factorise out of range";
        std::vector<long long> answered;
        for (const std::string& line : e.answer) {
            const std::string text = line.ends_with(",") ? line.substr(0, line.size() - 1) : line;
            for (long long f : readList(text, ", "))
                answered.push_back(f);
        }
        if (answered != factors || (e.answer.size() == 2) != (factors.size() > 10))
            return "the answer does not list every factor once, on two lines when there are more than ten";
        std::size_t pairs = 0;
        int rows = 0;
        for (const shell::Line& line : e.working) {
            if (line.cells.empty())
                continue;
            ++rows;
            for (const shell::Cell& cell : line.cells) {
                const std::vector<long long> pair = readList(cell.text, " \u00d7 ");
                if (pair.size() != 2 || pair[0] > pair[1] || pair[0] * pair[1] != n)
                    return "\"" + cell.text + "\" is not a factor pair of the number";
                ++pairs;
            }
        }
        if (rows > 2 || pairs != (factors.size() + 1) / 2)
            return "the factor pairs are not each listed once, in at most two rows";
        return {};
    }

    const std::string classification = sum == n ? "perfect" : sum > n ? "abundant" : "deficient";
    if (n < 2 || (n > 100 && n != 496) || data["classification"] != shell::Json(classification))
        return "the class does not agree with the sum of the factors";
    if (e.answer.size() != 1 || e.answer[0] != e.question[0].text + " is " + classification + ".")
        return "the answer does not state the class";
    if (e.question.size() != 3)
        return "Classify shows its two hints";
    const std::vector<long long> proper = readList(e.working[1].text, ", ");
    if (proper != std::vector<long long>(factors.begin(), factors.end() - 1))
        return "the working does not list the factors below the number";
    return {};
}

} // namespace perfectnumbers::checks
