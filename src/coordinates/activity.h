// Coordinates and Straight Lines as the registry knows it: the gradient and equation of the line
// through two points on a grid, and the midpoint and length of a segment.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace coordinates {

std::span<const shell::Activity> activities();

} // namespace coordinates
