// Percentages without a calculator: a percentage of an amount built from 10%, 5%, 1%, a half and
// a quarter; one amount as a percentage of another through a fraction over 100; an increase or
// a decrease by a percentage, with its multiplier.
#pragma once

#include "shell/core/exercise.h"
#include "shell/core/randomsource.h"

#include <string_view>

namespace findingapercentage {

// The kinds of question, in the order of the modes.
enum class Kind { PercentageOf, AsPercentage, IncreaseDecrease };

// Every question's instruction.
inline constexpr std::string_view kInstruction = "Work it out without a calculator.";

shell::Exercise makeQuestion(Kind kind, shell::RandomSource& draws);

} // namespace findingapercentage
