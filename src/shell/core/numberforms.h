// The number forms of the activities' texts: every minus sign is − (U+2212), whole numbers from
// 10,000 up are grouped with commas, fractions are in lowest terms, money is in pounds and pence.
// Each form is a function named as the texts' placeholders name it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace shell::forms {

inline constexpr std::string_view kMinus = "\u2212";
inline constexpr std::string_view kTimes = "\u00d7";
inline constexpr std::string_view kDivide = "\u00f7";

// A whole number: digits, − before a negative, commas from 10,000 up: "7", "−61", "9999",
// "12,500".
std::string N(long long value);

// A number with a finite decimal expansion, exactly, without trailing zeros ("2.5", "−1.5",
// "0.125"); N(value) when it is whole. The value's shortest decimal text is taken as exact.
std::string D(double value);

// The value rounded half away from zero to `decimals` places, always with that many decimals
// ("3.0", "0.40"); never "−0.00". As D, the value's shortest decimal text is what is rounded.
std::string R(double value, int decimals);

// The fraction numerator/denominator in lowest terms, its sign in front ("5/12", "−7/2"); N of
// it when it is whole. The denominator must not be 0.
std::string Fr(long long numerator, long long denominator);

// "1st", "2nd", "3rd", "4th", "11th", "12th", "13th", "21st", "112th".
std::string Ord(long long n);

// A number's text in brackets when it is negative: "3", "(−3)", "(−0.5)".
std::string Br(std::string_view text);
std::string Br(long long value);

// "N(a) − N(b)", or "N(a) − (N(b))" when b is negative.
std::string Sub(long long a, long long b);

// The first term, then " + N(t)" for each later t ≥ 0 and " − N(−t)" for each t < 0:
// "2 − 6 + 6".
std::string Sum(const std::vector<long long>& terms);

// An amount of pence: "65p" under £1, "£10" for whole pounds, else "£1.49".
std::string M(long long pence);

// Hundredths of a currency after its symbol: two decimals unless whole ("€80.50", "$52"), and yen
// always whole ("¥11,400"). moneyDigits is the same without the symbol ("80.50", "11,400").
std::string C(std::string_view symbol, long long hundredths);
std::string moneyDigits(std::string_view symbol, long long hundredths);

// The greatest common divisor of |a| and |b| (0 when both are 0).
long long gcd(long long a, long long b);

} // namespace shell::forms
