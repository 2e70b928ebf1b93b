// The Finding A Percentage activity's invariants for the volume run: every amount read back from
// its text in hundredths of its unit, every "=" chain true, every percentage label the true
// share of the amount, fractions equal and in lowest terms, and the multiplier exact.
#include "invariants.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <regex>

namespace findingapercentage::checks {
namespace {

using reliability::split;

const std::string kTimes = " × ";
const std::string kDivide = " ÷ ";
const std::string kPlus = " + ";
const std::string kMinus = " − ";

bool digitsOnly(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// An amount in hundredths of its unit: "£2.40" or "40p" for pounds, "0.6 cm" or "1.5" for the
// others; nothing in any other form.
std::optional<long long> readAmount(std::string_view text, std::string_view unit)
{
    if (unit == "£")
        return reliability::readPence(text);
    if (!unit.empty()) {
        const std::string suffix = " " + std::string(unit);
        if (!text.ends_with(suffix))
            return std::nullopt;
        text.remove_suffix(suffix.size());
    }
    const std::size_t point = text.find('.');
    const std::optional<long long> whole = reliability::readN(text.substr(0, point));
    if (!whole)
        return std::nullopt;
    if (point == std::string_view::npos)
        return *whole * 100;
    const std::string_view decimals = text.substr(point + 1);
    if (!digitsOnly(decimals) || decimals.size() > 2 || decimals.back() == '0')
        return std::nullopt;
    const long long fraction = std::stoll(std::string(decimals));
    return *whole * 100 + (decimals.size() == 1 ? 10 * fraction : fraction);
}

std::optional<long long> readPlain(std::string_view text)
{
    return digitsOnly(text) ? std::optional(std::stoll(std::string(text))) : std::nullopt;
}

// The value of "£240 ÷ 10", "3 × £24", "£72 + £12", "240 kg − 84 kg" or an amount alone.
std::optional<long long> evaluate(const std::string& part, std::string_view unit)
{
    if (const auto parts = split(part, kDivide); parts.size() == 2) {
        const auto amount = readAmount(parts[0], unit);
        const auto divisor = readPlain(parts[1]);
        if (!amount || !divisor || *divisor == 0 || *amount % *divisor != 0)
            return std::nullopt;
        return *amount / *divisor;
    }
    if (const auto parts = split(part, kTimes); parts.size() == 2) {
        const auto factor = readPlain(parts[0]);
        const auto amount = readAmount(parts[1], unit);
        return factor && amount ? std::optional(*factor * *amount) : std::nullopt;
    }
    for (const std::string& op : {kPlus, kMinus}) {
        if (const auto parts = split(part, op); parts.size() == 2) {
            const auto a = readAmount(parts[0], unit);
            const auto b = readAmount(parts[1], unit);
            if (!a || !b)
                return std::nullopt;
            return op == kPlus ? *a + *b : *a - *b;
        }
    }
    return readAmount(part, unit);
}

// A working line of blocks: "10% = £240 ÷ 10 = £24", "£72 + £12 = £84", "50% = one half".
std::string checkChain(const std::string& line, std::string_view unit, long long whole)
{
    static const std::regex kLabel("([0-9]+)%");
    std::vector<std::string> parts = split(line, " = ");
    std::smatch label;
    std::optional<long long> percent;
    if (std::regex_match(parts.front(), label, kLabel)) {
        percent = std::stoll(label[1]);
        parts.erase(parts.begin());
        if (parts.size() == 1 && (parts[0] == "one half" || parts[0] == "one quarter"))
            return *percent == (parts[0] == "one half" ? 50 : 25) ? std::string()
                                                                  : "\"" + line + "\" is not true";
    }
    if (parts.size() < 2 && !percent)
        return "\"" + line + "\" is no chain";
    std::optional<long long> value;
    for (const std::string& part : parts) {
        const auto v = evaluate(part, unit);
        if (!v || (value && *v != *value))
            return "\"" + line + "\" is not true";
        value = v;
    }
    if (percent && *percent * whole != *value * 100)
        return "\"" + line + "\": " + std::to_string(*percent) + "% is not that";
    return {};
}

std::string checkBlocks(const shell::Exercise& e, std::string_view unit, long long whole, std::size_t blocks)
{
    for (std::size_t i = 0; i < blocks; ++i) {
        if (auto problem = checkChain(e.working[i].text, unit, whole); !problem.empty())
            return problem;
    }
    return {};
}

std::string endsWith(const shell::Exercise& e, const std::string& value)
{
    const std::string& last = e.working.back().text;
    return last.ends_with(" = " + value) ? std::string() : "the working ends \"" + last + "\", not " + value;
}

std::string percentageOf(const shell::Exercise& e, std::string_view unit, long long percent, long long whole)
{
    const std::string amount = split(e.question[0].text, " of ").back();
    if (e.question.size() != 1 ||
        e.question[0].text != "Find " + std::to_string(percent) + "% of " + amount ||
        readAmount(amount, unit) != whole)
        return "the question is not the data's";
    const long long value = percent * whole / 100;
    if (percent * whole % 100 != 0 || (unit != "£" && value % 10 != 0))
        return "the answer has more than one decimal place";
    const std::vector<std::string> answer = split(e.answer[0], " = ");
    if (answer.size() != 2 || answer[0] != std::to_string(percent) + "% of " + amount ||
        readAmount(answer[1], unit) != value)
        return "the answer is not " + std::to_string(percent) + "% of " + amount;
    if (auto problem = checkBlocks(e, unit, whole, e.working.size()); !problem.empty())
        return problem;
    return endsWith(e, answer[1]);
}

std::string asPercentage(const shell::Exercise& e, std::string_view unit, long long part, long long whole)
{
    if (whole < 10 || whole > 200 || part < 1 || part >= whole)
        return "the part or the whole is out of range";
    if (100 * part % whole != 0 || 100 * part / whole < 2 || 100 * part / whole > 98)
        return "the percentage is not a whole number from 2 to 98";
    const long long q = 100 * part / whole;
    const long long common = std::gcd(part, whole);
    const long long n = part / common;
    const long long d = whole / common;
    if (100 % d != 0)
        return "the fraction's denominator does not divide 100";
    std::string partText = e.question[0].text.substr(6, e.question[0].text.size() - 11);
    if (e.question.size() != 2 || e.question[0].text != "Write " + partText + " as a" ||
        readAmount(partText, unit) != part * 100 || !e.question[1].text.starts_with("percentage of ") ||
        readAmount(e.question[1].text.substr(14), unit) != whole * 100)
        return "the question is not the data's";
    const std::string given = std::to_string(part) + "/" + std::to_string(whole);
    const std::string lowest = std::to_string(n) + "/" + std::to_string(d);
    const std::string hundredths = std::to_string(q) + "/100";
    std::vector<std::string> expected{"As a fraction: " + given};
    if (common > 1)
        expected.push_back(given + " = " + lowest + " (divide both by " + std::to_string(common) + ")");
    expected.push_back(lowest + " = " + hundredths + " (multiply both by " + std::to_string(100 / d) + ")");
    expected.push_back(hundredths + " = " + std::to_string(q) + "%");
    std::vector<std::string> working;
    for (const shell::Line& line : e.working)
        working.push_back(line.text);
    if (working != expected)
        return "the working is not " + given + " simplified and written over 100";
    if (e.answer[0] != partText + " is " + std::to_string(q) + "% of " + e.question[1].text.substr(14))
        return "the answer is not " + std::to_string(q) + "%";
    return {};
}

std::string increaseDecrease(const shell::Exercise& e, std::string_view unit, long long percent,
                             long long whole, bool increase)
{
    if (percent % 5 != 0 || percent < 5 || percent > 95)
        return "the percentage is out of range";
    const std::string amount = e.question[0].text.substr(9);
    if (e.question.size() != 2 || e.question[0].text != (increase ? "Increase " : "Decrease ") + amount ||
        readAmount(amount, unit) != whole || e.question[1].text != "by " + std::to_string(percent) + "%")
        return "the question is not the data's";
    const long long change = percent * whole / 100;
    const long long result = increase ? whole + change : whole - change;
    if (percent * whole % 100 != 0 || result % 100 != 0 || result < 100 || result > 195000)
        return "the new amount is not a whole number from 1 to 1950";
    if (auto problem = checkBlocks(e, unit, whole, e.working.size() - 1); !problem.empty())
        return problem;
    const std::vector<std::string> last = split(e.working.back().text, " = ");
    if (last.size() != 2 || evaluate(last[0], unit) != result || readAmount(last[1], unit) != result ||
        last[0].find(increase ? kPlus : kMinus) == std::string::npos)
        return "\"" + e.working.back().text + "\" is not the change made";
    if (e.answer.size() != 2 || e.answer[0] != "New amount: " + last[1])
        return "the answer is not the working's new amount";
    // "Multiplier: 240 × 0.65 = 156", exactly.
    static const std::regex kMultiplier("Multiplier: ([0-9]+) × ([0-9]+)(?:\\.([0-9]*[1-9]))? = ([0-9]+)");
    std::smatch m;
    if (!std::regex_match(e.answer[1], m, kMultiplier))
        return "\"" + e.answer[1] + "\" is no multiplier";
    std::string decimals = m[3].str();
    decimals.resize(2, '0');
    const long long multiplier = std::stoll(m[2]) * 100 + std::stoll(decimals);
    if (multiplier != (increase ? 100 + percent : 100 - percent) || std::stoll(m[1]) * 100 != whole ||
        std::stoll(m[1]) * multiplier != std::stoll(m[4]) * 100 || std::stoll(m[4]) * 100 != result)
        return "\"" + e.answer[1] + "\" is not the multiplier's sum";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const std::string unit = data["unit"].text();
    constexpr std::array<std::string_view, 8> kUnits{"£", "kg", "g", "km", "m", "cm", "ml", ""};
    if (std::find(kUnits.begin(), kUnits.end(), unit) == kUnits.end())
        return "an unknown unit";
    if (e.instruction != "Work it out without a calculator.")
        return "the instruction";
    if (e.question.size() > 2 || e.working.size() > 5)
        return "more than two question lines or five working lines";
    const std::string kind = data["kind"].text();
    if (kind == "as-percentage")
        return asPercentage(e, unit, data["part"].whole(), data["whole"].whole());
    const long long whole = data["amount"].whole() * 100;
    if (kind == "percentage-of")
        return percentageOf(e, unit, data["percent"].whole(), whole);
    return increaseDecrease(e, unit, data["percent"].whole(), whole, data["direction"].text() == "increase");
}

} // namespace findingapercentage::checks
