// The Money screen through its real widgets.
#include "standardactivitytest.h"

#include "money/activity.h"
#include "money/moneyscreen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(MoneyScreen, money)
