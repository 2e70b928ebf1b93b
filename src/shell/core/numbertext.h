// Numbers as the screens write and read them. Every text is UTF-8.
//
// General form: the shortest decimal with at most 7 significant digits for a single-precision
// value and 15 for a double, no trailing zeros or trailing point, a 0 before the point below 1,
// a leading minus for negatives. When the plain form would need more digits than the precision
// carries (a whole part longer than the precision, or more digits after the point than the
// precision, counting the zeros before the first significant one), the exponent form is used:
// mantissa, "E", sign, at least two exponent digits (0.01234567 -> "1.234567E-02",
// 1e7 in single precision -> "1E+07").
#pragma once

#include <string>
#include <string_view>

namespace shell::numtext {

std::string general(float value);
std::string general(double value);

// The general form with one leading blank before a number that is not negative.
std::string generalBlank(float value);
std::string generalBlank(double value);

// Plain digits with a minus sign when negative; no blank, no grouping.
std::string whole(long long value);

// Plain digits with one leading blank before a number that is not negative (" 57").
std::string wholeBlank(long long value);

// A fixed digit pattern "0", "0.0", "0.00", ... : the value rounded to the pattern's number of
// decimals, halves away from zero, written with exactly that many decimals and at least one
// digit before the point. The rounding starts from the digits of the general form (7
// significant digits for a float, 15 for a double), so a float whose general form is 1.15
// gives "1.2" at one decimal. A value that rounds to zero is written without a minus sign.
// Throws std::invalid_argument for a pattern that is not "0" optionally followed by "." and
// zeros.
std::string fixed(float value, std::string_view pattern);
std::string fixed(double value, std::string_view pattern);

// The number written at the start of a text: leading blanks skipped, an optional minus sign,
// digits, an optional point and digits; reading stops at the first other character. A text
// that starts with no number reads as 0.
double readNumber(std::string_view text);

// The character code of the first character of a text (its Unicode code point), or -1 for an
// empty text.
int charCode(std::string_view text);

// The one-character text of a character code.
std::string charText(int code);

} // namespace shell::numtext
