// The Time screen through its real widgets.
#include "standardactivitytest.h"

#include "timeofday/activity.h"
#include "timeofday/timescreen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(TimeScreen, timeofday)
