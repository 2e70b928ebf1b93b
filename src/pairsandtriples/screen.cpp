// The activity's screen: the standard one, laid out from its questions.
#include "pairsandtriples/activity.h"

#include "shell/standardscreen.h"

namespace pairsandtriples {

void defineScreens(shell::Screens& screens)
{
    shell::defineStandardScreen(screens, activities()[0]);
}

} // namespace pairsandtriples
