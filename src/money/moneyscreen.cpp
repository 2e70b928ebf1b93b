#include "money/moneyscreen.h"

#include "money/activity.h"
#include "shell/standardscreen.h"

namespace money {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace money
