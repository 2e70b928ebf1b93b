// The activity's screen: the standard one, laid out from its questions.
#include "recurringdecimals/activity.h"

#include "shell/standardscreen.h"

namespace recurringdecimals {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace recurringdecimals
