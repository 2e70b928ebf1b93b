#include "whatnumber/whatnumberscreen.h"

#include "shell/standardscreen.h"
#include "whatnumber/activity.h"

namespace whatnumber {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace whatnumber
