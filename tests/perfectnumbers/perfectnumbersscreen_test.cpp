// The Perfect Numbers screen through its real widgets: every mode's states, and every text
// fitting its label.
#include "standardactivitytest.h"

#include "perfectnumbers/activity.h"

namespace {

class PerfectNumbersScreen : public testing_support::StandardActivityTest {
protected:
    PerfectNumbersScreen() { perfectnumbers::defineScreens(screens); }
};

TEST_F(PerfectNumbersScreen, ShowsEachModesQuestionThenItsSolution)
{
    walkEveryMode(perfectnumbers::activities()[0]);
}

TEST_F(PerfectNumbersScreen, EveryTextFitsItsLabel)
{
    EXPECT_EQ(textsWiderThanTheirLabels(perfectnumbers::activities()[0], 2000), QStringList());
}

} // namespace
