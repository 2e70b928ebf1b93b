// Makes the shell's screens known by name: the title screen, the main menu, the links screen,
// the five topic menus and the screens of the topics that have no activity yet.
#pragma once

namespace shell {

class Screens;

void defineShellScreens(Screens& screens);

} // namespace shell
