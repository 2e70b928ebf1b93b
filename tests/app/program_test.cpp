// The whole program's screens together: every topic opens a screen, and every activity screen
// carries the same panel in the same place and returns to the menu it came from. And the
// teacher's guide, in step with them.
#include "screentest.h"

#include "allscreens.h"
#include "registry/registry.h"
#include "shell/activityscreen.h"
#include "shell/guide.h"
#include "shell/topicmenu.h"

#include <QFile>
#include <QTest>

namespace {

class Program : public testing_support::ScreenTest {
protected:
    Program() { defineAllScreens(screens); }

    // Lets a screen whose first question comes on a timer tick finish it.
    static void waitForTimers() { QTest::qWait(20); }
};

TEST_F(Program, EveryTopicOpensItsScreenInFrontOfAnUnchangedMenu)
{
    for (const auto& row : shell::kTopicMenus) {
        const QString menuName = QString::fromUtf8(row.screen.data(), row.screen.size());
        for (std::size_t i = 0; i < row.topics.size(); ++i) {
            const auto& topic = row.topics[i];
            const QString name = QString::fromUtf8(topic.screen.data(), topic.screen.size());
            SCOPED_TRACE(name.toStdString());
            auto& menu = screenAs<shell::TopicMenu>(menuName);
            screens.show(menuName);
            click(menu.Label3[static_cast<int>(i)]);
            waitForTimers();

            auto* activity = qobject_cast<shell::ActivityScreen*>(screens.find(name));
            ASSERT_NE(activity, nullptr);
            EXPECT_TRUE(activity->isVisible());
            EXPECT_TRUE(menu.isVisible());
            EXPECT_EQ(activity->windowTitle(), QString::fromUtf8(topic.caption.data(), topic.caption.size()));
            EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();

            // The panel stands in the same corner on every screen, whatever its own layout.
            EXPECT_EQ(activity->Framestatus->geometry(), QRect(680, 457, 115, 110));
            EXPECT_EQ(activity->cmdgo->geometry(), QRect(2, 2, 110, 33));
            EXPECT_EQ(activity->cmdsoln->geometry(), QRect(2, 39, 110, 33));
            EXPECT_EQ(activity->cmdexit->geometry(), QRect(2, 75, 110, 33));
            EXPECT_EQ(activity->size(), QSize(792, 566));
            screenshot(*activity, name + QStringLiteral("-first.png"));

            click(activity->cmdexit);
            settle();
            EXPECT_EQ(shownScreens(), QStringList{menuName});
            screens.unload(menuName);
            screens.unload(QStringLiteral("intro0"));
            settle();
        }
    }
}

// The guide beside the program, as the build puts it there, in step with the menus and the
// activities.
TEST(TeachersGuide, DescribesEveryTopicModeAndWorksheetAndNeedsNoNetwork)
{
    QFile file(shell::guideAddress().toLocalFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString guide = QString::fromUtf8(file.readAll());
    const auto text = [](std::string_view words) { return QString::fromUtf8(words.data(), words.size()); };
    for (const auto& row : shell::kTopicMenus) {
        for (const auto& topic : row.topics) {
            SCOPED_TRACE(topic.caption);
            EXPECT_TRUE(guide.contains(text(topic.caption)));
            // A topic still to come says what it will be.
            if (!registry::byScreenName(topic.screen))
                EXPECT_TRUE(guide.contains(text(topic.description)));
        }
    }
    // An activity has a section of its own that names its modes as its buttons do, and the
    // worksheets' table names it and its modes as chalkface-sheet does.
    for (const shell::Activity* activity : registry::activities()) {
        SCOPED_TRACE(activity->caption);
        EXPECT_TRUE(guide.contains(QStringLiteral("id=\"%1\"").arg(text(activity->screen))));
        EXPECT_TRUE(guide.contains(QStringLiteral("<code>%1</code>").arg(text(activity->sheet))));
        for (const shell::Mode& mode : activity->modes) {
            EXPECT_TRUE(guide.contains(QStringLiteral("<b>%1</b>").arg(text(mode.caption)))) << mode.caption;
            EXPECT_TRUE(guide.contains(QStringLiteral("<code>%1</code>").arg(text(mode.sheetName))))
                << mode.sheetName;
        }
    }
    for (const char* fetched : {"src=", "<link", "url(", "@import"})
        EXPECT_FALSE(guide.contains(QLatin1String(fetched), Qt::CaseInsensitive)) << fetched;
}

} // namespace
