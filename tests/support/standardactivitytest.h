// Screen tests of an activity on the standard frame, through its real widgets: opened from its
// topic, each mode's question and solution states, the next question, and every text of many
// questions fitting its place at design size.
#pragma once

#include "screentest.h"

#include "shell/core/activity.h"
#include "shell/standardscreen.h"

#include <functional>

namespace testing_support {

class StandardActivityTest : public ScreenTest {
protected:
    // Opens the activity from its topic on its topic menu; its folder's defineScreens has defined
    // the screen.
    shell::StandardActivityScreen& open(const shell::Activity& activity);

    // In every mode, chosen by its option button: the question state; Solution shows the
    // working, the answer and the figure's solution state, and a second press changes nothing;
    // Next makes a new question with the solution hidden; Exit goes back to the topic menu.
    // `check` adds the activity's own checks of each state. Saves
    // "<screen>-<mode>-question.png" and "-solution.png".
    using StateCheck = std::function<void(shell::StandardActivityScreen&, bool solved)>;
    void walkEveryMode(const shell::Activity& activity, const StateCheck& check = {});

    // Makes `count` questions in each mode on the screen: every text, figure labels included, is
    // no wider than its place, and no working line runs into another text or the figure.
    void expectEveryTextFits(const shell::Activity& activity, int count);
};

} // namespace testing_support

// The screen tests of an activity folder whose one activity is on the standard frame: every
// mode's states, with the activity's own checks of each state if it gives them (a StateCheck),
// and every text of 2,000 questions per mode fitting its place.
#define STANDARD_ACTIVITY_SCREEN_TESTS(Suite, folder, ...)                                                   \
    class Suite : public testing_support::StandardActivityTest {                                             \
    protected:                                                                                               \
        Suite() { folder::defineScreens(screens); }                                                          \
    };                                                                                                       \
    TEST_F(Suite, ShowsEachModesQuestionThenItsSolution)                                                     \
    {                                                                                                        \
        walkEveryMode(folder::activities()[0] __VA_OPT__(, ) __VA_ARGS__);                                   \
    }                                                                                                        \
    TEST_F(Suite, EveryTextFitsItsPlace)                                                                     \
    {                                                                                                        \
        expectEveryTextFits(folder::activities()[0], 2000);                                                  \
    }
