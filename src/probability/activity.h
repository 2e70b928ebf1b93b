// Probability as the registry knows it: counters taken from a bag, once or twice, and the totals
// and products of two dice.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace probability {

std::span<const shell::Activity> activities();

} // namespace probability
