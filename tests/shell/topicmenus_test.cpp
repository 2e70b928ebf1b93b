#include "screentest.h"

#include "shell/mainmenu.h"
#include "shell/titlescreen.h"
#include "shell/topicmenu.h"

namespace {

using shell::Label;
using shell::MainMenu;
using shell::TopicMenu;

QString menuName(int number)
{
    return QStringLiteral("menu%1").arg(number);
}

class TopicMenus : public testing_support::ScreenTest {
protected:
    // Title, OK, then "Menu <number>" on the main menu.
    TopicMenu& openFromMainMenu(int number)
    {
        screens.show(shell::TitleScreen::kName);
        click(screenAs<shell::TitleScreen>(shell::TitleScreen::kName).Command1);
        settle();
        click(screenAs<MainMenu>(MainMenu::kName).Label2[number - 1]);
        settle();
        return screenAs<TopicMenu>(menuName(number));
    }
};

TEST_F(TopicMenus, TitlesAndTopicsAreTheTables)
{
    for (int number = 1; number <= 5; ++number) {
        SCOPED_TRACE(number);
        auto& menu = screenAs<TopicMenu>(menuName(number));
        menu.show();
        EXPECT_EQ(menu.Label1->caption(), QStringLiteral("Menu %1").arg(number));
        ASSERT_EQ(menu.Label3.count(), 5);
        for (int i = 0; i < 5; ++i) {
            Label* topic = menu.Label3[i];
            EXPECT_EQ(topic->caption(),
                      QString::fromUtf8(shell::kTopicMenus[number - 1].topics[i].caption.data()));
            EXPECT_TRUE(topic->isVisible() && topic->isOpaque());
        }
        screenshot(menu, QStringLiteral("%1.png").arg(menuName(number)));
        screens.unload(menu);
        screens.unload(MainMenu::kName);
    }
}

TEST_F(TopicMenus, SideMenuMovesBetweenEveryPairOfMenus)
{
    for (int from = 1; from <= 5; ++from) {
        for (int to = 1; to <= 5; ++to) {
            SCOPED_TRACE(testing::Message() << "from menu " << from << " to menu " << to);
            auto& menu = openFromMainMenu(from);
            EXPECT_FALSE(screens.isLoaded(MainMenu::kName)) << "the main menu is unloaded";
            const int mainMenuLoads = screens.loadCount(MainMenu::kName);

            click(menu.Label2[to - 1]);
            settle();
            if (from == to) {
                EXPECT_EQ(shownScreens(), QStringList{menuName(from)});
                EXPECT_EQ(screens.loadedNames(), QStringList{menuName(from)});
            } else {
                EXPECT_EQ(shownScreens(), QStringList{menuName(to)});
                // The new menu's load step read the main menu's picture, creating it hidden.
                EXPECT_EQ(screens.loadedNames(), (QStringList{MainMenu::kName, menuName(to)}));
                EXPECT_EQ(screens.loadCount(MainMenu::kName), mainMenuLoads + 1);
            }

            // Exit shows the hidden main menu as it is, or builds one.
            const bool hiddenMainMenu = screens.isLoaded(MainMenu::kName);
            click(screenAs<TopicMenu>(menuName(to == from ? from : to)).Command1);
            settle();
            EXPECT_EQ(shownScreens(), QStringList{MainMenu::kName});
            EXPECT_EQ(screens.loadedNames(), QStringList{MainMenu::kName});
            EXPECT_EQ(screens.loadCount(MainMenu::kName), mainMenuLoads + 1)
                << (hiddenMainMenu ? "no second load step" : "a fresh main menu");

            click(screenAs<MainMenu>(MainMenu::kName).Command1);
            settle();
        }
    }
}

TEST_F(TopicMenus, HighlightingLeavesTopicsBlack)
{
    auto& menu = openFromMainMenu(2);
    EXPECT_TRUE(menu.Label1->isOpaque()) << "the title starts as a black box";
    moveOver(menu.Label2[4]);
    moveOver(menu.Label2[5]);
    EXPECT_TRUE(menu.Label2[4]->isOpaque());
    EXPECT_TRUE(menu.Label2[5]->isOpaque());
    moveOver(&menu, QPoint(40, 300));
    EXPECT_FALSE(menu.Label1->isOpaque());
    menu.Label2.forEach([](int, Label* entry) { EXPECT_FALSE(entry->isOpaque()); });
    menu.Label3.forEach([](int, Label* topic) { EXPECT_TRUE(topic->isOpaque()); });
    moveOver(menu.Label1);
    EXPECT_TRUE(menu.Label1->isOpaque());
}

} // namespace
