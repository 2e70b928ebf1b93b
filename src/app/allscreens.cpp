#include "allscreens.h"

#include "registry/screens.h"
#include "shell/shellscreens.h"

void defineAllScreens(shell::Screens& screens)
{
    registry::defineActivityScreens(screens);
    // Last: the shell gives every topic whose screen no activity defines a screen of its own.
    shell::defineShellScreens(screens);
}
