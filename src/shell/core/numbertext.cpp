#include "shell/core/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace shell::numtext {
namespace {

constexpr int kSinglePrecision = 7;
constexpr int kDoublePrecision = 15;

// A finite non-zero magnitude rounded to `precision` significant digits:
// value = 0.d1d2d3... x 10^(exponent + 1), that is d1.d2d3... x 10^exponent.
struct Digits {
    std::string digits; // exactly `precision` characters
    int exponent = 0;
};

Digits significantDigits(double magnitude, int precision)
{
    // to_chars rounds exactly as printf's "%.*e" does (halves to even on exact ties), at a
    // fraction of its cost: this is the heart of every number a generator writes.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, precision - 1);
    Digits d;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            d.digits += *p;
    }
    // The exponent is written with its sign ("e+02", "e-05"); from_chars takes no plus sign.
    const bool negative = p[1] == '-';
    std::from_chars(p + 2, written.ptr, d.exponent);
    if (negative)
        d.exponent = -d.exponent;
    return d;
}

std::string generalForm(double value, int precision)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0)
        return "0";

    Digits d = significantDigits(std::fabs(value), precision);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    const int length = static_cast<int>(d.digits.size());
    const int x = d.exponent;

    std::string text = value < 0 ? "-" : "";
    // The plain form needs x + 1 digits before the point, or the zeros after the point and
    // then the significant digits.
    const int plainDigits = x >= 0 ? x + 1 : -x - 1 + length;
    if (plainDigits > precision) {
        text += d.digits[0];
        if (length > 1)
            text += "." + d.digits.substr(1);
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", x < 0 ? '-' : '+', std::abs(x));
        return text + exponent;
    }
    if (x >= 0) {
        if (length <= x + 1)
            return text + d.digits + std::string(x + 1 - length, '0');
        return text + d.digits.substr(0, x + 1) + "." + d.digits.substr(x + 1);
    }
    return text + "0." + std::string(-x - 1, '0') + d.digits;
}

int patternDecimals(std::string_view pattern)
{
    if (pattern == "0")
        return 0;
    if (pattern.size() < 3 || pattern.substr(0, 2) != "0." ||
        pattern.find_first_not_of('0', 2) != std::string_view::npos)
        throw std::invalid_argument("unsupported number pattern: " + std::string(pattern));
    return static_cast<int>(pattern.size()) - 2;
}

// Adds one to a string of decimal digits, growing it when the carry runs off the left.
void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string fixedForm(double value, std::string_view pattern, int precision)
{
    const int decimals = patternDecimals(pattern);
    // `scaled` holds the result as a whole number of units of 10^-decimals.
    std::string scaled;
    if (value != 0 && std::isfinite(value)) {
        const Digits d = significantDigits(std::fabs(value), precision);
        // Index in d.digits of the last digit kept (the 10^-decimals place).
        const int last = d.exponent + decimals;
        const int kept = std::min(last + 1, precision);
        if (kept > 0)
            scaled = d.digits.substr(0, kept) + std::string(last + 1 - kept, '0');
        // Halves go away from zero: only the first dropped digit decides.
        const int firstDropped = last + 1;
        if (firstDropped >= 0 && firstDropped < precision && d.digits[firstDropped] >= '5') {
            if (scaled.empty())
                scaled = "0";
            increment(scaled);
        }
    }
    scaled.erase(0, std::min(scaled.find_first_not_of('0'), scaled.size()));
    const bool zero = scaled.empty();
    if (scaled.size() < static_cast<std::size_t>(decimals) + 1)
        scaled.insert(0, decimals + 1 - scaled.size(), '0');
    if (decimals > 0)
        scaled.insert(scaled.size() - decimals, ".");
    return (value < 0 && !zero) ? "-" + scaled : scaled;
}

} // namespace

std::string general(float value)
{
    return generalForm(value, kSinglePrecision);
}

std::string general(double value)
{
    return generalForm(value, kDoublePrecision);
}

std::string generalBlank(float value)
{
    return value < 0 ? general(value) : " " + general(value);
}

std::string generalBlank(double value)
{
    return value < 0 ? general(value) : " " + general(value);
}

std::string whole(long long value)
{
    return std::to_string(value);
}

std::string wholeBlank(long long value)
{
    return value < 0 ? whole(value) : " " + whole(value);
}

std::string fixed(float value, std::string_view pattern)
{
    return fixedForm(value, pattern, kSinglePrecision);
}

std::string fixed(double value, std::string_view pattern)
{
    return fixedForm(value, pattern, kDoublePrecision);
}

double readNumber(std::string_view text)
{
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return 0;
    std::size_t end = start;
    auto digitsFrom = [&](std::size_t i) {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i;
    };
    if (text[end] == '-')
        ++end;
    end = digitsFrom(end);
    if (end < text.size() && text[end] == '.')
        end = digitsFrom(end + 1);

    double value = 0;
    const std::string_view number = text.substr(start, end - start);
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || value == 0)
        return 0; // no number at all ("", "-", "."), and no negative zero
    return value;
}

int charCode(std::string_view text)
{
    if (text.empty())
        return -1;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    int length = 1;
    int code = lead;
    if (lead >= 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xC0) {
        length = 2;
        code = lead & 0x1F;
    }
    if (static_cast<std::size_t>(length) > text.size())
        return lead; // a broken sequence reads as its first byte
    for (int i = 1; i < length; ++i)
        code = (code << 6) | (byte(i) & 0x3F);
    return code;
}

std::string charText(int code)
{
    std::string text;
    if (code < 0 || code > 0x10FFFF)
        throw std::invalid_argument("not a character code");
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

} // namespace shell::numtext
