// Run by install_test.sh from the installed bin/ folder, with a working directory that holds no
// pictures: the screens find every picture in the installed data folder, the double-density
// copies on a dense display, and the program goes from the title screen through every menu to
// every topic's screen; the teacher's guide is found there too.
#include "allpictures.h"
#include "screentest.h"

#include "allscreens.h"
#include "shell/guide.h"
#include "shell/mainmenu.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/pictures.h"
#include "shell/topicmenu.h"
#include "shell/core/topictable.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QTest>

namespace {

class InstalledProgram : public testing_support::ScreenTest {
protected:
    InstalledProgram() { defineAllScreens(screens); }
};

TEST_F(InstalledProgram, EveryPictureComesFromTheInstalledDataFolder)
{
    const QDir data(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/chalkface"));
    for (const QDir& bare : {QDir::current(), QDir(QCoreApplication::applicationDirPath())})
        ASSERT_FALSE(bare.exists(QStringLiteral("Images"))) << bare.path().toStdString();
    const qreal ratio = qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
    for (const QString& name : testing_support::kAllPictures) {
        SCOPED_TRACE(name.toStdString());
        const QString relative = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
        ASSERT_TRUE(data.exists(relative));
        const QPixmap picture = shell::loadPicture(name);
        EXPECT_EQ(picture.devicePixelRatio(), ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(QImageReader(data.filePath(relative)).size()));
    }
}

TEST_F(InstalledProgram, TheTeachersGuideComesFromTheInstalledDataFolder)
{
    const QDir data(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/chalkface")));
    ASSERT_TRUE(data.exists(shell::kGuideFile));
    EXPECT_EQ(shell::guideAddress(), QUrl::fromLocalFile(data.absoluteFilePath(shell::kGuideFile)));
}

TEST_F(InstalledProgram, TitleScreenLeadsThroughEveryMenuToEveryTopic)
{
    auto& title = screenAs<shell::TitleScreen>(shell::TitleScreen::kName);
    screens.show(shell::TitleScreen::kName);
    EXPECT_FALSE(title.Picture1->picture().isNull());
    click(title.Command1);
    settle();
    ASSERT_EQ(shownScreens(), QStringList{shell::MainMenu::kName});

    for (const auto& row : shell::kTopicMenus) {
        const QString menuName = QString::fromUtf8(row.screen.data(), row.screen.size());
        for (int i = 0; i < static_cast<int>(row.topics.size()); ++i) {
            const QString topic = QString::fromUtf8(row.topics[i].screen.data(), row.topics[i].screen.size());
            SCOPED_TRACE(topic.toStdString());
            auto& menu = screenAs<shell::TopicMenu>(menuName);
            screens.show(menuName);
            click(menu.Label3[i]);
            QTest::qWait(20);
            ASSERT_TRUE(screens.isLoaded(topic));
            EXPECT_TRUE(screens.find(topic)->isVisible());
            screens.unload(topic);
            settle();
        }
    }
    EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();
}

} // namespace
