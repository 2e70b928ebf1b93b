// The Estimation activity as the registry knows it: its names, modes and questions.
#pragma once

#include "shell/core/activity.h"

#include <span>
#include <utility>

namespace estimation {

std::span<const shell::Activity> activities();

// The range of kinds (low, high) a mode asks, as newQuestion takes them.
std::pair<int, int> kindsOfMode(int mode);

} // namespace estimation
