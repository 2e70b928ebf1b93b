// The `data` screen: the standard frame, the table and the bar chart drawn as its figure.
#include "datahandling/activity.h"
#include "shell/standardscreen.h"

namespace datahandling {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace datahandling
