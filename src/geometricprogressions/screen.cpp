// The activity's screen: the standard one, laid out from its questions.
#include "geometricprogressions/activity.h"

#include "shell/standardscreen.h"

namespace geometricprogressions {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace geometricprogressions
