// Pairs and Triples: find numbers from their sum and product, the skill behind factorising
// quadratics, and complete Pythagorean triples.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace shell {
class Screens;
}

namespace pairsandtriples {

std::span<const shell::Activity> activities();

// Makes the screen known by its name (the Qt side, in screen.cpp).
void defineScreens(shell::Screens& screens);

} // namespace pairsandtriples
