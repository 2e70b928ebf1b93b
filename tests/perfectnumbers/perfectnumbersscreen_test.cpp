// The Perfect Numbers screen through its real widgets.
#include "standardactivitytest.h"

#include "perfectnumbers/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(PerfectNumbersScreen, perfectnumbers)
