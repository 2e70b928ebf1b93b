#include "standardactivitytest.h"
#include "whatnumber/activity.h"
#include "whatnumber/whatnumberscreen.h"

namespace {

class WhatNumberScreen : public testing_support::StandardActivityTest {
protected:
    WhatNumberScreen() { whatnumber::defineScreens(screens); }
};

TEST_F(WhatNumberScreen, OpensFromItsTopicInEveryMode)
{
    walkEveryMode(whatnumber::activities()[0]);
}

TEST_F(WhatNumberScreen, EveryTextFitsItsPlace)
{
    expectEveryTextFits(whatnumber::activities()[0], 2000);
}

} // namespace
