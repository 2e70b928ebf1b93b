// Coordinates and Straight Lines as the registry knows it: the gradient and equation of the line
// through two points on a grid, and the midpoint and length of a segment.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace shell {
class Screens;
}

namespace coordinates {

std::span<const shell::Activity> activities();

// Makes the screen known by its name (the Qt side, in screen.cpp).
void defineScreens(shell::Screens& screens);

} // namespace coordinates
