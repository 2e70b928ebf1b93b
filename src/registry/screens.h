// The screens of every activity of activities.def, known by name.
#pragma once

namespace shell {
class Screens;
}

namespace registry {

void defineActivityScreens(shell::Screens& screens);

} // namespace registry
