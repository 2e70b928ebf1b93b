// The activity's screen: the standard one, laid out from its questions.
#include "polygonalnumbers/activity.h"

#include "shell/standardscreen.h"

namespace polygonalnumbers {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace polygonalnumbers
