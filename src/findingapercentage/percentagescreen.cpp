#include "findingapercentage/percentagescreen.h"

#include "findingapercentage/activity.h"
#include "shell/standardscreen.h"

namespace findingapercentage {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace findingapercentage
