#include "shell/shellscreens.h"

#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/screens.h"
#include "shell/topicmenu.h"
#include "shell/topicscreen.h"

namespace shell {

void defineShellScreens(Screens& screens)
{
    screens.define(TitleScreen::kName, [](Screens& s) { return new TitleScreen(s); });
    screens.define(MainMenu::kName, [](Screens& s) { return new MainMenu(s); });
    screens.define(LinksScreen::kName, [](Screens& s) { return new LinksScreen(s); });
    for (int number = 1; number <= static_cast<int>(kTopicMenus.size()); ++number) {
        screens.define(QStringLiteral("menu%1").arg(number),
                       [number](Screens& s) { return new TopicMenu(s, number); });
        for (const Topic& topic : kTopicMenus[static_cast<std::size_t>(number - 1)].topics) {
            if (screens.isDefined(qtext(topic.screen)))
                continue;
            screens.define(qtext(topic.screen), [&topic](Screens& s) { return new TopicScreen(s, topic); });
        }
    }
}

} // namespace shell
