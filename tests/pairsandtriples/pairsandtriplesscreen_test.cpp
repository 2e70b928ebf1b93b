// The Pairs and Triples screen through its real widgets.
#include "standardactivitytest.h"

#include "pairsandtriples/activity.h"

STANDARD_ACTIVITY_SCREEN_TESTS(PairsAndTriplesScreen, pairsandtriples)
