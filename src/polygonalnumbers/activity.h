// The Polygonal Numbers activity as the registry knows it: its names, modes and questions.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace shell {
class Screens;
}

namespace polygonalnumbers {

std::span<const shell::Activity> activities();

// Makes the screen known by its name (the Qt side, in screen.cpp).
void defineScreens(shell::Screens& screens);

} // namespace polygonalnumbers
