// The `puzzles` screen: the standard activity frame, the arithmagon or the pyramid drawn as its
// figure.
#pragma once

namespace shell {
class Screens;
}

namespace puzzles {

void defineScreens(shell::Screens& screens);

} // namespace puzzles
