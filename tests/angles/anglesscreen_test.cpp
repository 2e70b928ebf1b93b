// The Angles screens: the parallel lines' question coming on the timer's tick, its given angle's
// label kept clear of the lines, and the polygons' two kinds with the figure each draws.
#include "screentest.h"

#include "angles/anglesscreen.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTest>

#include <map>
#include <tuple>
#include <vector>

namespace {

using angles::AnglesScreen;
using angles::AnglesTopic;
using Widgets = std::vector<QWidget*>;

// A draw that lands on the given whole number out of count.
float drawFor(int index, int count)
{
    return (static_cast<float>(index) + 0.5f) / static_cast<float>(count);
}

std::vector<float> parallelDraws(int given, int size, std::vector<float> before = {})
{
    const bool obtuse = angles::kAngleLabels[given].group == angles::SizeGroup::Obtuse;
    before.push_back(drawFor(given, 8));
    before.push_back(obtuse ? drawFor(size - 95, 80) : drawFor(size - 10, 68));
    return before;
}

void expectVisible(const Widgets& controls, bool visible)
{
    for (const QWidget* control : controls)
        EXPECT_EQ(control->isVisible(), visible) << control->objectName().toStdString();
}

// The outline of a caption as its label draws it, in the screen's pixels: one line, centred, from the top.
QPainterPath inkOf(const shell::Label* label)
{
    const QFontMetricsF metrics(label->font());
    const QRectF contents = label->contentsRect().translated(label->pos());
    QPainterPath ink;
    ink.addText(contents.center().x() - metrics.horizontalAdvance(label->text()) / 2,
                contents.top() + metrics.ascent(), label->font(), label->text());
    return ink;
}

// The area a line covers, widened by a pixel on either side for its smoothing and for heavier text.
QPainterPath strokeOf(const shell::Segment& line)
{
    QPainterPath path(shell::toPixelPoint(line.from));
    path.lineTo(shell::toPixelPoint(line.to));
    QPainterPathStroker stroker;
    stroker.setWidth(line.widthPixels + 2);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(path);
}

class AnglesScreenTest : public testing_support::ScreenTest {
protected:
    AnglesScreenTest() { angles::defineScreens(screens); }

    // As a user does: "Angles and Parallel Lines" on menu1, "Interior Angles of Polygons" on menu5.
    AnglesScreen& open(AnglesTopic topic, const std::vector<float>& draws = {})
    {
        const bool polygons = topic == AnglesTopic::Polygons;
        const QString name = polygons ? AnglesScreen::kPolygonsName : AnglesScreen::kParallelName;
        if (!draws.empty())
            script(name, draws);
        return openTopic<AnglesScreen>(polygons ? QStringLiteral("menu5") : QStringLiteral("menu1"), 3, name);
    }

    static bool waitForQuestion(const AnglesScreen& screen)
    {
        return QTest::qWaitFor([&] { return screen.Label1->isVisible(); }, 2000);
    }

    static Widgets questionControls(const AnglesScreen& s)
    {
        Widgets controls{s.Line1, s.Line2, s.Line3, s.Label1};
        for (int i = 0; i < angles::kAngleCount; ++i)
            controls.push_back(s.Label7[i]);
        return controls;
    }
    static Widgets arrowheads(const AnglesScreen& s) { return {s.Line4, s.Line5, s.Line6, s.Line7}; }

    // How many lines of each colour and width are drawn: {red, green, blue, pixels} -> count.
    using Counts = std::map<std::tuple<int, int, int, int>, int>;
    static Counts lineCounts(const AnglesScreen& s)
    {
        Counts counts;
        for (const shell::Segment& line : s.drawing())
            ++counts[{line.colour.red, line.colour.green, line.colour.blue, line.widthPixels}];
        return counts;
    }
};

// The question comes on the tick without a press; Next hides it at once, and until the next tick
// the solution is still the old question's.
TEST_F(AnglesScreenTest, ParallelQuestionsComeOnTheTick)
{
    AnglesScreen& s = open(AnglesTopic::ParallelLines, parallelDraws(0, 174, parallelDraws(6, 40)));
    EXPECT_TRUE(s.Timer1->isEnabled()) << "the load step ends by starting the timer";
    expectVisible({s.Label1}, false);
    expectVisible(arrowheads(s), true);
    ASSERT_TRUE(waitForQuestion(s));
    EXPECT_FALSE(s.Timer1->isEnabled()) << "one question per start";
    expectVisible(questionControls(s), true);
    expectVisible({s.Label2, s.Label3, s.Label4, s.Label5, s.Frame1, s.Label8}, false);
    EXPECT_TRUE(s.drawing().empty());
    EXPECT_EQ(s.Label7[6]->caption(), " 40°");
    for (const char* press : {"first press", "second press"}) {
        SCOPED_TRACE(press);
        click(s.cmdsoln);
        EXPECT_EQ(s.Label6->caption(), "Given angle = 40°, a = 140°, b = 40°, c = 40°, d = 140°, ");
        EXPECT_EQ(s.Label9->caption(), "e = 140°, f = 40°, h = 140°.");
        expectVisible({s.Frame1, s.Label1}, true);
    }
    screenshot(s, QStringLiteral("parallel-solved.png"));

    click(s.cmdgo);
    ASSERT_TRUE(s.Timer1->isEnabled()) << "the new question waits for the tick";
    expectVisible(questionControls(s), false);
    expectVisible({s.Frame1}, false);
    expectVisible(arrowheads(s), true);
    click(s.cmdsoln);
    EXPECT_EQ(s.Label6->caption(), "Given angle = 40°, a = 140°, b = 40°, c = 40°, d = 140°, ");
    QTest::keyClick(&s, Qt::Key_Up);
    EXPECT_FALSE(s.Frame1->isVisible()) << "the presenter's back key hides the answer";
    click(s.cmdsoln);
    ASSERT_TRUE(waitForQuestion(s));
    EXPECT_FALSE(s.Frame1->isVisible()) << "the old question's answer goes when the new question comes";
    EXPECT_EQ(s.Label7[0]->caption(), " 174°");
    EXPECT_EQ(s.Label7[6]->caption(), "g");
    QTest::keyClick(&s, Qt::Key_PageDown);
    EXPECT_EQ(s.Label9->caption(), "e = 174°, f = 6°, g = 6°, h = 174°.");
}

TEST_F(AnglesScreenTest, GivenAnglesStandClearOfTheLines)
{
    // Every position with the shortest and the longest size it is given, one question after
    // another, so that a label moved for one question must come back for the next.
    std::vector<std::pair<int, int>> questions;
    std::vector<float> draws;
    for (int given = 0; given < angles::kAngleCount; ++given) {
        const bool obtuse = angles::kAngleLabels[given].group == angles::SizeGroup::Obtuse;
        for (int size : obtuse ? std::vector{95, 174} : std::vector{10, 77}) {
            questions.emplace_back(given, size);
            draws = parallelDraws(given, size, draws);
        }
    }
    AnglesScreen& s = open(AnglesTopic::ParallelLines, draws);
    for (const auto& [given, size] : questions) {
        SCOPED_TRACE(angles::angleLetter(given) + " = " + std::to_string(size));
        ASSERT_TRUE(waitForQuestion(s));
        const shell::Label* label = s.Label7[given];
        ASSERT_EQ(label->caption(), QStringLiteral(" %1°").arg(size));
        for (int line = 0; line < 3; ++line)
            EXPECT_FALSE(inkOf(label).intersects(strokeOf(angles::kParallelLines[line]))) << "Line" << line + 1;
        for (int i = 0; i < angles::kAngleCount; ++i) {
            if (i != given) {
                EXPECT_EQ(s.Label7[i]->leftTwips(), angles::kAngleLabels[i].left) << angles::angleLetter(i);
            }
        }
        click(s.cmdgo);
    }
}

// Exit after the first tick is the program test's, for both topics.
TEST_F(AnglesScreenTest, ExitBeforeTheFirstTickReturnsToMenu1)
{
    AnglesScreen& s = open(AnglesTopic::ParallelLines);
    ASSERT_TRUE(s.Timer1->isEnabled());
    click(s.cmdexit);
    settle();
    EXPECT_FALSE(screens.isLoaded(AnglesScreen::kParallelName));
    EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("menu1")});
    QTest::qWait(5);
    EXPECT_TRUE(fatalMessages.isEmpty());
}

// The chosen kind decides the figure, the labels and the solution; the next question keeps it.
TEST_F(AnglesScreenTest, PolygonKindsAndTheirFigures)
{
    const std::tuple black3{0, 0, 0, 3}, black2{0, 0, 0, 2}, yellow5{255, 255, 0, 5}, green5{0, 128, 0, 5},
        red5{255, 0, 0, 5};
    AnglesScreen& s = open(AnglesTopic::Polygons, {drawFor(5, 10), drawFor(0, 10), drawFor(2, 10), drawFor(9, 10)});
    EXPECT_EQ(s.Option1->text(), "Split into triangles");
    EXPECT_EQ(s.Option2->text(), "Angle at the centre");
    EXPECT_TRUE(s.Option1->isChecked());
    EXPECT_EQ(s.problemKind(), AnglesScreen::Triangles);
    EXPECT_TRUE(s.Label1->isVisible()) << "polygon questions need no tick";
    expectVisible(arrowheads(s), false);
    EXPECT_EQ(s.Label1->caption(), "What are the interior angles of a regular octagon?");
    EXPECT_EQ(lineCounts(s), (Counts{{black3, 5}, {yellow5, 8}})) << "octagon in triangles";
    const shell::Figure triangles = s.drawing();
    click(s.cmdsoln);
    EXPECT_EQ(s.drawing(), triangles) << "the solution shows the same triangles";
    EXPECT_EQ(s.Label6->caption().toStdString(), angles::trianglesSolution(8).text);
    EXPECT_EQ(s.Label8->caption(), "As 6 times 180° equals 8 times the interior angle, the interior angle is 135°.");
    expectVisible({s.Frame1, s.Label8}, true);
    click(s.cmdgo);
    expectVisible({s.Frame1, s.Label8}, false);
    EXPECT_EQ(lineCounts(s), (Counts{{yellow5, 3}})) << "a triangle has no diagonal; the octagon is gone";

    click(s.Option2);
    EXPECT_EQ(s.problemKind(), AnglesScreen::CentreAngle);
    EXPECT_EQ(s.Label1->caption(), "What are the interior angles of a regular pentagon?");
    EXPECT_EQ(lineCounts(s), (Counts{{green5, 2}, {yellow5, 5}})) << "pentagon with its angle marked";
    const shell::Figure marked = s.drawing();
    const QRect a = s.Label2->geometry();
    click(s.cmdsoln);
    EXPECT_EQ(lineCounts(s), (Counts{{green5, 2}, {black2, 5}, {yellow5, 5}, {red5, 3}}));
    for (std::size_t i = s.drawing().size() - 3; i < s.drawing().size(); ++i)
        EXPECT_EQ(s.drawing()[i].colour, shell::colour::red) << "the red triangle goes on top";
    EXPECT_EQ(s.Label6->caption().toStdString(), angles::centreAngleSolution(5));
    expectVisible({s.Label6, s.Label3, s.Label4, s.Label5}, true);
    expectVisible({s.Label9, s.Label2, s.Label8}, false);
    QTest::keyClick(&s, Qt::Key_Up);
    EXPECT_EQ(s.drawing(), marked) << "back to the question's figure";
    EXPECT_EQ(s.Label2->geometry(), a);
    expectVisible({s.Label2}, true);
    expectVisible({s.Label3, s.Label4, s.Label5, s.Frame1}, false);

    click(s.cmdgo);
    EXPECT_EQ(s.problemKind(), AnglesScreen::CentreAngle) << "the next question keeps the kind";
    EXPECT_EQ(lineCounts(s), (Counts{{green5, 2}, {yellow5, 12}})) << "dodecagon";
    click(s.Option1);
    EXPECT_EQ(s.problemKind(), AnglesScreen::Triangles);
}

} // namespace
