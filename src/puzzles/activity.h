// The Puzzles activity as the registry knows it: arithmagons and number pyramids.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace puzzles {

std::span<const shell::Activity> activities();

} // namespace puzzles
