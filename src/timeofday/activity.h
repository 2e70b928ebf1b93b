// The Time activity as the registry knows it: its names, modes and questions. Its folder is not
// called `time`, which would clash with the C library's function of that name.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace timeofday {

std::span<const shell::Activity> activities();

} // namespace timeofday
