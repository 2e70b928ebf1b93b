// The whole program's screens together: every topic of every menu opens its screen, which carries
// the same panel in the same place, works for assistive technology without giving its answers
// away, and returns to the menu it came from. And the teacher's guide, in step with them.
#include "screentest.h"

#include "allscreens.h"
#include "beattheclock/beattheclockscreen.h"
#include "registry/registry.h"
#include "shell/activityscreen.h"
#include "shell/guide.h"
#include "shell/toolkit/units.h"
#include "shell/topicmenu.h"

#include <QAccessible>
#include <QFile>
#include <QTest>

#include <functional>

namespace {

using shell::qtext;

// What a screen reader can read on the window: the name of every control, in the tree's order.
QStringList readable(QAccessibleInterface* interface)
{
    QStringList names{interface->text(QAccessible::Name)};
    for (int i = 0; i < interface->childCount(); ++i)
        names << readable(interface->child(i));
    return names;
}

class Program : public testing_support::ScreenTest {};

TEST_F(Program, EveryTopicOpensItsScreenWhichWorksThroughAssistiveTechnologyAndReturns)
{
    defineAllScreens(screens);
    std::uint64_t seed = 0;
    seedActivities([&seed] { return ++seed; });
    testing_support::AccessibilityAlerts alerts;
    // A button shows itself pressed before it clicks.
    const auto press = [](QObject* button, const std::function<bool()>& done) {
        QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(QTest::qWaitFor(done));
    };
    QList<QRect> firstPanel;
    for (const auto& row : shell::kTopicMenus) {
        const QString menuName = qtext(row.screen);
        for (std::size_t i = 0; i < row.topics.size(); ++i) {
            const QString name = qtext(row.topics[i].screen);
            SCOPED_TRACE(name.toStdString());
            auto& menu = screenAs<shell::TopicMenu>(menuName);
            screens.show(menuName);
            click(menu.Label3[static_cast<int>(i)]);
            // A screen whose first question comes on a timer tick finishes it.
            QTest::qWait(20);
            auto* activity = qobject_cast<shell::ActivityScreen*>(screens.find(name));
            ASSERT_NE(activity, nullptr);
            EXPECT_TRUE(activity->isVisible() && menu.isVisible());
            EXPECT_EQ(activity->windowTitle(), qtext(row.topics[i].caption));
            EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();
            // The panel stands in the same corner on every screen, whatever its own layout.
            const QList<QRect> panel{activity->Framestatus->geometry(), activity->cmdgo->geometry(),
                                     activity->cmdsoln->geometry(), activity->cmdexit->geometry(), activity->rect()};
            if (firstPanel.isEmpty())
                firstPanel = panel;
            EXPECT_EQ(panel, firstPanel);
            screenshot(*activity, name + QStringLiteral("-first.png"));

            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(activity);
            for (shell::Frame* frame : activity->findChildren<shell::Frame*>()) {
                QAccessibleInterface* group = QAccessible::queryAccessibleInterface(frame);
                EXPECT_TRUE(group->role() == QAccessible::Grouping && group->text(QAccessible::Name) == frame->caption())
                    << frame->objectName().toStdString();
            }
            // The solution: what was hidden is read now, and announced; nothing was readable before.
            // Beat the Clock's answers come only after a timed round, which its own screen test walks.
            if (registry::byScreenName(row.topics[i].screen) &&
                !qobject_cast<beattheclock::BeatTheClockScreen*>(activity)) {
                QList<shell::Label*> hidden;
                for (shell::Label* label : activity->findChildren<shell::Label*>()) {
                    if (!label->isVisibleTo(activity) && !label->caption().isEmpty())
                        hidden << label;
                }
                const QStringList before = readable(window);
                alerts.raised().clear();
                press(activity->cmdsoln, [&] { return !alerts.raised().isEmpty(); });
                for (QObject* object : alerts.raised()) {
                    auto* label = qobject_cast<shell::Label*>(object);
                    ASSERT_TRUE(hidden.contains(label)) << object->objectName().toStdString();
                    const QString answer = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
                    // What it shows, in plain text where the label draws rich text.
                    EXPECT_EQ(answer, label->accessibleName().isEmpty() ? label->caption() : label->accessibleName());
                    EXPECT_GT(readable(window).count(answer), before.count(answer))
                        << answer.toStdString() << " was read before the solution";
                }
                // Each mode through its action: a new question in that mode.
                for (shell::OptionButton* option : activity->findChildren<shell::OptionButton*>()) {
                    SCOPED_TRACE(option->text().toStdString());
                    const QStringList question = readable(window);
                    QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
                        QAccessibleActionInterface::toggleAction());
                    QTest::qWait(20);
                    EXPECT_TRUE(option->isChecked());
                    EXPECT_NE(readable(window), question);
                }
            }
            press(activity->cmdexit, [&] { return !screens.isLoaded(name); });
            settle();
            EXPECT_EQ(shownScreens(), QStringList{menuName});
            for (const QString& loaded : {menuName, QStringLiteral("intro0")})
                screens.unload(loaded);
            settle();
        }
    }
}

// The guide beside the program, as the build puts it there: every topic by its caption (one still
// to come says what it will be), an activity's own section naming its modes as its buttons do,
// the worksheets' table naming it and its modes as chalkface-sheet does, and nothing fetched.
TEST(TeachersGuide, DescribesEveryTopicModeAndWorksheetAndNeedsNoNetwork)
{
    QFile file(shell::guideAddress().toLocalFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString guide = QString::fromUtf8(file.readAll());
    QStringList described;
    for (const auto& row : shell::kTopicMenus) {
        for (const auto& topic : row.topics)
            described << qtext(topic.caption)
                      << (registry::byScreenName(topic.screen) ? QString() : qtext(topic.description));
    }
    for (const shell::Activity* activity : registry::activities()) {
        const QString code = QStringLiteral("<code>%1</code>");
        described << QStringLiteral("id=\"%1\"").arg(qtext(activity->screen)) << code.arg(qtext(activity->sheet));
        for (const shell::Mode& mode : activity->modes)
            described << QStringLiteral("<b>%1</b>").arg(qtext(mode.caption)) << code.arg(qtext(mode.sheetName));
    }
    for (const QString& wanted : described)
        EXPECT_TRUE(guide.contains(wanted)) << wanted.toStdString();
    for (const char* fetched : {"src=", "<link", "url(", "@import"})
        EXPECT_FALSE(guide.contains(QLatin1String(fetched), Qt::CaseInsensitive)) << fetched;
}

} // namespace
