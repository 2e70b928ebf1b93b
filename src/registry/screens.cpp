#include "registry/screens.h"

// Each folder makes its screens known as `<folder>::defineScreens(screens)`.
#define CHALKFACE_ACTIVITIES(folder)                                                                     \
    namespace folder {                                                                                   \
    void defineScreens(shell::Screens& screens);                                                         \
    }
#include "registry/activities.def"
#undef CHALKFACE_ACTIVITIES

namespace registry {

void defineActivityScreens(shell::Screens& screens)
{
#define CHALKFACE_ACTIVITIES(folder) folder::defineScreens(screens);
#include "registry/activities.def"
#undef CHALKFACE_ACTIVITIES
}

} // namespace registry
