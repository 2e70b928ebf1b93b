// The activity's screen: the standard one, laid out from its questions.
#include "perfectnumbers/activity.h"

#include "shell/standardscreen.h"

namespace perfectnumbers {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace perfectnumbers
