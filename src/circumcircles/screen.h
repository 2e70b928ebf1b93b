// The Circumcircles and Incircles screen: the standard activity frame.
#pragma once

namespace shell {
class Screens;
}

namespace circumcircles {

void defineScreens(shell::Screens& screens);

} // namespace circumcircles
