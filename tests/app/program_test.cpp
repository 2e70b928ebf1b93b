// The whole program's screens together: every topic opens a screen, and every activity screen
// carries the same panel in the same place and returns to the menu it came from.
#include "screentest.h"

#include "allscreens.h"
#include "shell/activityscreen.h"
#include "shell/topicmenu.h"

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

} // namespace
