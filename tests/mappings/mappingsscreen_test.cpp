#include "screentest.h"

#include "mappings/mappingsscreen.h"
#include "shell/core/randomsource.h"
#include "shell/topicmenu.h"

#include <QTest>

#include <memory>
#include <vector>

namespace {

using mappings::MappingsScreen;
using mappings::Mode;

constexpr float kTop = shell::kLargestDraw;
// Find the Range, x - 5: kind 2, first value 16, c 5, step 4.
const std::vector<float> kOpening{0.075f, 0, kTop, kTop};

std::vector<float> operator+(std::vector<float> first, const std::vector<float>& next)
{
    first.insert(first.end(), next.begin(), next.end());
    return first;
}

QStringList texts(const shell::LabelArray& column)
{
    QStringList result;
    for (int i = 0; i < column.count(); ++i)
        result << column[i]->text();
    return result;
}

int visibleCount(const shell::LabelArray& column)
{
    int visible = 0;
    for (int i = 0; i < column.count(); ++i)
        visible += column[i]->isVisible() ? 1 : 0;
    return visible;
}

// Whether the text is no wider than its label, so it is neither cut off nor wrapped.
bool fits(const shell::Label* label)
{
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
}

bool allFit(const shell::LabelArray& column)
{
    bool fit = true;
    for (int i = 0; i < column.count(); ++i)
        fit = fit && fits(column[i]);
    return fit;
}

class MappingsScreenTest : public testing_support::ScreenTest {
protected:
    MappingsScreenTest() { mappings::defineScreens(screens); }

    // Opens the screen from menu2 as a user does; the draws script every question it makes.
    MappingsScreen& open(const std::vector<float>& draws)
    {
        script(MappingsScreen::kName, draws);
        return openFromMenu();
    }
    MappingsScreen& openFromMenu()
    {
        return openTopic<MappingsScreen>(QStringLiteral("menu2"), 3, MappingsScreen::kName);
    }
};

TEST_F(MappingsScreenTest, OpensOnAFindTheRangeQuestion)
{
    auto& screen = open(kOpening);
    EXPECT_EQ(screen.windowTitle(), "Mappings");
    EXPECT_TRUE(screen.Option1->isChecked());
    EXPECT_FALSE(screen.Option2->isChecked() || screen.Option3->isChecked());
    EXPECT_EQ(screen.mode(), Mode::FindRange);
    EXPECT_EQ(screen.Label3->text(), "x - 5");
    EXPECT_EQ(texts(screen.Label4), QStringList({"16", "12", "8", "4", "0"}));
    EXPECT_EQ(visibleCount(screen.Label4), 5);
    EXPECT_EQ(texts(screen.Label5), QStringList({"11", "7", "3", "-1", "-5"})) << "filled while hidden";
    EXPECT_EQ(visibleCount(screen.Label5), 0);

    // Each domain value stands level with its image; the pictures keep their own size.
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(screen.Label4[i]->mapTo(&screen, QPoint()).y(),
                    screen.Label5[i]->mapTo(&screen, QPoint()).y(), 1);
    EXPECT_EQ(screen.Image1->size(), screen.Image1->picture().size());
    EXPECT_EQ(screen.Image2->size(), screen.Image2->picture().size());
}

TEST_F(MappingsScreenTest, SolutionRevealsExactlyTheHiddenColumn)
{
    const struct {
        const char* name;
        shell::OptionButton* MappingsScreen::*option;
        std::vector<float> draws;
        Mode mode;
        int mixchoice;
        bool domainHidden;
        const char* rule;
        QStringList domain;
        QStringList range;
    } cases[] = {
        // clang-format off
        {"find-range", &MappingsScreen::Option1, {0.925f, kTop, kTop}, Mode::FindRange, 0, false,
         "x³", {"3", "6", "9", "12", "15"}, {"27", "216", "729", "1728", "3375"}},
        {"find-domain", &MappingsScreen::Option2, {0.9f, 0.25f, 0.3f, 0.5f}, Mode::FindDomain, 0, true,
         "x² + 4", {"±2", "±5", "±8", "±11", "±14"}, {"8", "29", "68", "125", "200"}},
        {"mixed-domain-hidden", &MappingsScreen::Option3, {0.15f, 0, 0, kTop, 0}, Mode::Mixed, 1, true,
         "10x", {"1", "2", "3", "4", "5"}, {"10", "20", "30", "40", "50"}},
        {"mixed-range-hidden", &MappingsScreen::Option3, {0.34375f, kTop, 0, 0}, Mode::Mixed, 2, false,
         "x/4", {"1", "2", "3", "4", "5"}, {"0.25", "0.5", "0.75", "1", "1.25"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& screen = open(kOpening + c.draws);
        click(screen.*c.option);
        EXPECT_TRUE((screen.*c.option)->isChecked());
        EXPECT_EQ(screen.mode(), c.mode);
        EXPECT_EQ(screen.mixchoice(), c.mixchoice);
        EXPECT_EQ(screen.Label3->text(), QString::fromUtf8(c.rule));
        EXPECT_EQ(texts(screen.Label4), c.domain);
        EXPECT_EQ(texts(screen.Label5), c.range);
        EXPECT_EQ(visibleCount(c.domainHidden ? screen.Label4 : screen.Label5), 0);
        EXPECT_EQ(visibleCount(c.domainHidden ? screen.Label5 : screen.Label4), 5);

        for (int press = 0; press < 2; ++press) {
            click(screen.cmdsoln);
            EXPECT_EQ(visibleCount(screen.Label4) + visibleCount(screen.Label5), 10);
            EXPECT_EQ(texts(screen.Label4), c.domain);
            EXPECT_EQ(texts(screen.Label5), c.range);
        }
        EXPECT_TRUE(allFit(screen.Label4) && allFit(screen.Label5));
        screenshot(screen, QStringLiteral("mappings-%1-solved.png").arg(QLatin1String(c.name)));
        click(screen.cmdexit);
        settle();
    }
}

TEST_F(MappingsScreenTest, ModeSwitchWhileSolvedStartsANewQuestion)
{
    const std::vector<float> findDomain{0, 0, 0, 0};                  // x + 1 on 1..5
    const std::vector<float> mixedDomainHidden{0.15f, 0, 0, kTop, 0}; // 10x, mixchoice 1
    const std::vector<float> findRange{0.57f, 0, kTop, 0};            // 10x + 10, the widest rule
    auto& screen = open(kOpening + findDomain + mixedDomainHidden + findRange);

    click(screen.cmdsoln);
    click(screen.Option2);
    EXPECT_EQ(texts(screen.Label5), QStringList({"2", "3", "4", "5", "6"}));
    EXPECT_EQ(visibleCount(screen.Label4), 0) << "Find the Domain hides the domain";
    EXPECT_EQ(visibleCount(screen.Label5), 5);

    click(screen.cmdsoln);
    click(screen.Option3);
    EXPECT_EQ(visibleCount(screen.Label4), 0);
    EXPECT_EQ(visibleCount(screen.Label5), 5);

    click(screen.cmdsoln);
    click(screen.Option1);
    EXPECT_EQ(screen.mixchoice(), 1) << "kept outside Mixed";
    EXPECT_EQ(visibleCount(screen.Label4), 5);
    EXPECT_EQ(visibleCount(screen.Label5), 0);
    EXPECT_TRUE(fits(screen.Label3)) << screen.Label3->text().toStdString();
    click(screen.cmdsoln);
    EXPECT_EQ(visibleCount(screen.Label5), 5) << "Find the Range reveals the range whatever mixchoice says";
    screenshot(screen, QStringLiteral("mappings-widest-rule-solved.png"));
}

TEST_F(MappingsScreenTest, PresenterKeysRevealAndHideTheAnswer)
{
    auto& screen = open(kOpening + std::vector<float>{0, 0, 0, 0});
    QTest::keyClick(&screen, Qt::Key_PageDown);
    EXPECT_EQ(visibleCount(screen.Label5), 5);
    QTest::keyClick(&screen, Qt::Key_PageUp);
    EXPECT_EQ(visibleCount(screen.Label5), 0);
    EXPECT_EQ(visibleCount(screen.Label4), 5);
    QTest::keyClick(&screen, Qt::Key_PageDown);
    QTest::keyClick(&screen, Qt::Key_PageDown);
    EXPECT_EQ(screen.Label3->text(), "x + 1") << "a solved question steps on to the next";
    EXPECT_EQ(visibleCount(screen.Label5), 0);
}

// Exit itself is the program test's: each topic returns to its own menu.
TEST_F(MappingsScreenTest, TheNextVisitStartsAfresh)
{
    click(openFromMenu().Option3);
    click(screenAs<MappingsScreen>(MappingsScreen::kName).cmdexit);
    settle();
    auto& again = openFromMenu();
    EXPECT_EQ(again.mode(), Mode::FindRange);
    EXPECT_TRUE(again.Option1->isChecked());
    EXPECT_EQ(visibleCount(again.Label5), 0);
}

} // namespace
