// The Data screen through its real widgets.
#include "standardactivitytest.h"

#include "datahandling/activity.h"
#include "datahandling/screen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(DataScreen, datahandling)
