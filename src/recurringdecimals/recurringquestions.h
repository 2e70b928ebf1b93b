// Recurring decimals: a proper fraction turned into a recurring decimal by short division, and
// pure and partly recurring decimals turned back into fractions.
#pragma once

#include "shell/core/randomsource.h"

#include <string>
#include <vector>

namespace recurringdecimals {

enum class Kind { FractionToDecimal, DecimalToFraction, PartlyRecurring };

struct Question {
    Kind kind = Kind::FractionToDecimal;
    // The fraction in lowest terms.
    long long numerator = 0;
    long long denominator = 1;
    // The digits after the point that do not repeat ("" or "1") and the repeating block ("45").
    std::string pre;
    std::string rep;
};

// mode: 0 fraction to decimal, 1 decimal to fraction, 2 partly recurring, 3 one of the three.
Question makeQuestion(int mode, shell::RandomSource& draws);

// Short division of p by q (p < q) until a remainder comes round again, and one step more so the
// first repeated step shows: digits d(1..m) and remainders r(0..m), r(0) = p.
struct Division {
    std::vector<int> digits;     // d(j) at digits[j − 1]
    std::vector<int> remainders; // r(j) at remainders[j]
    int pre = 0;                 // the digits before the block
    int period = 0;              // the block's length
};
Division divide(int p, int q);

// The text form "0.{pre}({rep})": "0.(45)", "0.1(6)".
std::string recurring(const std::string& pre, const std::string& rep);

} // namespace recurringdecimals
