// The Finding a Percentage invariants for the volume run: each kind's ranges and rejection rules,
// and the answer's amounts those of the data.
#include "invariants.h"

#include <numeric>

namespace findingapercentage::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text(), unit = data["unit"].text(), &answer = e.answer[0];
    // An amount in hundredths of its unit: "£2.40" or "40p" for pounds, "0.6 cm" or "1.5" for the others.
    const auto hundredths = [&](const std::string& text) -> long long {
        const std::string suffix = unit.empty() ? "" : " " + unit;
        const auto value = reliability::readDecimal(text.substr(0, text.size() - suffix.size()));
        if (unit == "£")
            return reliability::readPence(text).value_or(-1);
        return text.ends_with(suffix) && value && value->scale <= 2
                   ? static_cast<long long>(value->units * reliability::power10(2 - value->scale))
                   : -1;
    };
    if (kind == "as-percentage") {
        const long long part = data["part"].whole(), whole = data["whole"].whole();
        const std::size_t is = answer.find(" is "), of = answer.find("% of ");
        return part >= 1 && part < whole && whole >= 10 && whole <= 200 &&
                       100 % (whole / std::gcd(part, whole)) == 0 && of != std::string::npos &&
                       hundredths(answer.substr(0, is)) == 100 * part &&
                       answer.substr(is + 4, of - is - 4) == std::to_string(100 * part / whole) &&
                       hundredths(answer.substr(of + 5)) == 100 * whole
                   ? ""
                   : "the part or the whole is out of range, the fraction not in hundredths, or not the "
                     "answer's";
    }
    const long long p = data["percent"].whole(), a = data["amount"].whole();
    const long long result = kind == "percentage-of"                  ? p * a
                             : data["direction"].text() == "increase" ? 100 * a + p * a
                                                                      : 100 * a - p * a;
    return a >= 20 && a <= 1000 && a % 20 == 0 && p >= 1 && p <= 95 && (p <= 4 || p % 5 == 0) &&
                   (kind == "percentage-of" || p >= 5) &&
                   hundredths(answer.substr(answer.rfind(kind == "percentage-of" ? " = " : "New amount: ") +
                                            (kind == "percentage-of" ? 3 : 12))) == result
               ? ""
               : "the percentage or the amount is out of range, or the answer is not p% of it or it changed "
                 "by p%";
}

} // namespace findingapercentage::checks
