#include "probability/screen.h"

#include "probability/activity.h"
#include "shell/standardscreen.h"

namespace probability {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace probability
