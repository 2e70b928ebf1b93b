#include "recurringdecimals/recurringquestions.h"

#include "shell/core/numberforms.h"

#include <array>

namespace recurringdecimals {
namespace {

// The denominators from 3 to 30 whose fractions never end and repeat within 7 digits.
constexpr std::array<int, 15> kDenominators{3, 6, 7, 9, 11, 12, 13, 14, 15, 18, 21, 22, 26, 27, 30};

int power10(int k)
{
    int power = 1;
    while (k-- > 0)
        power *= 10;
    return power;
}

// The number with exactly k digits, leading zeros kept: "05".
std::string digits(int value, int k)
{
    std::string text = std::to_string(value);
    return std::string(static_cast<std::size_t>(k) - text.size(), '0') + text;
}

// "33" and "121" read as "3" and "12" over again: some shorter block, repeated, runs through them.
bool repeatsShorter(const std::string& block)
{
    for (std::size_t length = 1; length < block.size(); ++length) {
        if (block.compare(length, std::string::npos, block, 0, block.size() - length) == 0)
            return true;
    }
    return false;
}

Question fractionToDecimal(shell::RandomSource& draws)
{
    const int q = kDenominators[static_cast<std::size_t>(shell::drawWhole(draws, kDenominators.size(), 0))];
    int p = 0;
    do
        p = shell::drawWhole(draws, q - 1, 1);
    while (shell::forms::gcd(p, q) > 1);
    const Division division = divide(p, q);
    Question question;
    question.numerator = p;
    question.denominator = q;
    for (int j = 1; j <= division.pre + division.period; ++j)
        (j <= division.pre ? question.pre : question.rep) += static_cast<char>('0' + division.digits[j - 1]);
    return question;
}

// The decimal 0.{pre}{rep}{rep}... as a fraction in lowest terms.
Question fromDigits(Kind kind, std::string pre, std::string rep)
{
    const long long prefix = pre.empty() ? 0 : std::stoll(pre);
    const long long numerator = std::stoll(pre + rep) - prefix;
    const long long denominator =
        power10(static_cast<int>(pre.size() + rep.size())) - power10(static_cast<int>(pre.size()));
    const long long common = shell::forms::gcd(numerator, denominator);
    return {kind, numerator / common, denominator / common, std::move(pre), std::move(rep)};
}

Question decimalToFraction(shell::RandomSource& draws)
{
    for (;;) {
        const int k = shell::drawWhole(draws, 3, 1);
        const std::string block = digits(shell::drawWhole(draws, power10(k) - 2, 1), k);
        if (!repeatsShorter(block))
            return fromDigits(Kind::DecimalToFraction, "", block);
    }
}

Question partlyRecurring(shell::RandomSource& draws)
{
    for (;;) {
        const int a = shell::drawWhole(draws, 2, 1);
        const int k = shell::drawWhole(draws, 2, 1);
        if (a + k > 3)
            continue;
        const std::string pre = digits(shell::drawWhole(draws, power10(a), 0), a);
        const std::string block = digits(shell::drawWhole(draws, power10(k) - 2, 1), k);
        // 0.1212... is 0.(12), not 0.1(21): the block would start a digit earlier.
        if (!repeatsShorter(block) && pre.back() != block.back())
            return fromDigits(Kind::PartlyRecurring, pre, block);
    }
}

} // namespace

Question makeQuestion(int mode, shell::RandomSource& draws)
{
    switch (mode == 3 ? shell::drawWhole(draws, 3, 0) : mode) {
    case 0:
        return fractionToDecimal(draws);
    case 1:
        return decimalToFraction(draws);
    default:
        return partlyRecurring(draws);
    }
}

Division divide(int p, int q)
{
    Division division;
    division.remainders.push_back(p);
    // Where each remainder first appeared; a remainder is less than q.
    std::vector<int> seen(static_cast<std::size_t>(q), -1);
    seen[static_cast<std::size_t>(p)] = 0;
    for (int j = 1;; ++j) {
        const int carried = 10 * division.remainders.back();
        division.digits.push_back(carried / q);
        division.remainders.push_back(carried % q);
        if (division.period > 0)
            return division;
        int& first = seen[static_cast<std::size_t>(carried % q)];
        if (first >= 0) {
            division.pre = first;
            division.period = j - first;
        } else {
            first = j;
        }
    }
}

std::string recurring(const std::string& pre, const std::string& rep)
{
    return "0." + pre + "(" + rep + ")";
}

} // namespace recurringdecimals
