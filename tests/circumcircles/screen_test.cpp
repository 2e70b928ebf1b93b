// The Circumcircles and Incircles screen from its topic on menu 2, in every mode, and the fit of its texts.
#include "standardactivitytest.h"

#include "circumcircles/activity.h"
#include "circumcircles/screen.h"

namespace {

class CircumcirclesScreen : public testing_support::StandardActivityTest {
protected:
    CircumcirclesScreen() { circumcircles::defineScreens(screens); }
};

TEST_F(CircumcirclesScreen, EveryModeFromItsTopic)
{
    checkEveryMode(circumcircles::activities()[0]);
}

TEST_F(CircumcirclesScreen, EveryTextFitsItsLabel)
{
    checkFit(circumcircles::activities()[0], 2000);
}

} // namespace
