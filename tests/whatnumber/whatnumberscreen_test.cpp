// The What Number? screen through its real widgets.
#include "standardactivitytest.h"

#include "whatnumber/activity.h"
#include "whatnumber/whatnumberscreen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(WhatNumberScreen, whatnumber)
