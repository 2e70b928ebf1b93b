// The Finding A Percentage screen through its real widgets.
#include "standardactivitytest.h"

#include "findingapercentage/activity.h"
#include "findingapercentage/percentagescreen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(FindingAPercentageScreen, findingapercentage)
