#include "money/activity.h"
#include "money/moneyscreen.h"
#include "standardactivitytest.h"

namespace {

class MoneyScreen : public testing_support::StandardActivityTest {
protected:
    MoneyScreen() { money::defineScreens(screens); }
};

TEST_F(MoneyScreen, OpensFromItsTopicInEveryMode)
{
    walkEveryMode(money::activities()[0]);
}

TEST_F(MoneyScreen, EveryTextFitsItsPlace)
{
    expectEveryTextFits(money::activities()[0], 2000);
}

} // namespace
