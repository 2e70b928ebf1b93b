#include "trialandimprovement/screen.h"

#include "trialandimprovement/activity.h"
#include "shell/standardscreen.h"

namespace trialandimprovement {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace trialandimprovement
