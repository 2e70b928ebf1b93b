// The Money activity as the registry knows it: its names, modes and questions.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace money {

std::span<const shell::Activity> activities();

} // namespace money
