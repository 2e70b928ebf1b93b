// The Geometric Progressions screen through its real widgets: every mode's states, and every
// text fitting its label, exponents raised.
#include "standardactivitytest.h"

#include "geometricprogressions/activity.h"

namespace {

class GeometricProgressionsScreen : public testing_support::StandardActivityTest {
protected:
    GeometricProgressionsScreen() { geometricprogressions::defineScreens(screens); }
};

TEST_F(GeometricProgressionsScreen, ShowsEachModesQuestionThenItsSolution)
{
    walkEveryMode(geometricprogressions::activities()[0]);
}

TEST_F(GeometricProgressionsScreen, EveryTextFitsItsLabel)
{
    EXPECT_EQ(textsWiderThanTheirLabels(geometricprogressions::activities()[0], 2000), QStringList());
}

} // namespace
