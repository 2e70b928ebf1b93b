// The activity's screen: the standard one, laid out from its questions.
#include "arithmeticprogressions/activity.h"

#include "shell/standardscreen.h"

namespace arithmeticprogressions {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace arithmeticprogressions
