// What every activity on the standard frame must show through its real widgets, shared by the
// activities' screen tests: opened from its topic, each mode's question state, solution state
// and next question as its questions say; and every text of many questions fitting its place
// at design size.
#pragma once

#include "screentest.h"

#include "shell/core/activity.h"
#include "shell/standardscreen.h"

namespace testing_support {

class StandardActivityTest : public ScreenTest {
protected:
    // Opens the activity from its topic menu, then in each mode (chosen by its option button)
    // checks the question state, the solution state and that Next makes a new question; saves
    // "<sheet>-<mode>-question.png" and "-solution.png". `check` adds the activity's own checks
    // of each question and solution state.
    using StateCheck = std::function<void(shell::StandardActivityScreen&, bool solved)>;
    void walkThroughEveryMode(const shell::Activity& activity, const StateCheck& check = {});

    // Every line of `count` questions per mode fits the width it is shown in at design size (a
    // wrapped line its height), and so does every text of its figure's states.
    void checkTextsFit(const shell::Activity& activity, int count);
};

} // namespace testing_support
