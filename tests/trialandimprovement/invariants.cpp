// What every trial and improvement question must satisfy, from its texts: the root found afresh
// inside the stated interval, every trial's value and verdict worked out exactly, and an answer
// that is the root rounded, settled by the halfway value.
#include "shell/core/activity.h"

#include <cmath>
#include <regex>
#include <set>
#include <string>

namespace trialandimprovement::checks {
namespace {

// A decimal of at most 3 places, in thousandths.
long long thousandths(const std::string& text)
{
    const std::size_t point = text.find('.');
    std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
    decimals.append(3 - decimals.size(), '0');
    return std::stoll(text.substr(0, point)) * 1000 + std::stoll(decimals);
}

// value / 10^scale, half up to `places` decimals, all written.
std::string rounded(long long value, int scale, int places)
{
    const long long unit = static_cast<long long>(std::pow(10, scale - places));
    const long long kept = (value + unit / 2) / unit;
    const long long whole = static_cast<long long>(std::pow(10, places));
    std::string decimals = std::to_string(kept % whole);
    decimals.insert(0, static_cast<std::size_t>(places) - decimals.size(), '0');
    return std::to_string(kept / whole) + "." + decimals;
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (mode != 3 && kind != activity.modes[static_cast<std::size_t>(mode)].sheetName)
        return "the kind " + kind + " is not the mode's";
    const int places = kind == "two-dp" ? 2 : 1;
    static const std::regex question(R"(x³ (\+|−) ([2-9]?)x = ([1-9]\d*)\|There is a solution between (\S+) and (\S+)\.)");
    std::smatch m;
    const std::string asked = e.question.at(0).text + "|" + e.question.at(1).text;
    if (!std::regex_match(asked, m, question))
        return "the question \"" + asked + "\" is not written in its form";
    const bool plus = m[1] == "+";
    const long long a = m[2].length() == 0 ? 1 : std::stoll(m[2]);
    const long long k = std::stoll(m[3]);
    const long long low = thousandths(m[4]);
    const long long high = thousandths(m[5]);
    const long long step = places == 1 ? 1000 : 100;
    if ((kind != "two-dp" && plus != (kind == "plus")) || a > (plus ? 6 : 4) || low < 2000 || high - low != step)
        return "the equation or the interval is not the kind's";
    // 10⁹·f(x) for x in thousandths.
    const auto f = [&](long long x) { return x * x * x + (plus ? a : -a) * x * 1000000; };
    const long long target = k * 1000000000;
    if (!(f(low) < target && target < f(high)))
        return "the solution is not in the stated interval";
    long double lo = low / 1000.0L;
    long double hi = high / 1000.0L;
    for (int i = 0; i < 80; ++i) {
        const long double mid = (lo + hi) / 2;
        (mid * mid * mid + (plus ? a : -a) * mid < k ? lo : hi) = mid;
    }
    if (std::fabs(lo - static_cast<long double>(data["root"].number())) > 1e-8L)
        return "the data's root is not the solution";

    if (e.working.size() < 4 || e.working.size() > 8)
        return "there are not 4 to 8 trials";
    static const std::regex trial(R"((\S+): (\S+), (too small|too big))");
    std::set<long long> tried;
    long long tooSmall = low;
    long long tooBig = high;
    for (std::size_t i = 0; i < e.working.size(); ++i) {
        const std::string& line = e.working[i].text;
        if (!std::regex_match(line, m, trial))
            return "the trial \"" + line + "\" is not written in its form";
        const long long x = thousandths(m[1]);
        const long long value = f(x);
        const std::string shown = x % 1000 == 0 ? std::to_string(value / 1000000000) : rounded(value, 9, places + 1);
        const bool big = value > target;
        if (!tried.insert(x).second || x < low || x > high || (i == 0 && x != low) || (i == 1 && x != high))
            return "the trial \"" + line + "\" is out of its place or tried before";
        if (m[2] != shown || (m[3] == "too big") != big || std::llabs(value - target) < (places == 1 ? 30000000 : 3500000))
            return "the trial \"" + line + "\" should show " + shown + ", clear of k, with its verdict";
        if (i + 1 < e.working.size()) {
            if (big)
                tooBig = std::min(tooBig, x);
            else
                tooSmall = std::max(tooSmall, x);
        } else if (tooBig - tooSmall != step / 10 || 2 * x != tooSmall + tooBig) {
            return "the last trial is not halfway between neighbours a tenth of the interval apart";
        }
    }
    const std::string answer = rounded(std::llround(lo * 1000000), 6, places);
    static const std::regex between(R"(x is between (\S+) and (\S+)\.)");
    if (e.answer.at(0) != "x = " + answer + " to " + std::to_string(places) + " d.p." ||
        !std::regex_match(e.answer.at(1), m, between) || thousandths(m[2]) - thousandths(m[1]) != step / 20 ||
        !(thousandths(m[1]) < lo * 1000 && lo * 1000 < thousandths(m[2])))
        return "the answer is not the solution rounded, " + answer + ", between its halfway values";
    return e.layout.workingShown ? "the trial table stands in for the working panel" : "";
}

} // namespace trialandimprovement::checks
