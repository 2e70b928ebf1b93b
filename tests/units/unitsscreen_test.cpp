// The Units screen: opened from its topic menu, the reference frame beside an open question of
// modes 2 and 4 and the answer frame in its place once the solution is shown; every text fits.
#include "screentest.h"
#include "workedexample.h"

#include "shell/core/randomsource.h"
#include "units/activity.h"
#include "units/unitsscreen.h"

#include <QFontMetrics>

#include <vector>

namespace {

using shell::kLargestDraw;
using testing_support::drawAt;
using testing_support::drawFor;
using units::Mode;
using units::UnitsScreen;

int rowCount(Mode mode)
{
    return mode == Mode::Metric ? 12 : mode == Mode::Imperial ? 20 : mode == Mode::Compound ? 6 : 8;
}

class UnitsScreenTest : public testing_support::ScreenTest {
protected:
    UnitsScreenTest() { units::defineScreens(screens); }

    // As a user does: the topic "Units" on menu3.
    UnitsScreen& open() { return openTopic<UnitsScreen>(QStringLiteral("menu3"), 4, UnitsScreen::kName); }

    static std::vector<bool> frames(const UnitsScreen& s)
    {
        return {s.Frame1->isVisible(), s.Frame2->isVisible(), s.Frame3->isVisible()};
    }
};

const std::vector<bool> kOnlyQuestion{false, false, false};
const std::vector<bool> kAnswer{true, false, false};
const std::vector<bool> kImperial{false, true, false};
const std::vector<bool> kApproximate{false, false, true};

// The facts of each frame are those a worksheet of its mode prints, each on one line.
TEST_F(UnitsScreenTest, ReferenceFactsStandInTheirFrames)
{
    auto& units = open();
    for (const auto& [frame, mode] : {std::pair{units.Frame2, 1}, std::pair{units.Frame3, 3}}) {
        const shell::SheetIntro intro = units::activities()[0].intro(mode);
        QStringList shown;
        for (const shell::Label* label : frame->findChildren<shell::Label*>()) {
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
            shown << label->text();
        }
        QStringList expected;
        for (const std::string& fact : intro.facts)
            expected << QString::fromStdString(fact);
        EXPECT_EQ(frame->caption(), QString::fromStdString(intro.factsHeading));
        shown.sort();
        expected.sort();
        EXPECT_EQ(shown, expected);
    }
}

TEST_F(UnitsScreenTest, OpensInMetricModeWithTheQuestionAlone)
{
    script(UnitsScreen::kName, {drawAt(0, 12), drawFor(57, 1, 100)});
    auto& units = open();
    EXPECT_EQ(units.windowTitle(), "Units");
    EXPECT_EQ(units.mode(), Mode::Metric);
    EXPECT_TRUE(units.Option1->isChecked());
    EXPECT_EQ(units.Label1->text(), "Convert...");
    EXPECT_EQ(units.Label2->text(), "57 km to metres");
    EXPECT_EQ(units.Label4->text(), "57000 m") << "filled, waiting in the hidden answer frame";
    EXPECT_EQ(frames(units), kOnlyQuestion);
}

TEST_F(UnitsScreenTest, ReferenceFramesFollowTheModeAndTheAnswer)
{
    auto& units = open();
    const struct {
        const char* step;
        QWidget* press; // clicked, or else the key pressed
        Qt::Key key;
        std::vector<bool> frames;
    } steps[] = {
        {"metric solved", units.cmdsoln, {}, kAnswer},
        {"metric back", nullptr, Qt::Key_Up, kOnlyQuestion},
        {"imperial", units.Option2, {}, kImperial},
        {"imperial solved", units.cmdsoln, {}, kAnswer},
        {"imperial next", units.cmdgo, {}, kImperial},
        {"imperial presenter forward", nullptr, Qt::Key_PageDown, kAnswer},
        {"imperial presenter back", nullptr, Qt::Key_PageUp, kImperial},
        {"approximate", units.Option4, {}, kApproximate},
        {"approximate solved", units.cmdsoln, {}, kAnswer},
        {"approximate back", nullptr, Qt::Key_Up, kApproximate},
        {"imperial from approximate", units.Option2, {}, kImperial},
        {"approximate from imperial", units.Option4, {}, kApproximate},
        {"approximate solved", units.cmdsoln, {}, kAnswer},
        {"imperial from a solved question", units.Option2, {}, kImperial},
        {"compound", units.Option3, {}, kOnlyQuestion},
        {"compound solved", units.cmdsoln, {}, kAnswer},
        {"compound back", nullptr, Qt::Key_Left, kOnlyQuestion},
        {"compound solved", units.cmdsoln, {}, kAnswer},
        {"metric from a solved question", units.Option1, {}, kOnlyQuestion},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        clickOrPress(s.press, &units, s.key);
        EXPECT_EQ(frames(units), s.frames);
    }
    EXPECT_TRUE(units.Option1->isChecked());
}

// Every question and answer of every row, at every quantity, on one line of its label.
TEST_F(UnitsScreenTest, EveryTextFitsItsLine)
{
    auto& units = open();
    std::vector<float> quantities{0.0f, kLargestDraw};
    for (int k = 0; k < 200; ++k)
        quantities.push_back(drawAt(k, 200));
    for (Mode mode : {Mode::Metric, Mode::Imperial, Mode::Compound, Mode::MetricImperial}) {
        for (int row = 1; row <= rowCount(mode); ++row) {
            for (float r : quantities) {
                shell::ScriptedDraws draws({drawAt(row - 1, rowCount(mode)), r});
                const units::Question q = units::calculate(mode, draws);
                for (const auto& [label, text] :
                     {std::pair{units.Label2, q.question}, std::pair{units.Label4, q.answer}})
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromStdString(text)),
                              label->width())
                        << text;
            }
        }
    }
}

} // namespace
