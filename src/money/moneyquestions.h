// Everyday money in whole pence: the total of a shopping list and the change from a note, the
// better buy of two packs by the cost of the same amount, and pounds changed into a foreign
// currency or back at a classroom exchange rate.
#pragma once

#include "shell/core/exercise.h"
#include "shell/core/randomsource.h"

namespace money {

// The kinds of question, in the order of the modes.
enum class Kind { Change, BestBuy, Exchange };

shell::Exercise makeQuestion(Kind kind, shell::RandomSource& draws);

} // namespace money
