// The Units screen: opened from its topic menu, the question and answer texts copied from the
// generator, the reference frame beside an open question of modes 2 and 4 and the answer frame
// in its place once the solution is shown.
#include "screentest.h"

#include "shell/core/randomsource.h"
#include "shell/topicmenu.h"
#include "units/unitsscreen.h"

#include <QFontMetrics>
#include <QTest>

#include <memory>
#include <vector>

namespace {

using shell::kLargestDraw;
using units::Mode;
using units::UnitsScreen;

// The draw that makes floor(count x r + first) come out as value.
float drawFor(int value, int count, int first)
{
    return (static_cast<float>(value - first) + 0.5f) / static_cast<float>(count);
}

int rowCount(Mode mode)
{
    return mode == Mode::Metric ? 12 : mode == Mode::Imperial ? 20 : mode == Mode::Compound ? 6 : 8;
}

class UnitsScreenTest : public testing_support::ScreenTest {
protected:
    UnitsScreenTest() { units::defineUnitsScreen(screens); }

    // Makes every later opening of the screen replay these draws.
    void script(std::vector<float> draws)
    {
        screens.define(UnitsScreen::kName, [draws](shell::Screens& s) {
            auto* screen = new UnitsScreen(s);
            screen->setRandomSource(std::make_unique<shell::ScriptedDraws>(draws));
            return screen;
        });
    }

    // As a user does: the topic "Units" on menu3.
    UnitsScreen& open()
    {
        auto& menu = screenAs<shell::TopicMenu>(QStringLiteral("menu3"));
        screens.show(QStringLiteral("menu3"));
        click(menu.Label3[4]);
        return screenAs<UnitsScreen>(UnitsScreen::kName);
    }

    static std::vector<bool> frames(const UnitsScreen& s)
    {
        return {s.Frame1->isVisible(), s.Frame2->isVisible(), s.Frame3->isVisible()};
    }
};

const std::vector<bool> kOnlyQuestion{false, false, false};
const std::vector<bool> kAnswer{true, false, false};
const std::vector<bool> kImperial{false, true, false};
const std::vector<bool> kApproximate{false, false, true};

TEST_F(UnitsScreenTest, OpensInMetricModeWithTheQuestionAlone)
{
    script({drawFor(1, 12, 1), drawFor(57, 100, 1)});
    auto& units = open();
    EXPECT_EQ(units.windowTitle(), "Units");
    EXPECT_EQ(units.Framestatus->objectName(), "framestatus");
    EXPECT_TRUE(units.Option1->isChecked());
    EXPECT_FALSE(units.Option2->isChecked() || units.Option3->isChecked() || units.Option4->isChecked());
    EXPECT_EQ(units.mode(), Mode::Metric);
    EXPECT_EQ(units.Label1->text(), "Convert...");
    EXPECT_EQ(units.Label2->text(), "57 km to metres");
    EXPECT_EQ(units.Label4->text(), "57000 m") << "filled, waiting in the hidden answer frame";
    EXPECT_EQ(frames(units), kOnlyQuestion);
}

TEST_F(UnitsScreenTest, ControlsStandWhereDesigned)
{
    auto& units = open();
    const struct {
        QWidget* control;
        QWidget* container;
        QRect pixels; // twips / 15
    } controls[] = {
        {units.Label1, &units, {15, 13, 211, 74}},    {units.Label2, &units, {7, 105, 770, 74}},
        {units.Frame1, &units, {15, 281, 638, 144}},  {units.Label4, units.Frame1, {10, 19, 615, 102}},
        {units.Frame2, &units, {10, 226, 227, 322}},  {units.Frame3, &units, {10, 226, 227, 183}},
        {units.Option1, &units, {676, 291, 100, 29}}, {units.Option2, &units, {676, 320, 110, 29}},
        {units.Option3, &units, {676, 348, 110, 29}}, {units.Option4, &units, {676, 384, 108, 29}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(c.control->parentWidget(), c.container);
        EXPECT_EQ(c.control->geometry(), c.pixels);
    }

    // Each fact in its own frame, 3000 x 405 twips, on one line.
    const struct {
        int index;
        QWidget* frame;
        const char* caption;
        QPoint at; // pixels inside the frame
    } facts[] = {
        {0, units.Frame2, "1 mile = 1760 yards", {20, 26}},
        {1, units.Frame2, "1 yard = 3 feet", {20, 67}},
        {2, units.Frame2, "1 foot = 12 inches", {20, 109}},
        {3, units.Frame2, "1 mile = 8 furlongs", {20, 150}},
        {4, units.Frame2, "1 furlong = 40 poles", {20, 192}},
        {5, units.Frame2, "1 chain = 22 yards", {20, 233}},
        {6, units.Frame2, "1 chain = 100 links", {20, 275}},
        {13, units.Frame3, "1 inch = 2.54 cm", {20, 26}},
        {12, units.Frame3, "1 foot = 30.48 cm", {20, 67}},
        {11, units.Frame3, "1 yard = 91.44 cm", {21, 109}},
        {10, units.Frame3, "1 mile = 1.61 km", {20, 150}},
    };
    EXPECT_EQ(units.Label5.count(), 11);
    for (const auto& f : facts) {
        SCOPED_TRACE(f.caption);
        const shell::Label* label = units.Label5[f.index];
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->parentWidget(), f.frame);
        EXPECT_EQ(label->text(), f.caption);
        EXPECT_EQ(label->geometry(), QRect(f.at, QSize(200, 27)));
        EXPECT_FALSE(label->isHidden());
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
    }
}

TEST_F(UnitsScreenTest, ImperialFrameGoesWithTheOpenQuestion)
{
    auto& units = open();
    click(units.Option2);
    EXPECT_EQ(units.mode(), Mode::Imperial);
    EXPECT_EQ(frames(units), kImperial);
    click(units.cmdsoln);
    EXPECT_EQ(frames(units), kAnswer);
    const QString question = units.Label2->text();
    click(units.cmdsoln);
    EXPECT_EQ(frames(units), kAnswer) << "a second press changes nothing";
    EXPECT_EQ(units.Label2->text(), question);
    click(units.cmdgo);
    EXPECT_EQ(frames(units), kImperial);
    EXPECT_TRUE(units.Option2->isChecked());

    // The presenter's back key returns to the open question, facts and all.
    QTest::keyClick(&units, Qt::Key_PageDown);
    EXPECT_EQ(frames(units), kAnswer);
    QTest::keyClick(&units, Qt::Key_PageUp);
    EXPECT_EQ(frames(units), kImperial);
}

TEST_F(UnitsScreenTest, MetricAndCompoundNeverShowAReferenceFrame)
{
    auto& units = open();
    for (shell::OptionButton* option : {units.Option4, units.Option1, units.Option4, units.Option3}) {
        const bool withFacts = option == units.Option4;
        click(option);
        for (int question = 0; question < 3; ++question) {
            SCOPED_TRACE(option->text().toStdString());
            EXPECT_EQ(frames(units), withFacts ? kApproximate : kOnlyQuestion);
            click(units.cmdsoln);
            EXPECT_EQ(frames(units), kAnswer);
            QTest::keyClick(&units, Qt::Key_Up);
            EXPECT_EQ(frames(units), withFacts ? kApproximate : kOnlyQuestion);
            click(units.cmdgo);
        }
    }
}

TEST_F(UnitsScreenTest, SwitchingFromApproximateToImperialSwapsTheFrames)
{
    auto& units = open();
    click(units.Option4);
    EXPECT_EQ(frames(units), kApproximate);
    click(units.Option2);
    EXPECT_EQ(frames(units), kImperial);
    click(units.Option4);
    click(units.cmdsoln);
    click(units.Option2);
    EXPECT_EQ(frames(units), kImperial) << "from a solved question too";
}

// The longest texts of each mode, reached by scripted draws, as the class sees them.
TEST_F(UnitsScreenTest, ShowsTheGeneratorsTextsInEveryMode)
{
    const struct {
        const char* name;
        shell::OptionButton* UnitsScreen::*option;
        Mode mode;
        int row;
        float quantity;
        const char* question;
        const char* answer;
    } cases[] = {
        {"mode1", &UnitsScreen::Option1, Mode::Metric, 3, kLargestDraw, "100 km to millimetres",
         "100000000 mm"},
        {"mode2", &UnitsScreen::Option2, Mode::Imperial, 13, kLargestDraw, "6272640 inches to miles",
         "99 miles"},
        {"mode2-inches", &UnitsScreen::Option2, Mode::Imperial, 3, kLargestDraw, "99 miles to inches",
         "6272640 inches"},
        {"mode3", &UnitsScreen::Option3, Mode::Compound, 2, drawFor(50, 191, 10), "50 km/h to m/sec",
         "13.89 m/sec"},
        {"mode4", &UnitsScreen::Option4, Mode::MetricImperial, 6, drawFor(57, 98, 2),
         "57 centimetres to inches", "22.44 inches"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        script({0.0f, 0.0f, drawFor(c.row, rowCount(c.mode), 1), c.quantity});
        auto& units = open();
        click(units.*c.option);
        EXPECT_EQ(units.Label2->text(), c.question);
        EXPECT_EQ(units.Label4->text(), c.answer);
        screenshot(units, QStringLiteral("units-%1-question.png").arg(QLatin1String(c.name)));
        click(units.cmdsoln);
        EXPECT_TRUE(units.Label4->isVisible());
        screenshot(units, QStringLiteral("units-%1-answer.png").arg(QLatin1String(c.name)));
        click(units.cmdexit);
        settle();
    }
}

// Every question of every row, at every quantity, on one line of its label.
TEST_F(UnitsScreenTest, EveryTextFitsItsLine)
{
    auto& units = open();
    const QFontMetrics questionFont(units.Label2->font());
    const QFontMetrics answerFont(units.Label4->font());
    std::vector<float> quantities{0.0f, kLargestDraw};
    for (int k = 0; k < 200; ++k)
        quantities.push_back((static_cast<float>(k) + 0.5f) / 200.0f);
    for (Mode mode : {Mode::Metric, Mode::Imperial, Mode::Compound, Mode::MetricImperial}) {
        for (int row = 1; row <= rowCount(mode); ++row) {
            for (float r : quantities) {
                shell::ScriptedDraws draws({drawFor(row, rowCount(mode), 1), r});
                const units::Question q = units::calculate(mode, draws);
                EXPECT_LE(questionFont.horizontalAdvance(QString::fromStdString(q.question)),
                          units.Label2->width())
                    << q.question;
                EXPECT_LE(answerFont.horizontalAdvance(QString::fromStdString(q.answer)),
                          units.Label4->width())
                    << q.answer;
            }
        }
    }
}

TEST_F(UnitsScreenTest, ExitReturnsToMenu3)
{
    auto& units = open();
    click(units.Option3);
    click(units.cmdexit);
    settle();
    EXPECT_FALSE(screens.isLoaded(UnitsScreen::kName));
    EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("menu3")});

    auto& again = open();
    EXPECT_TRUE(again.Option1->isChecked()) << "every visit starts in Metric";
    EXPECT_EQ(again.mode(), Mode::Metric);
}

} // namespace
