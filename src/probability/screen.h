// The Probability screen: the standard activity frame.
#pragma once

namespace shell {
class Screens;
}

namespace probability {

void defineScreens(shell::Screens& screens);

} // namespace probability
