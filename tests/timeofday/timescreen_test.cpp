#include "standardactivitytest.h"
#include "timeofday/activity.h"
#include "timeofday/timescreen.h"

namespace {

class TimeScreen : public testing_support::StandardActivityTest {
protected:
    TimeScreen() { timeofday::defineScreens(screens); }
};

TEST_F(TimeScreen, OpensFromItsTopicInEveryMode)
{
    walkEveryMode(timeofday::activities()[0]);
}

TEST_F(TimeScreen, EveryTextFitsItsPlace)
{
    expectEveryTextFits(timeofday::activities()[0], 2000);
}

} // namespace
