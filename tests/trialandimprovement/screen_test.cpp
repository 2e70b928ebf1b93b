// The Trial and Improvement screen through its real widgets.
#include "standardactivitytest.h"

#include "trialandimprovement/activity.h"
#include "trialandimprovement/screen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(TrialAndImprovementScreen, trialandimprovement)
