// The Recurring Decimals screen through its real widgets: the recurring decimals shown without
// their brackets (the screen dots them).
#include "standardactivitytest.h"

#include "recurringdecimals/activity.h"
#include "shell/toolkit/controls.h"

namespace {

QString withoutBrackets(const std::string& text)
{
    return shell::qtext(text).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
}

} // namespace

STANDARD_ACTIVITY_SCREEN_TESTS(
    RecurringDecimalsScreen, recurringdecimals, [](shell::StandardActivityScreen& s, bool solved) {
        EXPECT_EQ(s.question[0]->caption(), withoutBrackets(s.exercise().question[0].text));
        if (solved) {
            EXPECT_EQ(s.answer[0]->caption(), withoutBrackets(s.exercise().answer[0]));
        }
    })
