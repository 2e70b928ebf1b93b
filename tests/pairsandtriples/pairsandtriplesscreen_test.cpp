// The Pairs and Triples screen through its real widgets: every mode's states, and every text
// fitting its label.
#include "standardactivitytest.h"

#include "pairsandtriples/activity.h"

namespace {

class PairsAndTriplesScreen : public testing_support::StandardActivityTest {
protected:
    PairsAndTriplesScreen() { pairsandtriples::defineScreens(screens); }
};

TEST_F(PairsAndTriplesScreen, ShowsEachModesQuestionThenItsSolution)
{
    walkEveryMode(pairsandtriples::activities()[0]);
}

TEST_F(PairsAndTriplesScreen, EveryTextFitsItsLabel)
{
    EXPECT_EQ(textsWiderThanTheirLabels(pairsandtriples::activities()[0], 2000), QStringList());
}

} // namespace
