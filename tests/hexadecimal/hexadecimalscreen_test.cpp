// The Hexadecimal Arithmetic screen through its real widgets in every mode: the question alone
// in 48 pt with its bases lowered; and every text of many questions fitting its place.
#include "standardactivitytest.h"

#include "hexadecimal/activity.h"

namespace {

class HexadecimalScreen : public testing_support::StandardActivityTest {
protected:
    HexadecimalScreen() { hexadecimal::defineScreens(screens); }
};

TEST_F(HexadecimalScreen, EveryModeOnTheStandardFrame)
{
    walkEveryMode(hexadecimal::activities()[0], [](shell::StandardActivityScreen& s, bool) {
        EXPECT_EQ(s.question[0]->topTwips(), 840);
        EXPECT_EQ(s.question[0]->heightTwips(), 1160);
        EXPECT_EQ(s.question[0]->font().pixelSize(), 64) << "48 pt";
        EXPECT_TRUE(s.question[0]->text().contains(QStringLiteral("<sub>1"))) << "the base drawn lowered";
    });
}

TEST_F(HexadecimalScreen, EveryTextFits)
{
    expectEveryTextFits(hexadecimal::activities()[0], 2000);
}

} // namespace
