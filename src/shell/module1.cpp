#include "shell/module1.h"

#include "shell/core/placement.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/screen.h"

namespace shell {
namespace {

struct PanelButton {
    const char* name;
    double top;
};

// Inside the panel, one above the other with 50 twips between them.
constexpr PanelButton kPanelButtons[] = {{"cmdgo", 30}, {"cmdsoln", 580}, {"cmdexit", 1130}};

} // namespace

void setscreen(Screen& screen)
{
    screen.setBackColor(colour::panelBlue);
    screen.clearIcon();

    // From here on a step that does not apply to this screen (a menu has no panel) is skipped.
    screen.setWindowSize(kScreenWidthTwips, kScreenHeightTwips);
    screen.setClientSize(kClientWidthTwips, kClientHeightTwips);
    const QSizeF display = displaySizeTwips();
    setBusyPointer(true);
    const WindowPlacement place =
        standardPlacement(static_cast<float>(display.width()), static_cast<float>(display.height()));
    screen.setWindowPosition(place.left, place.top);
    setBusyPointer(false);

    if (auto* panel = screen.control<Frame>(QStringLiteral("Framestatus"))) {
        panel->setTwipGeometry(10200, 6850, 1730, 1650);
        panel->setBackColor(colour::panelBlue);
        panel->setBorder(false);
    }
    for (const PanelButton& b : kPanelButtons) {
        if (auto* button = screen.control<CommandButton>(QLatin1String(b.name))) {
            button->setTwipGeometry(30, b.top, 1650, 500);
            button->setTabStop(false);
        }
    }
}

} // namespace shell
