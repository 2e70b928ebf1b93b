// What every activity on the standard frame is tested for through its real widgets: its topic
// opens it, and in every mode a question shows, the solution shows once, the next question
// hides it again; and every text of many questions fits its place at design size.
#pragma once

#include "screentest.h"

#include "shell/core/activity.h"

namespace testing_support {

class StandardActivityTest : public ScreenTest {
protected:
    // Opens the activity from its topic menu, walks through its modes and leaves by the exit
    // button; saves a screenshot of each mode's question and solution.
    void walkEveryMode(const shell::Activity& activity);
    // Makes `count` questions in each mode and checks that every text, figure labels included,
    // is no wider than its place, and that no working line runs into another text or the
    // figure.
    void expectEveryTextFits(const shell::Activity& activity, int count);
};

} // namespace testing_support
