// What every trial and improvement question must satisfy, worked out again from its texts: the
// cubic and interval read back, the root found afresh, every trial's value and verdict, and an
// answer that is the root rounded.
#include "shell/core/activity.h"

#include <cmath>
#include <cstdlib>
#include <regex>
#include <set>
#include <string>
#include <variant>

namespace trialandimprovement::checks {
namespace {

std::string ascii(std::string text)
{
    for (std::size_t at; (at = text.find("\u2212")) != std::string::npos;)
        text.replace(at, 3, "-");
    return text;
}

// A decimal of at most 3 places, in thousandths; -1 when the text is not one.
long long thousandths(const std::string& text)
{
    static const std::regex form(R"((\d+)(?:\.(\d{1,3}))?)");
    std::smatch m;
    if (!std::regex_match(text, m, form) || (m[2].matched && m[2].str().back() == '0'))
        return -1;
    std::string decimals = m[2].matched ? m[2].str() : "";
    decimals.append(3 - decimals.size(), '0');
    return std::stoll(m[1]) * 1000 + std::stoll(decimals);
}

// value / 10^scale rounded half away from zero to `places` decimals, written with them all.
std::string rounded(long long value, int scale, int places)
{
    long long unit = 1;
    for (int i = places; i < scale; ++i)
        unit *= 10;
    const long long kept = (value + unit / 2) / unit;
    long long whole = 1;
    for (int i = 0; i < places; ++i)
        whole *= 10;
    std::string decimals = std::to_string(kept % whole);
    decimals.insert(0, static_cast<std::size_t>(places) - decimals.size(), '0');
    return std::to_string(kept / whole) + (places > 0 ? "." + decimals : "");
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (mode != 3 && kind != activity.modes[static_cast<std::size_t>(mode)].sheetName)
        return "the kind " + kind + " is not the mode's";
    const int places = kind == "two-dp" ? 2 : 1;
    if (data["places"].whole() != places || (kind != "two-dp" && data["form"].text() != kind))
        return "the places or the form are not the kind's";

    static const std::regex equationForm(R"(x³ ([+-]) ([2-9]?)x = ([1-9]\d*))");
    std::smatch m;
    const std::string equation = ascii(e.question.at(0).text);
    if (!std::regex_match(equation, m, equationForm))
        return "the equation \"" + equation + "\" is not written in its form";
    const bool plus = m[1] == "+";
    const long long a = m[2].length() == 0 ? 1 : std::stoll(m[2]);
    const long long k = std::stoll(m[3]);
    if (a != data["a"].whole() || k != data["k"].whole() || (plus ? "plus" : "minus") != data["form"].text())
        return "the equation is not the data's";
    if (a > (plus ? 6 : 4))
        return "a is out of its range";
    // 10⁹·f(x) for x in thousandths.
    const auto f = [&](long long x) { return x * x * x + (plus ? a : -a) * x * 1000000; };
    const long long kBillionths = k * 1000000000;

    static const std::regex intervalForm(R"(There is a solution between (\S+) and (\S+)\.)");
    const std::string interval = e.question.at(1).text;
    if (!std::regex_match(interval, m, intervalForm))
        return "the interval line \"" + interval + "\" is not written in its form";
    const long long low = thousandths(m[1]);
    const long long high = thousandths(m[2]);
    const long long step = places == 1 ? 1000 : 100;
    if (low < 2000 || high - low != step || low % step != 0 || high > 6000)
        return "the interval is not one of the mode's";
    if (!(f(low) < kBillionths && kBillionths < f(high)))
        return "the solution is not between " + m[1].str() + " and " + m[2].str();
    long double lo = low / 1000.0L;
    long double hi = high / 1000.0L;
    for (int i = 0; i < 100; ++i) {
        const long double mid = (lo + hi) / 2;
        (mid * mid * mid + (plus ? a : -a) * mid < k ? lo : hi) = mid;
    }
    const long double root = lo;
    if (std::fabs(root - static_cast<long double>(data["root"].number())) > 1e-8L)
        return "the data's root is not the solution";

    // The trials: the interval's ends, then values until the answer is settled.
    if (e.working.size() < 4 || e.working.size() > 8)
        return "there are not 4 to 8 trials";
    static const std::regex trialForm(R"((\S+): (\S+), (too small|too big))");
    std::set<long long> tried;
    long long tooSmall = low;
    long long tooBig = high;
    const long long margin = places == 1 ? 30000000 : 3500000; // 0.03 and 0.0035, in billionths
    for (std::size_t i = 0; i < e.working.size(); ++i) {
        const std::string& line = e.working[i].text;
        if (!std::regex_match(line, m, trialForm))
            return "the trial \"" + line + "\" is not written in its form";
        const long long x = thousandths(m[1]);
        if (x < low || x > high || !tried.insert(x).second)
            return "the trial \"" + line + "\" is outside the interval or tried before";
        const long long value = f(x);
        const std::string shown = x % 1000 == 0 ? std::to_string(value / 1000000000) : rounded(value, 9, places + 1);
        if (m[2] != shown)
            return "the trial \"" + line + "\" should show " + shown;
        if ((m[3] == "too big") != (value > kBillionths) || std::llabs(value - kBillionths) < margin)
            return "the trial \"" + line + "\" is too close to k or has the wrong verdict";
        if ((i == 0 && x != low) || (i == 1 && x != high))
            return "the first trials are not the interval's ends";
        if (i + 1 == e.working.size()) {
            if (tooBig - tooSmall != step / 10 || 2 * x != tooSmall + tooBig)
                return "the last trial is not halfway between neighbours a tenth of the interval apart";
        } else if (value > kBillionths) {
            tooBig = std::min(tooBig, x);
        } else {
            tooSmall = std::max(tooSmall, x);
        }
    }

    const std::string answer = rounded(std::llround(root * 1000000), 6, places);
    if (e.answer.size() != 2 || e.answer[0] != "x = " + answer + " to " + std::to_string(places) + " d.p." ||
        data["answer"].text() != answer)
        return "the answer is not the solution rounded, " + answer;
    static const std::regex betweenForm(R"(x is between (\S+) and (\S+)\.)");
    if (!std::regex_match(e.answer[1], m, betweenForm))
        return "the second answer line is not written in its form";
    const long long from = thousandths(m[1]);
    const long long to = thousandths(m[2]);
    if (to - from != step / 20 || !(from / 1000.0L < root && root < to / 1000.0L))
        return "the solution is not in the second answer line's interval";

    if (e.layout.workingShown)
        return "the trial table stands in for the working panel";
    struct NoMeasure final : shell::TextMeasure {
        shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
    };
    std::size_t cells = 0;
    for (const shell::Mark& mark : e.figure(shell::FigureState::Solution, NoMeasure()).marks)
        cells += std::holds_alternative<shell::TextMark>(mark) ? 1 : 0;
    if (cells != 3 * (e.working.size() + 1))
        return "the table does not show every trial";
    return {};
}

} // namespace trialandimprovement::checks
