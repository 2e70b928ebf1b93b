#include "circumcircles/screen.h"

#include "circumcircles/activity.h"
#include "shell/standardscreen.h"

namespace circumcircles {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace circumcircles
