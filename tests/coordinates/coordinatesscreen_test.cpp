// The Coordinates and Straight Lines screen through its real widgets.
#include "standardactivitytest.h"

#include "coordinates/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(CoordinatesScreen, coordinates)
