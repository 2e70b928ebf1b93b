// Makes the shell's screens known by name: the title screen, the main menu, the links screen,
// the five topic menus and, for each topic whose screen is not defined by then (it has no
// activity yet), a screen that says so.
#pragma once

namespace shell {

class Screens;

void defineShellScreens(Screens& screens);

} // namespace shell
