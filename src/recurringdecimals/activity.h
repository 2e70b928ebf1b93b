// The Recurring Decimals activity as the registry knows it: its names, modes and questions.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace recurringdecimals {

std::span<const shell::Activity> activities();

} // namespace recurringdecimals
