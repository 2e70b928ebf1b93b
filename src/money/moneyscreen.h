// The Money screen, `money`: the standard activity screen.
#pragma once

namespace shell {
class Screens;
}

namespace money {

void defineScreens(shell::Screens& screens);

} // namespace money
