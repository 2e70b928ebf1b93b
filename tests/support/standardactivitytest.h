// Screen tests of an activity on the standard frame, through its real widgets: opened from its
// topic, each mode's question and solution states, the next question, and every text fitting its
// label at design size.
#pragma once

#include "screentest.h"

#include "shell/standardscreen.h"

namespace testing_support {

class StandardActivityTest : public ScreenTest {
protected:
    // Opens the activity from its topic on its topic menu (its screen defined beforehand).
    shell::StandardActivityScreen& open(const shell::Activity& activity);

    // In every mode: a mode button makes a question of that mode and shows it with the answer
    // hidden; Solution shows the working and the answer; Next hides them again. Saves each mode's
    // question and solution states as "<screen>-<mode>-question.png" and "-solution.png".
    void walkEveryMode(const shell::Activity& activity);

    // Makes `count` questions in every mode on the screen and returns each label whose text is
    // wider than the label, as "name: text".
    QStringList textsWiderThanTheirLabels(const shell::Activity& activity, int count);
};

} // namespace testing_support

// The screen tests of an activity folder whose one activity is on the standard frame: every
// mode's states, and every text of 2,000 questions per mode fitting its label.
#define STANDARD_ACTIVITY_SCREEN_TESTS(Suite, folder)                                                      \
    class Suite : public testing_support::StandardActivityTest {                                           \
    protected:                                                                                             \
        Suite() { folder::defineScreens(screens); }                                                        \
    };                                                                                                     \
    TEST_F(Suite, ShowsEachModesQuestionThenItsSolution) { walkEveryMode(folder::activities()[0]); }       \
    TEST_F(Suite, EveryTextFitsItsLabel)                                                                   \
    {                                                                                                      \
        EXPECT_EQ(textsWiderThanTheirLabels(folder::activities()[0], 2000), QStringList());                \
    }
