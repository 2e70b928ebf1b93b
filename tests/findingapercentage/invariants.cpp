// The Finding a Percentage invariants for the volume run: each kind's ranges and rejection rules,
// and the answer's amounts those of the data.
#include "invariants.h"

#include <numeric>
#include <set>

namespace findingapercentage::checks {
namespace {

// An amount in hundredths of its unit: "£2.40" or "40p" for pounds, "0.6 cm" or "1.5" for the
// others; -1 for any other form.
long long hundredths(const std::string& text, const std::string& unit)
{
    if (unit == "£")
        return reliability::readPence(text).value_or(-1);
    const std::string suffix = unit.empty() ? "" : " " + unit;
    const auto value = text.ends_with(suffix)
                           ? reliability::readDecimal(text.substr(0, text.size() - suffix.size()))
                           : std::nullopt;
    return value && value->scale <= 2
               ? static_cast<long long>(value->units * reliability::power10(2 - value->scale))
               : -1;
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    const std::string unit = data["unit"].text();
    if (!std::set<std::string>{"£", "kg", "g", "km", "m", "cm", "ml", ""}.contains(unit))
        return "an unknown unit";
    const std::string& answer = e.answer[0];
    if (kind == "as-percentage") {
        const long long part = data["part"].whole(), whole = data["whole"].whole();
        const long long d = whole / std::gcd(part, whole);
        if (part < 1 || part >= whole || whole < 10 || whole > 200 || 100 % d != 0)
            return "the part or the whole is out of range, or the fraction not in hundredths";
        const std::size_t is = answer.find(" is "), of = answer.find("% of ");
        return is < of && of != std::string::npos && hundredths(answer.substr(0, is), unit) == 100 * part &&
                       answer.substr(is + 4, of - is - 4) == std::to_string(100 * part / whole) &&
                       hundredths(answer.substr(of + 5), unit) == 100 * whole
                   ? ""
                   : "the answer is not the part as a percentage of the whole";
    }
    const long long p = data["percent"].whole(), a = data["amount"].whole();
    if (a < 20 || a > 1000 || a % 20 != 0 || p < 1 || p > 95 || (p > 4 && p % 5 != 0) ||
        (kind == "increase-decrease" && p < 5))
        return "the percentage or the amount is out of range";
    if (kind == "percentage-of")
        return hundredths(answer.substr(answer.rfind(" = ") + 3), unit) == p * a
                   ? ""
                   : "the answer is not p% of a";
    const long long result = data["direction"].text() == "increase" ? 100 * a + p * a : 100 * a - p * a;
    return answer.starts_with("New amount: ") && hundredths(answer.substr(12), unit) == result
               ? ""
               : "the new amount is not the amount changed by p%";
}

} // namespace findingapercentage::checks
