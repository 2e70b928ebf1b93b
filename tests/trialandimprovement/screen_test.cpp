// The Trial and Improvement screen from its topic on menu 2, in every mode, and the fit of its texts.
#include "standardactivitytest.h"

#include "trialandimprovement/activity.h"
#include "trialandimprovement/screen.h"

namespace {

class TrialAndImprovementScreen : public testing_support::StandardActivityTest {
protected:
    TrialAndImprovementScreen() { trialandimprovement::defineScreens(screens); }
};

TEST_F(TrialAndImprovementScreen, EveryModeFromItsTopic)
{
    checkEveryMode(trialandimprovement::activities()[0]);
}

TEST_F(TrialAndImprovementScreen, EveryTextFitsItsLabel)
{
    checkFit(trialandimprovement::activities()[0], 2000);
}

} // namespace
