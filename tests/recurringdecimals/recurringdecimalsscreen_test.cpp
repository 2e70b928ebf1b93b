// The Recurring Decimals screen: its decimals shown without brackets (the screen dots them).
#include "standardactivitytest.h"

#include "recurringdecimals/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(RecurringDecimalsScreen, recurringdecimals, [](auto& s, bool solved) {
    const std::string made = solved ? s.exercise().answer[0] : s.exercise().question[0].text;
    EXPECT_EQ((solved ? s.answer[0] : s.question[0])->caption(), shell::qtext(made).remove('(').remove(')'));
})
