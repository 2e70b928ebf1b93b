#include "allscreens.h"

#include "angles/anglesscreen.h"
#include "estimation/estimationscreen.h"
#include "mappings/mappingsscreen.h"
#include "shell/shellscreens.h"
#include "units/unitsscreen.h"

void defineAllScreens(shell::Screens& screens)
{
    shell::defineShellScreens(screens);
    estimation::defineEstimationScreen(screens);
    mappings::defineMappingsScreen(screens);
    units::defineUnitsScreen(screens);
    angles::defineAnglesScreens(screens);
}
