#include "screentest.h"

#include "shell/guide.h"
#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/producttexts.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/links.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

using shell::Label;
using shell::MainMenu;
using shell::TitleScreen;

class TitleAndMainMenu : public testing_support::ScreenTest {
protected:
    MainMenu& openMainMenu()
    {
        screens.show(TitleScreen::kName);
        click(screenAs<TitleScreen>(TitleScreen::kName).Command1);
        settle();
        return screenAs<MainMenu>(MainMenu::kName);
    }

    static bool opaque(Label* label) { return label->isOpaque(); }
};

TEST_F(TitleAndMainMenu, OkThenExitThenCancelRebuildsTheMainMenuEachTime)
{
    auto& title = screens.get<TitleScreen>(TitleScreen::kName);
    screens.show(TitleScreen::kName);
    EXPECT_EQ(title.Command1->caption(), "OK");
    EXPECT_EQ(title.windowTitle(), " ");
    screenshot(title, QStringLiteral("title.png"));

    for (int visit = 1; visit <= 3; ++visit) {
        SCOPED_TRACE(visit);
        click(screen(TitleScreen::kName).control<shell::CommandButton>(QStringLiteral("Command1")));
        settle();
        EXPECT_EQ(shownScreens(), QStringList{MainMenu::kName});
        EXPECT_EQ(screens.loadCount(MainMenu::kName), visit) << "a fresh main menu each time";
        auto& menu = screenAs<MainMenu>(MainMenu::kName);
        EXPECT_FALSE(opaque(menu.Label1));
        menu.Label2.forEach([](int, Label* entry) { EXPECT_FALSE(entry->isOpaque()); });
        moveOver(menu.Label1);
        moveOver(menu.Label2[2]);
        EXPECT_TRUE(opaque(menu.Label1));

        click(menu.Command1);
        settle();
        EXPECT_EQ(shownScreens(), QStringList{TitleScreen::kName});
        EXPECT_EQ(screenAs<TitleScreen>(TitleScreen::kName).Command1->caption(), "Cancel");
    }
}

TEST_F(TitleAndMainMenu, ExitEndsTheProgram)
{
    screens.show(TitleScreen::kName);
    click(screenAs<TitleScreen>(TitleScreen::kName).Command2);
    EXPECT_TRUE(screens.loadedNames().isEmpty());
}

TEST_F(TitleAndMainMenu, TitleScreenGoesOnWithoutItsPicture)
{
    QTemporaryDir empty;
    shell::setPictureFolders({empty.path()});
    auto& title = screens.get<TitleScreen>(TitleScreen::kName);
    screens.show(TitleScreen::kName);
    EXPECT_TRUE(title.Picture1->picture().isNull());
    EXPECT_TRUE(fatalMessages.isEmpty());
    shell::setPictureFolders({});
    click(title.Command1);
    EXPECT_TRUE(screens.isLoaded(MainMenu::kName));
}

TEST_F(TitleAndMainMenu, TitleScreenIsCentredAndKeepsItsOwnSize)
{
    shell::setDisplaySizeOverride(QSize(800, 600));
    auto& title = screens.get<TitleScreen>(TitleScreen::kName);
    EXPECT_EQ(title.size(), QSize(364, 438));
    EXPECT_EQ(title.windowLeft(), (12000 - 5460) / 2.0);
    EXPECT_EQ(title.windowTop(), (9000 - 6570) / 2.0);
    EXPECT_FALSE(title.Picture1->picture().isNull());
}

TEST_F(TitleAndMainMenu, MainMenuWithAMissingPictureReportsItAndLoadsNothing)
{
    // Every picture but the logo.
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Images"));
    for (const char* name : {"exit.jpg", "orvanta3.jpg"})
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Images/") + QLatin1String(name),
                    folder.filePath(QStringLiteral("Images/")) + QLatin1String(name));
    screens.show(TitleScreen::kName);
    shell::setPictureFolders({folder.path()});

    click(screenAs<TitleScreen>(TitleScreen::kName).Command1);
    settle();

    ASSERT_EQ(fatalMessages.size(), 1);
    EXPECT_TRUE(fatalMessages[0].contains(QDir::toNativeSeparators(QStringLiteral("\"Images/logo2.jpg\""))))
        << fatalMessages[0].toStdString();
    EXPECT_TRUE(fatalMessages[0].contains(QDir::toNativeSeparators(folder.path())));
    EXPECT_EQ(shell::fatalExitStatus(), 1);
    EXPECT_FALSE(screens.isLoaded(MainMenu::kName));
}

TEST_F(TitleAndMainMenu, SideMenuEntriesStandAtTheirPlaces)
{
    auto& menu = openMainMenu();
    screenshot(menu, QStringLiteral("intro0.png"));
    const char* captions[] = {"Menu 1", "Menu 2", "Menu 3", "Menu 4", "Menu 5", "WWW Links"};
    const double tops[] = {2400, 3150, 3900, 4650, 5400, 6900};
    ASSERT_EQ(menu.Label2.count(), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        Label* entry = menu.Label2[i];
        EXPECT_EQ(entry->caption(), captions[i]);
        EXPECT_EQ(entry->leftTwips(), 9600);
        EXPECT_EQ(entry->topTwips(), tops[i]);
        EXPECT_EQ(entry->widthTwips(), 2235);
        EXPECT_EQ(entry->heightTwips(), 495);
        EXPECT_TRUE(entry->isVisible());
    }
    EXPECT_EQ(menu.windowTitle(), shell::product::publisher);
    EXPECT_EQ(menu.Command1->leftTwips(), 10240);
    EXPECT_EQ(menu.Command1->topTwips(), 7975);
}

TEST_F(TitleAndMainMenu, HighlightFollowsTheMouse)
{
    auto& menu = openMainMenu();

    // Straight from one entry onto the next, never crossing the background between them.
    moveOver(menu.Label2[0]);
    moveOver(menu.Label2[1]);
    EXPECT_TRUE(opaque(menu.Label2[0]));
    EXPECT_TRUE(opaque(menu.Label2[1]));
    EXPECT_FALSE(opaque(menu.Label2[2]));

    // The logo, the web address, the notice and the exit button change nothing.
    for (QWidget* other : {static_cast<QWidget*>(menu.Image2), static_cast<QWidget*>(menu.Label4),
                           static_cast<QWidget*>(menu.Label3), static_cast<QWidget*>(menu.Command1)}) {
        SCOPED_TRACE(other->objectName().toStdString());
        moveOver(other);
        EXPECT_TRUE(opaque(menu.Label2[0]));
        EXPECT_TRUE(opaque(menu.Label2[1]));
    }

    moveOver(menu.Label1);
    EXPECT_TRUE(opaque(menu.Label1));
    screenshot(menu, QStringLiteral("intro0-highlighted.png"));

    // The strip of background between two entries clears every highlight.
    const QPoint gap = menu.Label2[1]->geometry().bottomLeft() + QPoint(10, 8);
    moveOver(&menu, gap);
    EXPECT_FALSE(opaque(menu.Label1));
    menu.Label2.forEach([](int, Label* entry) { EXPECT_FALSE(entry->isOpaque()); });
    EXPECT_TRUE(menu.Label4->isOpaque()) << "the web address keeps its black background";
}

TEST_F(TitleAndMainMenu, AddressLabelOpensTheTeachersGuideBesideTheProgram)
{
    if (!shell::webAddress().isLocalFile())
        GTEST_SKIP() << "built with a web address of its own";
    auto& menu = openMainMenu();
    EXPECT_EQ(menu.Label4->caption(), "Teacher's guide");
    EXPECT_EQ(menu.Label4->leftTwips(), 4440) << "at its designed place";
    click(menu.Label4);
    ASSERT_EQ(urls.opened.size(), 1);
    EXPECT_EQ(urls.opened[0],
              QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/guide.html")));
    EXPECT_TRUE(QFileInfo(urls.opened[0].toLocalFile()).isFile());
    EXPECT_TRUE(menu.isVisible());
}

TEST(AddressCaption, AWebAddressWithoutItsSchemeAndFinalSlash)
{
    EXPECT_EQ(shell::addressCaption(QUrl(QStringLiteral("https://maths.example.org/chalkface/"))),
              "maths.example.org/chalkface");
    EXPECT_EQ(shell::addressCaption(QUrl(QStringLiteral("http://example.org"))), "example.org");
    EXPECT_EQ(shell::addressCaption(QUrl::fromLocalFile(QStringLiteral("/usr/share/chalkface/guide.html"))),
              "Teacher's guide");
}

TEST_F(TitleAndMainMenu, LinksOpenInTheBrowserAndExitReturnsToTheMainMenu)
{
    auto& menu = openMainMenu();
    click(menu.Label2[5]);
    auto& links = screenAs<shell::LinksScreen>(shell::LinksScreen::kName);
    EXPECT_TRUE(links.isVisible());
    EXPECT_TRUE(menu.isVisible()) << "the main menu stays behind";
    screenshot(links, QStringLiteral("links.png"));

    click(links.Label3[0]);
    click(links.Label4[3]);
    click(links.Label5);
    ASSERT_EQ(urls.opened.size(), 3);
    EXPECT_EQ(urls.opened[0], QUrl(QLatin1String(shell::LinksScreen::kLinks[0].address)));
    EXPECT_EQ(urls.opened[1], QUrl(QLatin1String(shell::LinksScreen::kLinks[3].address)));
    EXPECT_EQ(urls.opened[2], shell::guideAddress());
    EXPECT_EQ(links.Label5->caption(), "Teacher's guide");

    click(links.Command1);
    settle();
    EXPECT_EQ(shownScreens(), QStringList{MainMenu::kName});
    EXPECT_EQ(screens.loadCount(MainMenu::kName), 1) << "the same main menu, not a new one";
}

TEST_F(TitleAndMainMenu, ALinkThatCannotOpenShowsItsAddressOnTheScreen)
{
    // Without the catcher the offscreen platform itself is asked, and it opens nothing.
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    auto& menu = openMainMenu();
    click(menu.Label2[5]);
    auto& links = screenAs<shell::LinksScreen>(shell::LinksScreen::kName);
    for (int link : {1, 0}) {
        click(links.Label3[link]);
        const auto notices = links.findChildren<shell::AddressNotice*>();
        ASSERT_EQ(notices.size(), 1) << "a newer message replaces the one before";
        EXPECT_TRUE(notices[0]->isVisible());
        EXPECT_EQ(notices[0]->Label2->caption(), QLatin1String(shell::LinksScreen::kLinks[link].address));
        EXPECT_TRUE(links.rect().contains(notices[0]->geometry()));
    }
    screenshot(links, QStringLiteral("links-failed.png"));

    click(links.findChild<shell::AddressNotice*>()->Label3);
    settle();
    EXPECT_EQ(links.findChild<shell::AddressNotice*>(), nullptr) << "a click closes the message";
    EXPECT_TRUE(links.isVisible());
    EXPECT_TRUE(fatalMessages.isEmpty());
    click(links.Command1);
    settle();
    EXPECT_EQ(shownScreens(), QStringList{MainMenu::kName});
}

TEST(AddressLabel, WidensAboutItsCentreForALongAddressAsFarAsTheFootLeavesRoom)
{
    QWidget screen;
    const QUrl address(QStringLiteral("https://maths.example.org/"));
    struct Case {
        const char* caption;
        double width; // twips
    };
    const Case cases[] = {
        {"Teacher's guide", 3315},
        {"maths.example-school.org.uk/chalkface", 0},
        {"mathematics-department.example-grammar-school.org.uk/chalkface/teachers", 4995},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const shell::Label* label =
            shell::makeAddressLabel(&screen, QStringLiteral("Label4"), QString::fromUtf8(c.caption), address);
        EXPECT_DOUBLE_EQ(label->leftTwips() + label->widthTwips() / 2, 4440 + 3315 / 2.0);
        if (c.width > 0)
            EXPECT_DOUBLE_EQ(label->widthTwips(), c.width);
        else
            EXPECT_GT(label->width(), label->fontMetrics().horizontalAdvance(label->caption()));
    }
}

} // namespace
