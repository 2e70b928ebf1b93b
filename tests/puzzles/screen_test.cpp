// The Puzzles screen through its real widgets.
#include "standardactivitytest.h"

#include "puzzles/activity.h"
#include "puzzles/screen.h"

STANDARD_ACTIVITY_SCREEN_TESTS(PuzzlesScreen, puzzles)
