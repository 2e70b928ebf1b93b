// Arithmetic Progressions: continue a sequence that goes up or down by a fixed step, find its nth
// term, and find where a given number stands in it.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace shell {
class Screens;
}

namespace arithmeticprogressions {

std::span<const shell::Activity> activities();

// Makes the screen known by its name (the Qt side, in screen.cpp).
void defineScreens(shell::Screens& screens);

} // namespace arithmeticprogressions
