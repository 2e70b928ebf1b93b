// The Perfect Numbers invariants for the volume run: the number's range, its factors and their
// sum found again by trying every number, and the answer from them.
#include "invariants.h"

namespace perfectnumbers::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const long long n = data["number"].whole();
    std::vector<long long> factors;
    for (long long f = 1; f <= n; ++f) {
        if (n % f == 0)
            factors.push_back(f);
    }
    long long sum = 0;
    for (long long f : factors)
        sum += f < n ? f : 0;
    if (shell::Json::list(factors) != data["factors"] || data["sum"].whole() != sum)
        return "the data's factors or their sum are wrong";
    if (data["kind"].text() == "factors") {
        std::string answered;
        for (const std::string& line : e.answer)
            answered += (answered.empty() ? "" : " ") + line;
        return n >= 12 && n <= 100 && factors.size() >= 4 && reliability::readNs(answered, ", ") == factors
                   ? ""
                   : "a prime or a number out of 12 to 100, or not its factors";
    }
    const std::string classification = sum == n ? "perfect" : sum > n ? "abundant" : "deficient";
    if (n < 2 || (n > 100 && n != 496) || e.answer[0] != std::to_string(n) + " is " + classification + ".")
        return "a number out of range, or not " + classification;
    return {};
}

} // namespace perfectnumbers::checks
