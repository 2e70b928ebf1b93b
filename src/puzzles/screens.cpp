// The `puzzles` screen: the standard frame, the arithmagon or the pyramid drawn as its figure.
#include "puzzles/activity.h"
#include "shell/standardscreen.h"

namespace puzzles {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace puzzles
