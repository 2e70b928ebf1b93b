// Mathematical Vocabulary as the registry knows it: a definition and four words of one family,
// one of which it defines.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace shell {
class Screens;
}

namespace vocabulary {

std::span<const shell::Activity> activities();

// Makes the screen known by its name (the Qt side, in screen.cpp).
void defineScreens(shell::Screens& screens);

} // namespace vocabulary
