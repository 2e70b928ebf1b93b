// What the main menu and the five topic menus share: the title `Label1`, the side menu `Label2`
// ("Menu 1" to "Menu 5" and "WWW Links") with its highlighting by mouse position, the
// background picture and the exit picture button `Command1`.
#pragma once

#include "shell/toolkit/controls.h"
#include "shell/toolkit/screen.h"

namespace shell {

class MenuScreen : public Screen {
    Q_OBJECT
public:
    static constexpr int kLinksEntry = 5;
    static inline const QString kBackgroundPicture = QStringLiteral("Images\\orvanta3.jpg");
    static inline const QString kExitPicture = QStringLiteral("Images\\exit.jpg");

    Label* Label1;
    LabelArray Label2;
    CommandButton* Command1;

protected:
    MenuScreen(Screens& screens, const QString& name);

    // The loading shared by every menu after the background picture: the exit button, and
    // the side menu entries 1 to 5 made from element 0 and shown.
    void loadSideMenuAndExit();

    // Side menu entry 0 to 4 ("Menu 1" to "Menu 5") was clicked.
    virtual void menuEntryClicked(int index) = 0;
    virtual void exitClicked() = 0;

    void backgroundMouseMove() override;

    // Shows the links screen in front of this one; its exit brings the user back here.
    void openLinks();
};

} // namespace shell
