#include "shell/shellscreens.h"

#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/screens.h"

namespace shell {

void defineShellScreens(Screens& screens)
{
    screens.define(TitleScreen::kName, [](Screens& s) { return new TitleScreen(s); });
    screens.define(MainMenu::kName, [](Screens& s) { return new MainMenu(s); });
    screens.define(LinksScreen::kName, [](Screens& s) { return new LinksScreen(s); });
}

} // namespace shell
