// The Estimation activity's question generator: rounding to decimal places, rounding to
// significant figures, and estimating a sum, difference or product from numbers rounded to one
// significant figure. It writes every text the sigfig screen shows for a question; the screen
// only picks the range of kinds, puts the texts into its labels and reveals the answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/core/randomsource.h"

namespace estimation {

// The kinds of question, 1 to 5 as the mode ranges (low, high) count them.
inline constexpr int kPlacesUpTo101 = 1;  // a number from 1 to 101 to 1-4 decimal places
inline constexpr int kPlacesBelow2 = 2;   // a number below 2 to 1-4 decimal places
inline constexpr int kFiguresWhole = 3;   // a whole number from 10 to 20000 to s figures
inline constexpr int kFiguresDecimal = 4; // a decimal below 0.8 to 1-3 figures
inline constexpr int kEstimate = 5;       // a + b, a - b or a x b from one-figure roundings

struct Question {
    int kind = kPlacesUpTo101;
    std::string instruction; // Label1
    std::string question;    // Label2: the number or expression
    std::string answer;      // Label3: hidden until the solution is asked for
    // Label4, the "= ..." line under an estimate. Absent for other kinds: the screen then leaves
    // the label's caption as it was (it stays hidden for them).
    std::optional<std::string> result;
};

// Makes the next question, of a kind drawn from low..high (1 <= low <= high <= 5). The source is
// reseeded before the kind is drawn and again where a kind says so; the draws are taken in a
// fixed order so that a scripted source reaches each case on purpose.
Question newQuestion(int low, int high, shell::RandomSource& draws);

// Rounds a whole number of 10 or more to one significant figure, halves up (35 -> 40,
// 250 -> 300, 95 -> 100).
std::int16_t onesigfig(std::int16_t x);

// Digit rounding of a number text (digits, at most one point) to the given number of significant
// figures, counted from its first non-zero digit. Only the first dropped digit decides (4449 to
// 1 figure is 4000); dropped digits become "0", so the text keeps its length unless a carry out of
// the leftmost digit adds a new one (99 to 1 figure is 100). A text with no non-zero digit, or
// with no more digits than asked for, comes back unchanged.
std::string roundFigures(std::string_view number, int figures);

// The answer to a decimal significant-figures question: roundFigures, then trailing zeros after
// the point dropped and zeros appended so that exactly that many figures show
// (0.0996000 to 2 figures is 0.10, 0.5 to 3 figures is 0.500).
std::string figuresAnswer(std::string_view number, int figures);

} // namespace estimation
