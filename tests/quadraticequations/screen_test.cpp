// The Quadratic Equations screen through its real widgets.
#include "standardactivitytest.h"

#include "quadraticequations/activity.h"
#include "quadraticequations/screen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(QuadraticEquationsScreen, quadraticequations)
