// Faults the reliability runs found, each pinned down on its own so that it stays mended.
#include "screeninvariants.h"
#include "screentest.h"

#include "allscreens.h"
#include "angles/anglesscreen.h"

#include <QTest>

namespace {

class Findings : public testing_support::ScreenTest {
protected:
    Findings() { defineAllScreens(screens); }
};

// Found by the click storm: the solution pressed before the first question's tick showed the
// design captions solved as a given angle of 999 degrees ("b = -819°").
TEST_F(Findings, ParallelLinesSolutionWaitsForTheFirstQuestion)
{
    auto& s = screenAs<angles::AnglesScreen>(QStringLiteral("parallel"));
    screens.show(s.name());
    ASSERT_TRUE(s.Timer1->isEnabled());
    for (const char* press : {"solution", "next then solution"}) {
        SCOPED_TRACE(press);
        if (std::string_view(press) != "solution")
            click(s.cmdgo);
        click(s.cmdsoln);
        QTest::keyClick(&s, Qt::Key_PageDown);
        EXPECT_FALSE(s.Frame1->isVisible());
        EXPECT_EQ(reliability::checkActivity(s), "");
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.Timer1->isEnabled(); }));
    click(s.cmdsoln);
    EXPECT_TRUE(s.Frame1->isVisible());
    EXPECT_EQ(reliability::checkActivity(s), "");
}

} // namespace
