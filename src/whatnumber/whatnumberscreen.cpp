#include "whatnumber/whatnumberscreen.h"

#include "whatnumber/activity.h"
#include "shell/standardscreen.h"

namespace whatnumber {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace whatnumber
