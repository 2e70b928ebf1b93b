// Quadratic Equations as the registry knows it: solving x² + bx + c = 0 and ax² + bx + c = 0 by
// factorising, and any quadratic by the formula to 2 decimal places.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace quadraticequations {

std::span<const shell::Activity> activities();

} // namespace quadraticequations
