#include "findingapercentage/activity.h"
#include "findingapercentage/percentagescreen.h"
#include "standardactivitytest.h"

namespace {

class PercentageScreen : public testing_support::StandardActivityTest {
protected:
    PercentageScreen() { findingapercentage::defineScreens(screens); }
};

TEST_F(PercentageScreen, OpensFromItsTopicInEveryMode)
{
    walkEveryMode(findingapercentage::activities()[0]);
}

TEST_F(PercentageScreen, EveryTextFitsItsPlace)
{
    expectEveryTextFits(findingapercentage::activities()[0], 2000);
}

} // namespace
