// The main menu `intro0`, the hub of the program: "Menu 1" to "Menu 5" open the topic menus,
// "WWW Links" the links screen, the address label opens the teacher's guide (or the web address
// the program was built with) in the browser, and the exit button goes back to the title screen.
#pragma once

#include "shell/menuscreen.h"

namespace shell {

class MainMenu : public MenuScreen {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("intro0");
    static inline const QString kLogoPicture = QStringLiteral("Images\\logo2.jpg");

    explicit MainMenu(Screens& screens);
    void load() override;

    PictureBox* Image2;
    Label* Label4; // the address label
    Label* Label3;

protected:
    void menuEntryClicked(int index) override;
    void exitClicked() override;
};

} // namespace shell
