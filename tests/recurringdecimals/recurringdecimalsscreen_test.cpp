// The Recurring Decimals screen through its real widgets: each mode's states, with the recurring
// decimals shown without their brackets (the screen dots them), and every text fitting its place.
#include "standardactivitytest.h"

#include "recurringdecimals/activity.h"
#include "shell/toolkit/controls.h"

namespace {

class RecurringDecimalsScreen : public testing_support::StandardActivityTest {
protected:
    RecurringDecimalsScreen() { recurringdecimals::defineScreens(screens); }
    const shell::Activity& activity = recurringdecimals::activities()[0];
};

QString withoutBrackets(const std::string& text)
{
    return shell::qtext(text).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
}

TEST_F(RecurringDecimalsScreen, ShowsEachModesQuestionThenItsSolution)
{
    walkEveryMode(activity, [](shell::StandardActivityScreen& s, bool solved) {
        EXPECT_EQ(s.question[0]->caption(), withoutBrackets(s.exercise().question[0].text));
        if (solved) {
            EXPECT_EQ(s.answer[0]->caption(), withoutBrackets(s.exercise().answer[0]));
        }
    });
}

TEST_F(RecurringDecimalsScreen, EveryTextFitsItsPlace)
{
    expectEveryTextFits(activity, 2000);
}

} // namespace
