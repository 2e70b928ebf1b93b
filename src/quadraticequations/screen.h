// The Quadratic Equations screen: the standard activity frame.
#pragma once

namespace shell {
class Screens;
}

namespace quadraticequations {

void defineScreens(shell::Screens& screens);

} // namespace quadraticequations
