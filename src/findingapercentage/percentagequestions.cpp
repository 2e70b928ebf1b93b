#include "findingapercentage/percentagequestions.h"

#include "shell/core/numberforms.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace findingapercentage {
namespace {

namespace forms = shell::forms;

constexpr std::array<std::string_view, 8> kUnits{"£", "kg", "g", "km", "m", "cm", "ml", ""};
// 1% to 4%, then every multiple of 5 up to 95%.
constexpr std::array<int, 23> kPercentsOf{1,  2,  3,  4,  5,  10, 15, 20, 25, 30, 35, 40,
                                          45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95};
constexpr std::array<int, 7> kDenominators{2, 4, 5, 10, 20, 25, 50};
constexpr std::array<std::string_view, 3> kKindNames{"percentage-of", "as-percentage", "increase-decrease"};

const std::string kTimes(forms::kTimes);
const std::string kDivide(forms::kDivide);
const std::string kMinus(forms::kMinus);

// An amount is kept in hundredths of its unit (pence for pounds), so every block stays exact.
std::string amount(std::string_view unit, long long hundredths)
{
    if (unit == "£")
        return forms::M(hundredths);
    const std::string number = forms::D(static_cast<double>(hundredths) / 100);
    return unit.empty() ? number : number + " " + std::string(unit);
}

// The working for p% of an amount from the percentages that are easy to find.
std::vector<std::string> blocks(std::string_view unit, int p, long long whole)
{
    const auto text = [unit](long long hundredths) { return amount(unit, hundredths); };
    const std::string a = text(whole);
    const std::string value = text(p * whole / 100);
    const long long tenth = whole / 10;
    const std::string tenLine = "10% = " + a + " " + kDivide + " 10 = " + text(tenth);
    const std::string fiveLine = "5% = " + text(tenth) + " " + kDivide + " 2 = ";
    const int tens = p / 10;
    if (p == 50)
        return {"50% = one half", a + " " + kDivide + " 2 = " + value};
    if (p == 25)
        return {"25% = one quarter", a + " " + kDivide + " 4 = " + value};
    if (p == 75) {
        const std::string quarter = text(whole / 4);
        return {"25% = one quarter", a + " " + kDivide + " 4 = " + quarter,
                "75% = 3 " + kTimes + " " + quarter + " = " + value};
    }
    if (p < 5) {
        const std::string one = text(whole / 100);
        std::vector<std::string> lines{"1% = " + a + " " + kDivide + " 100 = " + one};
        if (p > 1)
            lines.push_back(std::to_string(p) + "% = " + std::to_string(p) + " " + kTimes + " " + one +
                            " = " + value);
        return lines;
    }
    if (p == 10)
        return {tenLine};
    if (p % 10 == 0)
        return {tenLine, std::to_string(p) + "% = " + std::to_string(tens) + " " + kTimes + " " +
                             text(tenth) + " = " + value};
    if (p == 5)
        return {tenLine, fiveLine + value};
    const std::string five = text(tenth / 2);
    if (p == 15)
        return {tenLine, fiveLine + five, "15% = " + text(tenth) + " + " + five + " = " + value};
    const std::string multiple = text(tens * tenth);
    return {tenLine,
            std::to_string(10 * tens) + "% = " + std::to_string(tens) + " " + kTimes + " " + text(tenth) +
                " = " + multiple,
            fiveLine + five, std::to_string(p) + "% = " + multiple + " + " + five + " = " + value};
}

std::vector<shell::Line> lines(const std::vector<std::string>& texts)
{
    return {texts.begin(), texts.end()};
}

void percentageOf(shell::Exercise& e, std::string_view unit, shell::RandomSource& draws)
{
    const int p = shell::drawFrom(draws, kPercentsOf);
    const int a = 20 * shell::drawWhole(draws, 50, 1);
    const long long whole = 100LL * a;
    const std::string amountText = amount(unit, whole);
    e.question = {"Find " + std::to_string(p) + "% of " + amountText};
    e.answer = {std::to_string(p) + "% of " + amountText + " = " + amount(unit, p * whole / 100)};
    e.working = lines(blocks(unit, p, whole));
    shell::setStandardFields(
        e, shell::Json::object({{"kind", kKindNames[0]}, {"unit", unit}, {"percent", p}, {"amount", a}}));
}

void asPercentage(shell::Exercise& e, std::string_view unit, shell::RandomSource& draws)
{
    const int d = shell::drawFrom(draws, kDenominators);
    int n = 0;
    do
        n = shell::drawWhole(draws, d - 1, 1);
    while (forms::gcd(n, d) != 1);
    int k = 0;
    do
        k = shell::drawWhole(draws, 200 / d, 1);
    while (d * k < 10);
    const int part = n * k;
    const int whole = d * k;
    const int q = 100 * n / d;
    const std::string fraction = std::to_string(n) + "/" + std::to_string(d);
    const std::string over100 = std::to_string(q) + "/100";
    e.question = {"Write " + amount(unit, 100LL * part) + " as a",
                  "percentage of " + amount(unit, 100LL * whole)};
    e.answer = {amount(unit, 100LL * part) + " is " + std::to_string(q) + "% of " +
                amount(unit, 100LL * whole)};
    const std::string given = std::to_string(part) + "/" + std::to_string(whole);
    e.working = {"As a fraction: " + given};
    if (k > 1)
        e.working.push_back(given + " = " + fraction + " (divide both by " + std::to_string(k) + ")");
    e.working.push_back(fraction + " = " + over100 + " (multiply both by " + std::to_string(100 / d) + ")");
    e.working.push_back(over100 + " = " + std::to_string(q) + "%");
    shell::setStandardFields(
        e, shell::Json::object({{"kind", kKindNames[1]}, {"unit", unit}, {"part", part}, {"whole", whole}}));
}

void increaseDecrease(shell::Exercise& e, std::string_view unit, shell::RandomSource& draws)
{
    const int p = 5 * shell::drawWhole(draws, 19, 1);
    const int a = 20 * shell::drawWhole(draws, 50, 1);
    const bool increase = shell::drawWhole(draws, 2, 0) == 0;
    const long long whole = 100LL * a;
    const long long change = p * whole / 100;
    const long long result = increase ? whole + change : whole - change;
    const std::string amountText = amount(unit, whole);
    e.question = {(increase ? "Increase " : "Decrease ") + amountText, "by " + std::to_string(p) + "%"};
    e.working = lines(blocks(unit, p, whole));
    e.working.push_back(amountText + (increase ? " + " : " " + kMinus + " ") + amount(unit, change) + " = " +
                        amount(unit, result));
    const int multiplier = increase ? 100 + p : 100 - p;
    e.answer = {"New amount: " + amount(unit, result), "Multiplier: " + std::to_string(a) + " " + kTimes +
                                                           " " + forms::D(multiplier / 100.0) + " = " +
                                                           forms::N(result / 100)};
    shell::setStandardFields(e, shell::Json::object({{"kind", kKindNames[2]},
                                                     {"unit", unit},
                                                     {"percent", p},
                                                     {"amount", a},
                                                     {"direction", increase ? "increase" : "decrease"}}));
}

} // namespace

shell::Exercise makeQuestion(Kind kind, shell::RandomSource& draws)
{
    const std::string_view unit = shell::drawFrom(draws, kUnits);
    shell::Exercise e;
    e.instruction = std::string(kInstruction);
    if (kind == Kind::PercentageOf)
        percentageOf(e, unit, draws);
    else if (kind == Kind::AsPercentage)
        asPercentage(e, unit, draws);
    else
        increaseDecrease(e, unit, draws);
    return e;
}

} // namespace findingapercentage
