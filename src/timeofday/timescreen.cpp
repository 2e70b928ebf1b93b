#include "timeofday/timescreen.h"

#include "shell/standardscreen.h"
#include "timeofday/activity.h"

namespace timeofday {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace timeofday
