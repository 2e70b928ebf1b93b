// Memory over a long lesson: each activity screen opened from its topic menu and left again a
// thousand times, and ten thousand questions stepped through on each, by real clicks. Once the
// first visits have warmed the caches, resident memory grows by less than 2 MB; the sanitizer
// build's leak checker covers the same runs.
#include "memorystats.h"
#include "screeninvariants.h"
#include "screentest.h"

#include "allscreens.h"
#include "angles/anglesscreen.h"
#include "shell/activityscreen.h"
#include "shell/topicmenu.h"

#include <QTest>

#include <cstdio>
#include <functional>

namespace {

using namespace reliability;

constexpr long kGrowthLimit = 2L * 1024 * 1024;
constexpr int kWarmUpVisits = 50;
constexpr int kVisits = 1000;
constexpr int kWarmUpQuestions = 200;
constexpr int kQuestions = 10000;
// Questions between changes of mode, so that every mode takes its share.
constexpr int kQuestionsPerMode = 500;

struct Activity {
    const char* screen;
    const char* menu;
    int topic; // its index on the menu
};

constexpr Activity kActivities[] = {
    {"sigfig", "menu5", 1},   {"mappings", "menu2", 3}, {"compoundunits", "menu3", 4},
    {"parallel", "menu1", 3}, {"polygons", "menu5", 3},
};

class Memory : public testing_support::ScreenTest {
protected:
    Memory() { defineAllScreens(screens); }

    // The parallel lines question comes on a one-shot tick once the screen is up; the event loop
    // sleeps until it is due.
    static void waitForQuestion(shell::ActivityScreen& activity)
    {
        auto* angles = qobject_cast<angles::AnglesScreen*>(&activity);
        while (angles && angles->Timer1->isEnabled())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    shell::ActivityScreen& open(const Activity& a)
    {
        auto& menu = screenAs<shell::TopicMenu>(QLatin1String(a.menu));
        click(menu.Label3[a.topic]);
        auto& activity = screenAs<shell::ActivityScreen>(QLatin1String(a.screen));
        waitForQuestion(activity);
        return activity;
    }

    // Warms up, then measures resident memory over `count` more steps on each activity.
    void measure(const char* what, int warmUp, int count,
                 const std::function<void(const Activity&, int first, int steps)>& step)
    {
        for (const Activity& a : kActivities) {
            SCOPED_TRACE(a.screen);
            screens.show(QLatin1String(a.menu));
            step(a, 0, warmUp);
            const long before = residentBytes();
            step(a, warmUp, count);
            const long growth = residentBytes() - before;
            std::printf("memory: %s %s %d times after %d to warm up: resident memory grew by %.3f MB\n",
                        a.screen, what, count, warmUp, megabytes(growth));
            if (!kSanitized) {
                EXPECT_LT(growth, kGrowthLimit);
            }
            EXPECT_TRUE(fatalMessages.isEmpty());
            EXPECT_EQ(liveScreens().keys(), screens.loadedNames());
            screens.endProgram();
            settle();
        }
    }
};

TEST_F(Memory, OpeningAndLeavingEveryActivityAThousandTimesKeepsMemoryFlat)
{
    measure("opened and left", kWarmUpVisits, kVisits, [&](const Activity& a, int, int visits) {
        for (int i = 0; i < visits; ++i) {
            shell::ActivityScreen& activity = open(a);
            EXPECT_EQ(checkActivity(activity), "");
            click(activity.cmdexit);
            settle();
        }
    });
}

// By the next and solution buttons, changing mode now and then.
TEST_F(Memory, TenThousandQuestionsOnEveryActivityKeepMemoryFlat)
{
    shell::ActivityScreen* activity = nullptr;
    measure("questions stepped through", kWarmUpQuestions, kQuestions,
            [&](const Activity& a, int first, int n) {
                if (first == 0)
                    activity = &open(a);
                const QList<shell::OptionButton*> modes = activity->findChildren<shell::OptionButton*>();
                for (int question = first + 1; question <= first + n; ++question) {
                    if (!modes.isEmpty() && question % kQuestionsPerMode == 0)
                        click(modes[(question / kQuestionsPerMode) % modes.size()]);
                    else
                        click(activity->cmdgo);
                    waitForQuestion(*activity);
                    click(activity->cmdsoln);
                    if (question % 100 == 0) {
                        ASSERT_EQ(checkActivity(*activity), "") << "question " << question;
                        QCoreApplication::processEvents(); // lets the screen paint now and then
                    }
                }
            });
}

} // namespace
