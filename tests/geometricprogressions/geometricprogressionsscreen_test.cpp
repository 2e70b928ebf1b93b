// The Geometric Progressions screen through its real widgets.
#include "standardactivitytest.h"

#include "geometricprogressions/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(GeometricProgressionsScreen, geometricprogressions)
