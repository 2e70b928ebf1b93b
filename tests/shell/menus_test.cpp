// The title screen, the main menu, the topic menus' side menu and the links screen: OK, Exit and
// Cancel, moves between menus, and addresses opened in the browser or shown where they cannot open.
#include "screentest.h"

#include "shell/guide.h"
#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/producttexts.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/links.h"
#include "shell/topicmenu.h"

#include <QDesktopServices>

namespace {

using shell::MainMenu;
using shell::TitleScreen;

QString menuName(int number)
{
    return QStringLiteral("menu%1").arg(number);
}

class Menus : public testing_support::ScreenTest {
protected:
    // Clicks and lets the screens it unloaded go.
    static void go(QWidget* control)
    {
        click(control);
        settle();
    }
    MainMenu& openMainMenu()
    {
        screens.show(TitleScreen::kName);
        go(screenAs<TitleScreen>(TitleScreen::kName).Command1);
        return screenAs<MainMenu>(MainMenu::kName);
    }
};

TEST_F(Menus, OkThenExitThenCancelRebuildsTheMainMenuEachTimeAndExitEndsTheProgram)
{
    for (int visit = 1; visit <= 3; ++visit) {
        SCOPED_TRACE(visit);
        screens.show(TitleScreen::kName);
        EXPECT_EQ(screenAs<TitleScreen>(TitleScreen::kName).Command1->caption(), visit == 1 ? "OK" : "Cancel");
        auto& menu = openMainMenu();
        EXPECT_EQ(shownScreens(), QStringList{MainMenu::kName});
        EXPECT_EQ(screens.loadCount(MainMenu::kName), visit) << "a fresh main menu each time";
        EXPECT_EQ(menu.windowTitle(), shell::product::publisher);
        QStringList entries;
        menu.Label2.forEach([&](int, shell::Label* entry) { entries << entry->caption(); });
        EXPECT_EQ(entries.join(','), "Menu 1,Menu 2,Menu 3,Menu 4,Menu 5,WWW Links");
        go(menu.Command1);
        EXPECT_EQ(shownScreens(), QStringList{TitleScreen::kName});
    }
    click(screenAs<TitleScreen>(TitleScreen::kName).Command2);
    EXPECT_TRUE(screens.loadedNames().isEmpty());
}

TEST_F(Menus, TheSideMenuMovesBetweenEveryPairOfTopicMenusAndExitShowsTheMainMenu)
{
    for (int from = 1; from <= 5; ++from) {
        for (int to = 1; to <= 5; ++to) {
            SCOPED_TRACE(testing::Message() << "from menu " << from << " to menu " << to);
            go(openMainMenu().Label2[from - 1]);
            const int mainMenuLoads = screens.loadCount(MainMenu::kName);
            go(screenAs<shell::TopicMenu>(menuName(from)).Label2[to - 1]);
            EXPECT_EQ(shownScreens(), QStringList{menuName(to)});
            // Another menu's load step read the main menu's picture, creating it hidden; the
            // main menu itself was unloaded. Exit shows the hidden main menu as it is, or builds one.
            EXPECT_EQ(screens.loadedNames(),
                      from == to ? QStringList{menuName(from)} : (QStringList{MainMenu::kName, menuName(to)}));
            go(screenAs<shell::TopicMenu>(menuName(to)).Command1);
            EXPECT_EQ(shownScreens(), QStringList{MainMenu::kName});
            EXPECT_EQ(screens.loadedNames(), QStringList{MainMenu::kName});
            EXPECT_EQ(screens.loadCount(MainMenu::kName), mainMenuLoads + 1);
            go(screenAs<MainMenu>(MainMenu::kName).Command1);
        }
    }
}

TEST_F(Menus, TheAddressesOpenInTheBrowserOrShowWhereTheyCannotAndTheGuideIsBesideTheProgram)
{
    EXPECT_EQ(shell::addressCaption(QUrl(QStringLiteral("https://maths.example.org/chalkface/"))),
              "maths.example.org/chalkface");
    auto& menu = openMainMenu();
    // The guide's address, beside the program, unless the build names a web address instead.
    if (shell::webAddress().isLocalFile()) {
        EXPECT_EQ(menu.Label4->caption(), "Teacher's guide");
        click(menu.Label4);
        EXPECT_EQ(urls.opened, QList<QUrl>{shell::guideAddress()});
        urls.opened.clear();
    }
    click(menu.Label2[5]);
    auto& links = screenAs<shell::LinksScreen>(shell::LinksScreen::kName);
    EXPECT_TRUE(links.isVisible() && menu.isVisible()) << "the main menu stays behind";
    click(links.Label3[0]);
    click(links.Label4[3]);
    click(links.Label5);
    EXPECT_EQ(urls.opened, (QList<QUrl>{QUrl(QLatin1String(shell::LinksScreen::kLinks[0].address)),
                                        QUrl(QLatin1String(shell::LinksScreen::kLinks[3].address)),
                                        shell::guideAddress()}));
    // Without the catcher the offscreen platform itself is asked, and it opens nothing: a newer
    // notice of the address replaces the one before, until clicked.
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    for (int link : {1, 0}) {
        click(links.Label3[link]);
        const auto notices = links.findChildren<shell::AddressNotice*>();
        ASSERT_EQ(notices.size(), 1);
        EXPECT_TRUE(notices[0]->isVisible() && links.rect().contains(notices[0]->geometry()));
        EXPECT_EQ(notices[0]->Label2->caption(), QLatin1String(shell::LinksScreen::kLinks[link].address));
    }
    screenshot(links, QStringLiteral("links-failed.png"));
    go(links.findChild<shell::AddressNotice*>()->Label3);
    EXPECT_EQ(links.findChild<shell::AddressNotice*>(), nullptr);
    go(links.Command1);
    EXPECT_EQ(shownScreens(), QStringList{MainMenu::kName});
    EXPECT_EQ(screens.loadCount(MainMenu::kName), 1) << "the same main menu, not a new one";
}

} // namespace
