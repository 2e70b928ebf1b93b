// The Estimation screen: which label shows which text, the answer frame's lines for each kind.
#include "screentest.h"

#include "estimation/estimationscreen.h"

#include <QTest>

#include <vector>

namespace {

using estimation::EstimationScreen;
constexpr float kTop = shell::kLargestDraw;

class EstimationScreenTest : public testing_support::ScreenTest {
protected:
    EstimationScreenTest() { estimation::defineScreens(screens); }

    // Opens the screen from "Estimation" on menu5; with draws, the screen replays them.
    EstimationScreen& open(const std::vector<float>& draws = {})
    {
        if (!draws.empty())
            script(EstimationScreen::kName, draws);
        return openTopic<EstimationScreen>(QStringLiteral("menu5"), 1, EstimationScreen::kName);
    }
};

// Opens in Decimal Places with the answer hidden; which label shows which of the generator's texts.
TEST_F(EstimationScreenTest, LabelsShowTheGeneratorsTexts)
{
    // Kind 1, 51.5 to 2 places; then, in Mixed, an estimate 95 x 45.
    auto& screen =
        open({0.0f, 0.25f, 0.505f, 0.99f, (95 - 10) / 591.0f + 1e-4f, (45 - 10) / 41.0f + 1e-4f, kTop});
    EXPECT_EQ(screen.windowTitle(), "Estimation");
    EXPECT_TRUE(screen.Option1->isChecked());
    EXPECT_FALSE(screen.Frame1->isVisible());
    EXPECT_EQ(screen.Label1->caption(), "Write the following number correct to 2 decimal places...");
    EXPECT_EQ(screen.Label2->caption(), "51.5");
    EXPECT_EQ(screen.Label3->caption(), "51.50");

    click(screen.Option4);
    EXPECT_EQ(screen.kind(), 5);
    EXPECT_EQ(screen.Label1->caption(),
              "Estimate both numbers to 1 significant figure and then calculate the product...");
    EXPECT_EQ(screen.Label2->caption(), "95 x 45");
    EXPECT_EQ(screen.Label3->caption(), "100 x 50");
    EXPECT_EQ(screen.Label4->caption(), "= 5000");
}

TEST_F(EstimationScreenTest, AnswerFrameHasOneLineExceptForEstimates)
{
    auto& screen = open();
    click(screen.Option3);
    EXPECT_EQ(screen.kind(), 5);
    click(screen.cmdsoln);
    EXPECT_TRUE(screen.Frame1->isVisible());
    const int twoLines = screen.Frame1->height();
    EXPECT_TRUE(screen.Label3->isVisible());
    EXPECT_TRUE(screen.Label4->isVisible());
    screenshot(screen, QStringLiteral("sigfig-kind5-solved.png"));

    click(screen.Option1);
    EXPECT_FALSE(screen.Frame1->isVisible()) << "a mode change hides the answer";
    click(screen.cmdsoln);
    const int oneLine = screen.Frame1->height();
    EXPECT_LT(oneLine, twoLines);
    EXPECT_TRUE(screen.Label3->isVisible());
    EXPECT_FALSE(screen.Label4->isVisible());
    click(screen.cmdsoln);
    EXPECT_EQ(screen.Frame1->height(), oneLine) << "a second press changes nothing";
}

TEST_F(EstimationScreenTest, TheLongestAnswerFitsItsFrame)
{
    // Kind 1 with the largest draws: 101 to four places.
    auto& screen = open({0.0f, kTop, kTop});
    EXPECT_EQ(screen.Label3->caption(), "101.0000");
    click(screen.cmdsoln);
    EXPECT_LE(screen.Label3->geometry().right(), screen.Frame1->width());
    screenshot(screen, QStringLiteral("sigfig-kind1-solved.png"));
}

} // namespace
