// The Circumcircles and Incircles screen through its real widgets.
#include "standardactivitytest.h"

#include "circumcircles/activity.h"
#include "circumcircles/screen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(CircumcirclesScreen, circumcircles)
