// Hexadecimal Arithmetic as the registry knows it: one-byte numbers between denary and
// hexadecimal, and hexadecimal addition and subtraction by the column method.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace shell {
class Screens;
}

namespace hexadecimal {

std::span<const shell::Activity> activities();

// Makes the screen known by its name (the Qt side, in screen.cpp).
void defineScreens(shell::Screens& screens);

} // namespace hexadecimal
