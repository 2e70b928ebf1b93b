// The Mathematical Vocabulary screen through its real widgets in every mode: the definition
// wrapping over the two question lines, the options framed and defined on Solution; and every
// definition fitting two lines at 36 pt and one at 18 pt.
#include "standardactivitytest.h"

#include "shell/toolkit/drawingview.h"
#include "vocabulary/activity.h"

#include <variant>

namespace {

class VocabularyScreen : public testing_support::StandardActivityTest {
protected:
    VocabularyScreen() { vocabulary::defineScreens(screens); }
};

TEST_F(VocabularyScreen, EveryModeOnTheStandardFrame)
{
    walkEveryMode(vocabulary::activities()[0], [](shell::StandardActivityScreen& s, bool solved) {
        EXPECT_TRUE(s.question[0]->wordWrap());
        EXPECT_EQ(s.question[0]->heightTwips(), 1740);
        int frames = 0;
        int texts = 0;
        for (const shell::Mark& mark : s.figure->drawing().marks) {
            frames += std::holds_alternative<shell::BoxMark>(mark);
            texts += std::holds_alternative<shell::TextMark>(mark);
        }
        EXPECT_EQ(frames, solved ? 1 : 0);
        EXPECT_EQ(texts, solved ? 8 + 3 : 8) << "letters and terms, then the wrong options' definitions";
    });
}

TEST_F(VocabularyScreen, EveryDefinitionFits)
{
    expectEveryTextFits(vocabulary::activities()[0], 1000);
}

} // namespace
