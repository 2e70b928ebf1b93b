// The What Number? screen, `whatnumber`: the standard activity screen.
#pragma once

namespace shell {
class Screens;
}

namespace whatnumber {

void defineScreens(shell::Screens& screens);

} // namespace whatnumber
