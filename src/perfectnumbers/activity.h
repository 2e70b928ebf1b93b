// Perfect Numbers: list all the factors of a number by factor pairs, and sort numbers into
// perfect, abundant and deficient by adding their proper factors.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace shell {
class Screens;
}

namespace perfectnumbers {

std::span<const shell::Activity> activities();

// Makes the screen known by its name (the Qt side, in screen.cpp).
void defineScreens(shell::Screens& screens);

} // namespace perfectnumbers
