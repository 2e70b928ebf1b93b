#include "datahandling/screen.h"

#include "datahandling/activity.h"
#include "shell/standardscreen.h"

namespace datahandling {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace datahandling
