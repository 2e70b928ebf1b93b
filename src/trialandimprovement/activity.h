// Trial and Improvement as the registry knows it: a cubic x³ ± ax = k solved to 1 or 2 decimal
// places, deciding the rounding by trying the halfway value.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace trialandimprovement {

std::span<const shell::Activity> activities();

} // namespace trialandimprovement
