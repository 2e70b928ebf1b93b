// The Quadratic Equations screen from its topic on menu 2, in every mode, and the fit of its texts.
#include "standardactivitytest.h"

#include "quadraticequations/activity.h"
#include "quadraticequations/screen.h"

namespace {

class QuadraticEquationsScreen : public testing_support::StandardActivityTest {
protected:
    QuadraticEquationsScreen() { quadraticequations::defineScreens(screens); }
};

TEST_F(QuadraticEquationsScreen, EveryModeFromItsTopic)
{
    checkEveryMode(quadraticequations::activities()[0]);
}

TEST_F(QuadraticEquationsScreen, EveryTextFitsItsLabel)
{
    checkFit(quadraticequations::activities()[0], 2000);
}

} // namespace
