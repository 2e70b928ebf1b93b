// The What Number? activity as the registry knows it: its names, modes and questions.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace whatnumber {

std::span<const shell::Activity> activities();

} // namespace whatnumber
