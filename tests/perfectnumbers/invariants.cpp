// The Perfect Numbers invariants for the volume run: factors and sums found again by trying
// every number.
#include "invariants.h"

namespace perfectnumbers::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const long long n = data["number"].whole();
    std::vector<long long> factors;
    long long sum = 0;
    for (long long f = 1; f <= n; ++f) {
        if (n % f == 0)
            factors.push_back(f);
        sum += n % f == 0 && f < n ? f : 0;
    }
    if (reliability::readN(e.question[0].text) != n || shell::Json::list(factors) != data["factors"] ||
        data["sum"].whole() != sum || e.working.size() > 5)
        return "the number, its factors or their sum are not shown, or more than five working lines";
    if (data["kind"].text() == "factors") {
        std::string answered;
        for (const std::string& line : e.answer)
            answered += (answered.empty() ? "" : " ") + line;
        if (n < 12 || n > 100 || factors.size() < 4 || factors.size() > 12 ||
            !data["classification"].isNull() || reliability::readNs(answered, ", ") != factors ||
            (e.answer.size() == 2) != (factors.size() > 10))
            return "the factors of a number out of range, or not listed once each on one or two lines";
        int rows = 0;
        for (const shell::Line& line : e.working)
            rows += line.cells.empty() ? 0 : 1;
        return rows > 2 ? "more than two rows of factor pairs" : reliability::checkFactorPairs(e.working, n);
    }
    const std::string classification = sum == n ? "perfect" : sum > n ? "abundant" : "deficient";
    if (n < 2 || (n > 100 && n != 496) || data["classification"] != shell::Json(classification) ||
        e.answer[0] != e.question[0].text + " is " + classification + "." || e.question.size() != 3)
        return "the class does not agree with the sum of the factors, or the hints are missing";
    if (reliability::readNs(e.working[1].text, ", ") !=
        std::vector<long long>(factors.begin(), factors.end() - 1))
        return "the working does not list the factors below the number";
    return {};
}

} // namespace perfectnumbers::checks
