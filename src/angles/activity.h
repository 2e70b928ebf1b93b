// The two Angles activities as the registry knows them: parallel lines and the interior angles
// of polygons.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace angles {

// Parallel lines first, then polygons.
std::span<const shell::Activity> activities();

} // namespace angles
