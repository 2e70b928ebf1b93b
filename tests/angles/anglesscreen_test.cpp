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
    const bool obtuse = given == 0 || given == 3 || given == 4 || given == 7;
    before.push_back(drawFor(given, 8));
    before.push_back(obtuse ? drawFor(size - 95, 80) : drawFor(size - 10, 68));
    return before;
}

float sidesDraw(int sides)
{
    return drawFor(sides - 3, 10);
}

void expectVisible(const Widgets& controls, bool visible)
{
    for (const QWidget* control : controls)
        EXPECT_EQ(control->isVisible(), visible) << control->objectName().toStdString();
}

// The outline of a caption as its label draws it, in the screen's pixels: one line, centred,
// from the top.
QPainterPath inkOf(const shell::Label* label)
{
    const QFontMetricsF metrics(label->font());
    const QRectF contents = label->contentsRect().translated(label->pos());
    QPainterPath ink;
    ink.addText(contents.center().x() - metrics.horizontalAdvance(label->text()) / 2,
                contents.top() + metrics.ascent(), label->font(), label->text());
    return ink;
}

// The area a line covers, widened by a pixel on either side for its smoothing and for text
// drawn heavier than its outline.
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

    // Both screens draw from the script; each opening starts it afresh.
    void script(const std::vector<float>& draws)
    {
        ScreenTest::script(AnglesScreen::kParallelName, draws);
        ScreenTest::script(AnglesScreen::kPolygonsName, draws);
    }

    // As a user does: "Angles and Parallel Lines" on menu1, "Interior Angles of Polygons" on menu5.
    AnglesScreen& open(AnglesTopic topic)
    {
        const bool polygons = topic == AnglesTopic::Polygons;
        return openTopic<AnglesScreen>(polygons ? QStringLiteral("menu5") : QStringLiteral("menu1"), 3,
                                       polygons ? AnglesScreen::kPolygonsName : AnglesScreen::kParallelName);
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
    static Widgets polygonControls(const AnglesScreen& s)
    {
        return {s.Label2, s.Label3, s.Label4, s.Label5, s.Frame1, s.Label8};
    }

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

TEST_F(AnglesScreenTest, FirstParallelQuestionComesOnTheTickWithoutAPress)
{
    script(parallelDraws(1, 57));
    AnglesScreen& s = open(AnglesTopic::ParallelLines);
    EXPECT_EQ(s.windowTitle(), "Angles and Parallel Lines");
    EXPECT_TRUE(s.Timer1->isEnabled()) << "the load step ends by starting the timer";
    EXPECT_FALSE(s.Label1->isVisible());
    expectVisible(arrowheads(s), true);

    ASSERT_TRUE(waitForQuestion(s));
    EXPECT_FALSE(s.Timer1->isEnabled()) << "one question per start";
    EXPECT_EQ(s.Label1->caption(), "If the given angle = 57°, what are angles a, c, d, e, f, g and h?");
    expectVisible(questionControls(s), true);
    expectVisible(polygonControls(s), false);
    EXPECT_TRUE(s.drawing().empty());

    const QStringList captions{"a", " 57°", "c", "d", "e", "f", "g", "h"};
    for (int i = 0; i < angles::kAngleCount; ++i)
        EXPECT_EQ(s.Label7[i]->caption(), captions[i]);
}

TEST_F(AnglesScreenTest, SolutionBeforeAnyNextQuestionSolvesTheFirstQuestion)
{
    script(parallelDraws(6, 40));
    AnglesScreen& s = open(AnglesTopic::ParallelLines);
    ASSERT_TRUE(waitForQuestion(s));
    for (const char* press : {"first press", "second press"}) {
        SCOPED_TRACE(press);
        click(s.cmdsoln);
        EXPECT_TRUE(s.Frame1->isVisible());
        EXPECT_EQ(s.Label6->caption(), "Given angle = 40°, a = 140°, b = 40°, c = 40°, d = 140°, ");
        EXPECT_EQ(s.Label9->caption(), "e = 140°, f = 40°, h = 140°.");
        EXPECT_TRUE(s.Label1->isVisible()) << "the question stays";
    }
    screenshot(s, QStringLiteral("parallel-solved.png"));
}

TEST_F(AnglesScreenTest, NextQuestionHidesTheOldAtOnceAndKeepsTheArrowheads)
{
    script(parallelDraws(0, 174, parallelDraws(1, 57)));
    AnglesScreen& s = open(AnglesTopic::ParallelLines);
    ASSERT_TRUE(waitForQuestion(s));
    click(s.cmdsoln);
    ASSERT_TRUE(s.Frame1->isVisible());

    click(s.cmdgo);
    ASSERT_TRUE(s.Timer1->isEnabled()) << "the new question waits for the tick";
    expectVisible(questionControls(s), false);
    expectVisible(polygonControls(s), false);
    expectVisible(arrowheads(s), true);

    // Until the tick the captions are still the old question's.
    click(s.cmdsoln);
    EXPECT_EQ(s.Label6->caption(), "Given angle = 57°, a = 123°, c = 57°, d = 123°, ");
    QTest::keyClick(&s, Qt::Key_Up);
    EXPECT_FALSE(s.Frame1->isVisible()) << "the presenter's back key hides the answer";
    click(s.cmdsoln);

    ASSERT_TRUE(waitForQuestion(s));
    EXPECT_FALSE(s.Frame1->isVisible()) << "the old question's answer goes when the new question comes";
    EXPECT_EQ(s.Label1->caption(), "If the given angle = 174°, what are angles b, c, d, e, f, g and h?");
    EXPECT_EQ(s.Label7[0]->caption(), " 174°");
    EXPECT_EQ(s.Label7[1]->caption(), "b");
    expectVisible(arrowheads(s), true);
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
    script(draws);
    AnglesScreen& s = open(AnglesTopic::ParallelLines);
    for (const auto& [given, size] : questions) {
        const QString letter = QString::fromStdString(angles::angleLetter(given));
        SCOPED_TRACE(QStringLiteral("%1 = %2").arg(letter).arg(size).toStdString());
        ASSERT_TRUE(waitForQuestion(s));
        const shell::Label* label = s.Label7[given];
        ASSERT_EQ(label->caption(), QStringLiteral(" %1°").arg(size));
        for (int line = 0; line < 3; ++line)
            EXPECT_FALSE(inkOf(label).intersects(strokeOf(angles::kParallelLines[line])))
                << "Line" << line + 1;
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

TEST_F(AnglesScreenTest, PolygonTopicKeepsTheChosenKind)
{
    script({sidesDraw(4), sidesDraw(5), sidesDraw(6), sidesDraw(7), sidesDraw(8)});
    AnglesScreen& s = open(AnglesTopic::Polygons);
    ASSERT_NE(s.Option2, nullptr);
    EXPECT_EQ(s.Option1->text(), "Split into triangles");
    EXPECT_EQ(s.Option2->text(), "Angle at the centre");
    EXPECT_TRUE(s.Option1->isChecked());
    EXPECT_EQ(s.problemKind(), AnglesScreen::Triangles);
    EXPECT_TRUE(s.Label1->isVisible()) << "polygon questions need no tick";
    EXPECT_EQ(s.Label1->caption(), "What are the interior angles of a square?");
    expectVisible(arrowheads(s), false);

    click(s.Option2);
    EXPECT_EQ(s.Label1->caption(), "What are the interior angles of a regular pentagon?");
    EXPECT_TRUE(s.Label2->isVisible());
    click(s.cmdgo);
    EXPECT_EQ(s.problemKind(), AnglesScreen::CentreAngle) << "the next question keeps the kind";
    EXPECT_EQ(s.Label1->caption(), "What are the interior angles of a regular hexagon?");
    click(s.cmdsoln);
    EXPECT_TRUE(s.Frame1->isVisible());
    EXPECT_EQ(s.Label6->caption().toStdString(), angles::centreAngleSolution(6));
    expectVisible({s.Label6, s.Label3, s.Label4, s.Label5}, true);
    expectVisible({s.Label9, s.Label2}, false);

    click(s.Option1);
    EXPECT_FALSE(s.Frame1->isVisible());
    click(s.cmdgo);
    EXPECT_EQ(s.problemKind(), AnglesScreen::Triangles);
    EXPECT_EQ(s.Label1->caption(), "What are the interior angles of a regular octagon?");
    click(s.cmdsoln);
    EXPECT_TRUE(s.Frame1->isVisible());
    EXPECT_EQ(s.Label6->caption().toStdString(), angles::trianglesSolution(8).text);
    EXPECT_EQ(s.Label8->caption(),
              "As 6 times 180° equals 8 times the interior angle, the interior angle is 135°.");
    EXPECT_TRUE(s.Label8->isVisible());
}

TEST_F(AnglesScreenTest, PolygonFiguresAsDrawn)
{
    const std::tuple black3{0, 0, 0, 3}, black2{0, 0, 0, 2}, yellow5{255, 255, 0, 5}, green5{0, 128, 0, 5},
        red5{255, 0, 0, 5};
    script({sidesDraw(5), sidesDraw(3), sidesDraw(5), sidesDraw(12)});
    AnglesScreen& s = open(AnglesTopic::Polygons);
    EXPECT_EQ(lineCounts(s), (Counts{{black3, 2}, {yellow5, 5}})) << "pentagon in triangles";
    const shell::Figure triangles = s.drawing();
    click(s.cmdsoln);
    EXPECT_EQ(s.drawing(), triangles) << "the solution shows the same triangles";
    QTest::keyClick(&s, Qt::Key_Up);
    expectVisible({s.Frame1, s.Label8}, false);

    click(s.cmdgo);
    EXPECT_EQ(lineCounts(s), (Counts{{yellow5, 3}})) << "a triangle has no diagonal; the pentagon is gone";

    click(s.Option2);
    EXPECT_EQ(lineCounts(s), (Counts{{green5, 2}, {yellow5, 5}})) << "pentagon with its angle marked";
    const shell::Figure marked = s.drawing();
    const QRect a = s.Label2->geometry();
    click(s.cmdsoln);
    EXPECT_EQ(lineCounts(s), (Counts{{green5, 2}, {black2, 5}, {yellow5, 5}, {red5, 3}}));
    for (std::size_t i = s.drawing().size() - 3; i < s.drawing().size(); ++i)
        EXPECT_EQ(s.drawing()[i].colour, shell::colour::red) << "the red triangle goes on top";

    QTest::keyClick(&s, Qt::Key_Up);
    EXPECT_EQ(s.drawing(), marked) << "back to the question's figure";
    EXPECT_EQ(s.Label2->geometry(), a);
    expectVisible({s.Label2}, true);
    expectVisible({s.Label3, s.Label4, s.Label5, s.Frame1}, false);

    click(s.cmdgo);
    EXPECT_EQ(lineCounts(s), (Counts{{green5, 2}, {yellow5, 12}})) << "dodecagon";
}

} // namespace
