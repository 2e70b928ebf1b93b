#include "shell/core/numberforms.h"

#include <charconv>
#include <cstdlib>
#include <stdexcept>

namespace shell::forms {
namespace {

constexpr std::string_view kYen = "\u00a5";

// Digits of a magnitude, with commas between groups of three from 10,000 up.
std::string grouped(unsigned long long magnitude)
{
    const std::string digits = std::to_string(magnitude);
    if (magnitude < 10000)
        return digits;
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

unsigned long long magnitudeOf(long long value)
{
    return value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
}

// The shortest decimal text of a value, split into its sign, whole digits and decimal digits.
struct Decimal {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

Decimal decimalOf(double value)
{
    char buffer[64];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed);
    if (result.ec != std::errc())
        throw std::invalid_argument("a number too long to write");
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal decimal;
    if (!text.empty() && text.front() == '-') {
        decimal.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    decimal.whole = std::string(text.substr(0, point));
    if (point != std::string_view::npos)
        decimal.fraction = std::string(text.substr(point + 1));
    return decimal;
}

std::string groupedDigits(const std::string& whole)
{
    return grouped(std::stoull(whole));
}

} // namespace

std::string N(long long value)
{
    return (value < 0 ? std::string(kMinus) : std::string()) + grouped(magnitudeOf(value));
}

std::string D(double value)
{
    const Decimal decimal = decimalOf(value);
    const bool zero = decimal.whole.find_first_not_of('0') == std::string::npos && decimal.fraction.empty();
    std::string text = decimal.negative && !zero ? std::string(kMinus) : std::string();
    text += groupedDigits(decimal.whole);
    if (!decimal.fraction.empty())
        text += "." + decimal.fraction;
    return text;
}

std::string R(double value, int decimals)
{
    Decimal decimal = decimalOf(value);
    std::string digits = decimal.whole + decimal.fraction;
    std::size_t keep = decimal.whole.size() + static_cast<std::size_t>(decimals);
    if (digits.size() < keep)
        digits.append(keep - digits.size(), '0');
    // Halves away from zero: only the first dropped digit decides.
    const bool up = digits.size() > keep && digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
        int at = static_cast<int>(keep) - 1;
        while (at >= 0 && digits[static_cast<std::size_t>(at)] == '9')
            digits[static_cast<std::size_t>(at--)] = '0';
        if (at < 0) {
            digits = "1" + digits;
            ++keep;
        } else {
            ++digits[static_cast<std::size_t>(at)];
        }
    }
    const std::string whole = digits.substr(0, keep - static_cast<std::size_t>(decimals));
    const std::string fraction = digits.substr(keep - static_cast<std::size_t>(decimals));
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string text = decimal.negative && !zero ? std::string(kMinus) : std::string();
    text += groupedDigits(whole.empty() ? "0" : whole);
    if (decimals > 0)
        text += "." + fraction;
    return text;
}

long long gcd(long long a, long long b)
{
    a = std::llabs(a);
    b = std::llabs(b);
    while (b != 0) {
        const long long r = a % b;
        a = b;
        b = r;
    }
    return a;
}

std::string Fr(long long numerator, long long denominator)
{
    if (denominator == 0)
        throw std::invalid_argument("a fraction over 0");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const long long common = gcd(numerator, denominator);
    if (common > 1) {
        numerator /= common;
        denominator /= common;
    }
    if (denominator == 1)
        return N(numerator);
    return N(numerator) + "/" + N(denominator);
}

std::string Ord(long long n)
{
    const long long lastTwo = std::llabs(n) % 100;
    const long long last = std::llabs(n) % 10;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1)
            suffix = "st";
        else if (last == 2)
            suffix = "nd";
        else if (last == 3)
            suffix = "rd";
    }
    return N(n) + suffix;
}

std::string Br(std::string_view text)
{
    if (text.starts_with(kMinus))
        return "(" + std::string(text) + ")";
    return std::string(text);
}

std::string Br(long long value)
{
    return Br(N(value));
}

std::string Sub(long long a, long long b)
{
    return N(a) + " " + std::string(kMinus) + " " + Br(b);
}

std::string Sum(const std::vector<long long>& terms)
{
    std::string text;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (i == 0)
            text = N(terms[i]);
        else if (terms[i] >= 0)
            text += " + " + N(terms[i]);
        else
            text += " " + std::string(kMinus) + " " + N(-terms[i]);
    }
    return text;
}

std::string M(long long pence)
{
    const std::string sign = pence < 0 ? std::string(kMinus) : std::string();
    const unsigned long long size = magnitudeOf(pence);
    if (size < 100)
        return sign + std::to_string(size) + "p";
    std::string text = sign + "\u00a3" + grouped(size / 100);
    if (size % 100 != 0)
        text += "." + std::string(size % 100 < 10 ? "0" : "") + std::to_string(size % 100);
    return text;
}

std::string moneyDigits(std::string_view symbol, long long hundredths)
{
    const std::string sign = hundredths < 0 ? std::string(kMinus) : std::string();
    const unsigned long long size = magnitudeOf(hundredths);
    std::string text = sign + grouped(size / 100);
    if (size % 100 != 0 && symbol != kYen)
        text += "." + std::string(size % 100 < 10 ? "0" : "") + std::to_string(size % 100);
    return text;
}

std::string C(std::string_view symbol, long long hundredths)
{
    return std::string(symbol) + moneyDigits(symbol, hundredths);
}

} // namespace shell::forms
