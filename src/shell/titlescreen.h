// The title screen `Titlefrm`: the first screen at start-up and the last before leaving.
// "OK" (or "Cancel" when the main menu sent the user here) goes to the main menu; "Exit" ends
// the program. Unlike every other screen it keeps its own small size and grey colours.
#pragma once

#include "shell/toolkit/controls.h"
#include "shell/toolkit/screen.h"

namespace shell {

class TitleScreen : public Screen {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("Titlefrm");
    static inline const QString kPicture = QStringLiteral("opening\\orvan300.jpg");

    explicit TitleScreen(Screens& screens);
    void load() override;

    Frame* Frame1;
    Label* Label4;
    PictureBox* Picture1;
    Label* Label3;
    CommandButton* Command1;
    CommandButton* Command2;
    Label* Label2;
};

} // namespace shell
