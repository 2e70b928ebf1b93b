// The Mappings screen: which column each mode hides, the solution revealing exactly that column,
// a mode switch or the presenter's keys starting afresh. The texts are the generator's tests'.
#include "screentest.h"

#include "mappings/mappingsscreen.h"
#include "shell/core/randomsource.h"


#include <vector>

namespace {

using mappings::MappingsScreen;
using mappings::Mode;

constexpr float kTop = shell::kLargestDraw;

// How many of the column's values show, and whether every one fits its label on one line.
int visibleCount(const shell::LabelArray& column)
{
    int visible = 0;
    for (int i = 0; i < column.count(); ++i) {
        visible += column[i]->isVisible() ? 1 : 0;
        EXPECT_LE(column[i]->fontMetrics().horizontalAdvance(column[i]->text()), column[i]->width());
    }
    return visible;
}

class MappingsScreenTest : public testing_support::ScreenTest {
protected:
    MappingsScreenTest() { mappings::defineScreens(screens); }

    // Opens the screen from menu2 as a user does; the draws script every question it makes.
    MappingsScreen& open(const std::vector<float>& draws = {})
    {
        if (!draws.empty())
            script(MappingsScreen::kName, draws);
        return openTopic<MappingsScreen>(QStringLiteral("menu2"), 3, MappingsScreen::kName);
    }

    // {domain, range} values on show.
    static std::pair<int, int> shown(const MappingsScreen& s) { return {visibleCount(s.Label4), visibleCount(s.Label5)}; }
};

const std::pair kRangeHidden{5, 0}, kDomainHidden{0, 5}, kBoth{5, 5};

TEST_F(MappingsScreenTest, OpensOnAFindTheRangeQuestion)
{
    auto& s = open({0.075f, 0, kTop, kTop}); // x - 5 on 16, 12, ..., 0
    EXPECT_EQ(s.windowTitle(), "Mappings");
    EXPECT_TRUE(s.Option1->isChecked());
    EXPECT_FALSE(s.Option2->isChecked() || s.Option3->isChecked());
    EXPECT_EQ(s.mode(), Mode::FindRange);
    EXPECT_EQ(s.Label3->text(), "x - 5");
    EXPECT_EQ(s.Label4[0]->text(), "16");
    EXPECT_EQ(s.Label5[4]->text(), "-5") << "filled while hidden";
    EXPECT_EQ(shown(s), kRangeHidden);
    // Each domain value stands level with its image; the pictures keep their own size.
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(s.Label4[i]->mapTo(&s, QPoint()).y(), s.Label5[i]->mapTo(&s, QPoint()).y(), 1);
    EXPECT_EQ(s.Image1->size(), s.Image1->picture().size());
    EXPECT_EQ(s.Image2->size(), s.Image2->picture().size());
}

// Each mode (Mixed with either column hidden), then switching modes while solved, the presenter's
// keys and the widest rule: after each step, the values on show.
TEST_F(MappingsScreenTest, SolutionRevealsExactlyTheHiddenColumn)
{
    auto& s = open({0.075f, 0, kTop, kTop, /* x + 1 */ 0, 0, 0, 0, /* x² + 4 */ 0.9f, 0.25f, 0.3f, 0.5f,
                    /* x/4, range hidden */ 0.34375f, kTop, 0, 0, /* 10x, domain hidden */ 0.15f, 0, 0, kTop, 0,
                    /* 10x + 10, the widest rule */ 0.57f, 0, kTop, 0});
    const struct {
        const char* step;
        QWidget* press; // clicked, or else the key pressed
        Qt::Key key;
        std::pair<int, int> shown;
        int mixchoice;
    } steps[] = {
        {"range solved", s.cmdsoln, {}, kBoth, 0},
        {"domain from a solved question", s.Option2, {}, kDomainHidden, 0},
        {"presenter forward", nullptr, Qt::Key_PageDown, kBoth, 0},
        {"presenter back", nullptr, Qt::Key_PageUp, kDomainHidden, 0},
        {"forward twice steps on", nullptr, Qt::Key_PageDown, kBoth, 0},
        {"a square's domain", nullptr, Qt::Key_PageDown, kDomainHidden, 0},
        {"domain solved", s.cmdsoln, {}, kBoth, 0},
        {"solved again changes nothing", s.cmdsoln, {}, kBoth, 0},
        {"mixed, range hidden", s.Option3, {}, kRangeHidden, 2},
        {"mixed solved", s.cmdsoln, {}, kBoth, 2},
        {"mixed, domain hidden", s.cmdgo, {}, kDomainHidden, 1},
        {"mixed solved", s.cmdsoln, {}, kBoth, 1},
        {"range from a solved question", s.Option1, {}, kRangeHidden, 1},
        {"range solved whatever mixchoice says", s.cmdsoln, {}, kBoth, 1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        clickOrPress(step.press, s, step.key);
        EXPECT_EQ(shown(s), step.shown);
        EXPECT_EQ(s.mixchoice(), step.mixchoice);
    }
    EXPECT_EQ(s.Label3->text(), "10x + 10");
    EXPECT_LE(s.Label3->fontMetrics().horizontalAdvance(s.Label3->text()), s.Label3->width());
    screenshot(s, QStringLiteral("mappings-widest-rule-solved.png"));
}

// Exit itself is the program test's: each topic returns to its own menu.
TEST_F(MappingsScreenTest, TheNextVisitStartsAfresh)
{
    click(open().Option3);
    click(screenAs<MappingsScreen>(MappingsScreen::kName).cmdexit);
    settle();
    auto& again = open();
    EXPECT_EQ(again.mode(), Mode::FindRange);
    EXPECT_TRUE(again.Option1->isChecked());
    EXPECT_EQ(visibleCount(again.Label5), 0);
}

} // namespace
