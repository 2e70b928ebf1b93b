// The Probability screen from its topic on menu 2, in every mode, and the fit of its texts.
#include "standardactivitytest.h"

#include "probability/activity.h"
#include "probability/screen.h"

namespace {

class ProbabilityScreen : public testing_support::StandardActivityTest {
protected:
    ProbabilityScreen() { probability::defineScreens(screens); }
};

TEST_F(ProbabilityScreen, EveryModeFromItsTopic)
{
    checkEveryMode(probability::activities()[0]);
}

TEST_F(ProbabilityScreen, EveryTextFitsItsLabel)
{
    checkFit(probability::activities()[0], 2000);
}

} // namespace
