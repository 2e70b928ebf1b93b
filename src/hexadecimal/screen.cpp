#include "hexadecimal/activity.h"

#include "shell/standardscreen.h"

namespace hexadecimal {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace hexadecimal
