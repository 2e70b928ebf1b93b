#include "screentest.h"

#include "shell/module1.h"
#include "shell/toolkit/platform.h"

namespace {

using shell::CommandButton;
using shell::Frame;
using shell::Screen;

class SetScreen : public testing_support::ScreenTest {};

TEST_F(SetScreen, PlacesTheWindowOnEachDisplay)
{
    const struct {
        const char* name;
        QSize display;
        double left;
        double top;
    } cases[] = {
        {"800 x 600: no shift", {800, 600}, 0, 0},
        {"1024 x 768: 840 left of centre", {1024, 768}, 840, 1260},
        {"640 x 480: past the edges", {640, 480}, -1200, -900},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell::setDisplaySizeOverride(c.display);
        Screen screen(screens, QStringLiteral("plain"));
        shell::setscreen(screen);
        EXPECT_EQ(screen.windowLeft(), c.left);
        EXPECT_EQ(screen.windowTop(), c.top);
        EXPECT_EQ(screen.windowWidth(), 12000);
        EXPECT_EQ(screen.windowHeight(), 9000);
        EXPECT_EQ(screen.pos(), QPoint(qRound(c.left / 15), qRound(c.top / 15)));
        EXPECT_EQ(screen.size(), QSize(792, 566));
        EXPECT_EQ(screen.minimumSize(), screen.maximumSize()) << "the window has a fixed size";
        EXPECT_EQ(screen.backColor(), shell::colour::panelBlue);
    }
}

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

        EXPECT_EQ(panel->leftTwips(), 10200);
        EXPECT_EQ(panel->topTwips(), 6850);
        EXPECT_EQ(panel->widthTwips(), 1730);
        EXPECT_EQ(panel->heightTwips(), 1650);
        EXPECT_EQ(panel->backColor(), shell::colour::panelBlue);
        const struct {
            CommandButton* button;
            double top;
        } buttons[] = {{go, 30}, {solution, 580}, {exit, 1130}};
        for (const auto& b : buttons) {
            SCOPED_TRACE(b.button->objectName().toStdString());
            EXPECT_EQ(b.button->leftTwips(), 30);
            EXPECT_EQ(b.button->topTwips(), b.top);
            EXPECT_EQ(b.button->widthTwips(), 1650);
            EXPECT_EQ(b.button->heightTwips(), 500);
            EXPECT_EQ(b.button->focusPolicy(), Qt::NoFocus) << "left out of the Tab order";
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
    EXPECT_EQ(screen.windowLeft(), 840);
    EXPECT_EQ(other->leftTwips(), 100);
    EXPECT_EQ(other->topTwips(), 200);
}

} // namespace
