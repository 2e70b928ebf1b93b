// The Mathematical Vocabulary screen through its real widgets: every definition fits its two
// question lines.
#include "standardactivitytest.h"

#include "vocabulary/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(VocabularyScreen, vocabulary)
