#include "coordinates/activity.h"

#include "shell/standardscreen.h"

namespace coordinates {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace coordinates
