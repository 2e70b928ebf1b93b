#include "timeofday/timescreen.h"

#include "timeofday/activity.h"
#include "shell/standardscreen.h"

namespace timeofday {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace timeofday
