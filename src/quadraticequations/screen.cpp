#include "quadraticequations/screen.h"

#include "quadraticequations/activity.h"
#include "shell/standardscreen.h"

namespace quadraticequations {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace quadraticequations
