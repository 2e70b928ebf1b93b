#include "puzzles/screen.h"

#include "puzzles/activity.h"
#include "shell/standardscreen.h"

namespace puzzles {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace puzzles
