// The Arithmetic Progressions screen through its real widgets.
#include "standardactivitytest.h"

#include "arithmeticprogressions/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(ArithmeticProgressionsScreen, arithmeticprogressions)
