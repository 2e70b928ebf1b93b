#include "screentest.h"

#include "shell/module1.h"
#include "shell/toolkit/platform.h"

namespace {

using shell::CommandButton;
using shell::Frame;
using shell::Screen;

class SetScreen : public testing_support::ScreenTest {};

TEST_F(SetScreen, LaysOutThePanelWhateverTheLetterCaseOfItsName)
{
    for (const char* panelName : {"Framestatus", "framestatus"}) {
        SCOPED_TRACE(panelName);
        Screen screen(screens, QStringLiteral("activity"));
        auto* panel = new Frame(&screen, QLatin1String(panelName));
        panel->setTwipGeometry(945, 7620, 9480, 675);
        auto* go = new CommandButton(panel, QStringLiteral("cmdgo"));
        go->setTwipGeometry(105, 180, 1020, 420);
        auto* solution = new CommandButton(panel, QStringLiteral("cmdsoln"));
        solution->setTwipGeometry(3915, 180, 1650, 420);
        auto* exit = new CommandButton(panel, QStringLiteral("cmdexit"));
        exit->setTwipGeometry(8280, 165, 1125, 420);

        shell::setscreen(screen);

        // The panel moves to the corner, whatever its design place, and stacks its buttons.
        EXPECT_EQ(panel->geometry(), QRect(680, 457, 115, 110));
        EXPECT_EQ(panel->backColor(), shell::colour::panelBlue);
        EXPECT_LT(go->y(), solution->y());
        EXPECT_LT(solution->y(), exit->y());
        for (CommandButton* button : {go, solution, exit}) {
            EXPECT_EQ(button->geometry().x(), go->geometry().x());
            EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << "left out of the Tab order";
        }
    }
}

TEST_F(SetScreen, CompletesOnAScreenWithoutAPanel)
{
    shell::setDisplaySizeOverride(QSize(1024, 768));
    Screen screen(screens, QStringLiteral("menu"));
    auto* other = new Frame(&screen, QStringLiteral("Frame1"));
    other->setTwipGeometry(100, 200, 300, 400);
    shell::setscreen(screen);
    EXPECT_EQ(screen.size(), QSize(792, 566));
    EXPECT_EQ(other->leftTwips(), 100);
    EXPECT_EQ(other->topTwips(), 200);
}

} // namespace
