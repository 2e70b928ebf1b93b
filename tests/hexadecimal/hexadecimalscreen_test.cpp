// The Hexadecimal Arithmetic screen through its real widgets, the bases drawn lowered.
#include "standardactivitytest.h"

#include "hexadecimal/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(HexadecimalScreen, hexadecimal, [](shell::StandardActivityScreen& s, bool) {
    EXPECT_TRUE(s.question[0]->text().contains(QStringLiteral("<sub>1"))) << "the base drawn lowered";
})
