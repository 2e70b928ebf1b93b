// Makes the shell's screens known by name: the title screen, the main menu and the links screen.
#pragma once

namespace shell {

class Screens;

void defineShellScreens(Screens& screens);

} // namespace shell
