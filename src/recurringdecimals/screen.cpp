#include "recurringdecimals/screen.h"

#include "recurringdecimals/activity.h"
#include "shell/standardscreen.h"

namespace recurringdecimals {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace recurringdecimals
