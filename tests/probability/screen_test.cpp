// The Probability screen through its real widgets.
#include "standardactivitytest.h"

#include "probability/activity.h"
#include "probability/screen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(ProbabilityScreen, probability)
