#include "vocabulary/activity.h"

#include "shell/standardscreen.h"

namespace vocabulary {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace vocabulary
