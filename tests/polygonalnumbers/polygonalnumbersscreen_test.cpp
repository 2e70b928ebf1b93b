// The Polygonal Numbers screen through its real widgets: each mode's states and every text fitting
// its place.
#include "standardactivitytest.h"

#include "polygonalnumbers/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(PolygonalNumbersScreen, polygonalnumbers)
