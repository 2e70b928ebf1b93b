// The Arithmetic Progressions screen through its real widgets: every mode's states, and every
// text fitting its label.
#include "standardactivitytest.h"

#include "arithmeticprogressions/activity.h"

namespace {

class ArithmeticProgressionsScreen : public testing_support::StandardActivityTest {
protected:
    ArithmeticProgressionsScreen() { arithmeticprogressions::defineScreens(screens); }
};

TEST_F(ArithmeticProgressionsScreen, ShowsEachModesQuestionThenItsSolution)
{
    walkEveryMode(arithmeticprogressions::activities()[0]);
}

TEST_F(ArithmeticProgressionsScreen, EveryTextFitsItsLabel)
{
    EXPECT_EQ(textsWiderThanTheirLabels(arithmeticprogressions::activities()[0], 2000), QStringList());
}

} // namespace
