// Geometric Progressions: find the common ratio of a sequence, continue it, fill its gaps and
// write its nth term a × rⁿ⁻¹.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace shell {
class Screens;
}

namespace geometricprogressions {

std::span<const shell::Activity> activities();

// Makes the screen known by its name (the Qt side, in screen.cpp).
void defineScreens(shell::Screens& screens);

} // namespace geometricprogressions
