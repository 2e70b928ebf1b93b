// "I think of a number": one or two operations and their result, undone in reverse order with a
// function machine; and two-digit numbers found from two or three clues, each clue needed and
// only one number fitting them all.
#pragma once

#include "shell/core/exercise.h"
#include "shell/core/randomsource.h"

namespace whatnumber {

// The kinds of question, in the order of the modes.
enum class Kind { OneStep, TwoSteps, Clues };

shell::Exercise makeQuestion(Kind kind, shell::RandomSource& draws);

} // namespace whatnumber
