// Times of day: reading a clock face in the 12-hour and the 24-hour forms, converting between
// them, and durations counted on from a start, also across midnight. A time is a number of
// minutes after midnight.
#pragma once

#include "shell/core/exercise.h"
#include "shell/core/randomsource.h"

namespace timeofday {

// The kinds of question, in the order of the modes.
enum class Kind { ReadClock, Convert, Durations };

shell::Exercise makeQuestion(Kind kind, shell::RandomSource& draws);

} // namespace timeofday
