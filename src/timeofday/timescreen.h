// The Time screen, `time`: the standard activity screen.
#pragma once

namespace shell {
class Screens;
}

namespace timeofday {

void defineScreens(shell::Screens& screens);

} // namespace timeofday
