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

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const std::string kind = data["kind"].text();
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
        if (n < 12 || n > 100 || factors.size() < 4 || factors.size() > 12 ||
            !data["classification"].isNull())
            return "a number to factorise out of range";
        std::string answered;
        for (const std::string& line : e.answer)
            answered += (answered.empty() ? "" : " ") + line;
        if (reliability::readNs(answered, ", ") != factors || (e.answer.size() == 2) != (factors.size() > 10))
            return "the answer does not list every factor once, on two lines when there are more than ten";
        std::size_t pairs = 0;
        int rows = 0;
        for (const shell::Line& line : e.working) {
            if (line.cells.empty())
                continue;
            ++rows;
            for (const shell::Cell& cell : line.cells) {
                const std::vector<long long> pair =
                    reliability::readNs(cell.text, " \u00d7 ").value_or(std::vector<long long>());
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
    if (reliability::readNs(e.working[1].text, ", ") !=
        std::vector<long long>(factors.begin(), factors.end() - 1))
        return "the working does not list the factors below the number";
    return {};
}

} // namespace perfectnumbers::checks
