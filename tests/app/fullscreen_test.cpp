// Full screen on the displays of displays.json, which reach different layout code: every screen goes
// full screen on the display holding its window, scaled evenly and centred between bars of its
// background blue; clicks, keys and blanking work there as drawn.
#include "screentest.h"

#include "allscreens.h"
#include "mappings/mappingsscreen.h"
#include "shell/activityscreen.h"
#include "shell/mainmenu.h"
#include "shell/standardscreen.h"
#include "shell/titlescreen.h"
#include "shell/topicmenu.h"
#include "shell/toolkit/fittedtext.h"
#include "shell/toolkit/stage.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <map>

namespace {

using shell::Screen;

struct Display {
    const char* name;
    double scale;       // the largest at which the 792 by 566 design fits both ways
    QRect stage;        // where the design is shown, in the display's pixels
    bool pictureCopies; // whether pictures come from their @2x copies (scale above 1.4)
    bool countdownInBar; // whether a side bar is about as wide as the countdown's corner
};

// The largest; one just past the scale that takes the @2x copies; one narrower than the design, with
// bars above and below; the smallest (1366 by 768 at 150 %).
const Display kDisplays[] = {
    {"projector", 1080.0 / 566, {204, 0, 1511, 1080}, true, true},
    {"laptop", 800.0 / 566, {80, 0, 1119, 800}, true, false},
    {"classroom", 1024.0 / 792, {0, 18, 1024, 732}, false, false},
    {"small", 512.0 / 566, {97, 0, 716, 512}, false, true},
};

const QColor kScreenBlue(49, 135, 215);

// A control as shown: its place on its screen and its font's size, in pixels. Line controls are
// left out: their box holds a line and its caps, not in proportion.
struct Look {
    QRect place;
    int fontPixels;
    friend bool operator==(const Look&, const Look&) = default;
};

std::map<const QWidget*, Look> looksOf(const Screen& screen)
{
    std::map<const QWidget*, Look> looks;
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        if (!widget->isWindow() && widget->isVisibleTo(&screen) &&
            !qobject_cast<const shell::LineControl*>(widget))
            looks[widget] = {{widget->mapTo(&screen, QPoint(0, 0)), widget->size()}, widget->font().pixelSize()};
    }
    return looks;
}

QScreen* displayOf(const Display& d)
{
    const QList<QScreen*> all = QGuiApplication::screens();
    return *std::find_if(all.begin(), all.end(), [&](QScreen* s) { return s->name() == QLatin1String(d.name); });
}

class FullScreen : public testing_support::ScreenTest {
protected:
    FullScreen()
    {
        defineAllScreens(screens);
        seedActivities([] { return 20261216; });
    }

    void SetUp() override { ASSERT_EQ(QGuiApplication::screens().size(), 4) << "run with displays.json"; }

    QWidget* stage() const { return screens.stage().window(); }

    // Shows the screen in a window on the display, with its first question on it.
    Screen& showOn(const QString& name, const Display& d)
    {
        Screen& screen = screens.show(name);
        screen.move(displayOf(d)->geometry().topLeft() + QPoint(40, 30));
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.window()));
        auto* timer = screen.findChild<shell::Timer*>(QStringLiteral("Timer1"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !timer || !timer->isEnabled(); }));
        return screen;
    }

    // Where the stage window shows the middle of the control.
    QPoint shownAt(const QWidget* control) const { return control->mapTo(stage(), control->rect().center()); }

    // A real click on the stage window: Qt finds the control under it.
    void clickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(stage()->windowHandle(), button, {}, at);
        settle();
    }

    // A key as the keyboard sends it: to the window with the keyboard focus.
    static void press(Qt::Key key)
    {
        QWindow* window = QGuiApplication::focusWindow();
        ASSERT_NE(window, nullptr);
        QTest::keyClick(window, key);
        settle();
    }

    // Every control on show stands where the design puts it at the scale, with its font scaled,
    // and none that is inside the window is past the edge of the display.
    static void expectScaled(const Screen& screen, const std::map<const QWidget*, Look>& windowed, double scale)
    {
        for (const auto& [widget, look] : looksOf(screen)) {
            SCOPED_TRACE(widget->objectName().toStdString());
            ASSERT_EQ(windowed.count(widget), 1u);
            const Look& was = windowed.at(widget);
            const QRectF scaled(QPointF(was.place.topLeft()) * scale, QSizeF(was.place.size()) * scale);
            const QPointF off = look.place.topLeft() - scaled.topLeft();
            EXPECT_TRUE(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2) << "placed " << off.x() << "," << off.y();
            // Text sized to itself grows with its font, which is not exactly linear.
            EXPECT_NEAR(look.place.width(), scaled.width(), 2 + 0.05 * scaled.width());
            EXPECT_NEAR(look.place.height(), scaled.height(), 2 + 0.05 * scaled.height());
            if (QRect(0, 0, 792, 566).contains(was.place)) {
                EXPECT_TRUE(screen.rect().contains(look.place)) << "past the edge of the display";
            }
            if (was.fontPixels > 0) {
                EXPECT_NEAR(look.fontPixels, was.fontPixels * scale, (scale + 1) / 2) << "font scaled";
            }
        }
    }

    // Chooses the right-click menu's last entry, which must read `text`.
    static void chooseLastEntry(const QString& text)
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu && !menu->actions().isEmpty()) << "no right-click menu";
        menu->hide();
        QAction* last = menu->actions().last();
        EXPECT_EQ(last->text(), text);
        last->trigger();
        settle();
    }

    // The display shows the colour in every bar around the stage.
    void expectBarsIn(const QColor& colour, const Display& d) const
    {
        const QImage shown = stage()->grab().toImage();
        const QRect& s = d.stage;
        for (const QPoint bar : {QPoint(s.left() / 2, s.center().y()), QPoint(s.center().x(), s.top() / 2),
                                 QPoint((s.right() + shown.width()) / 2, s.center().y()),
                                 QPoint(s.center().x(), (s.bottom() + shown.height()) / 2)}) {
            if (!s.contains(bar)) {
                EXPECT_EQ(shown.pixelColor(bar), colour) << "bar at " << bar.x() << "," << bar.y();
            }
        }
    }
};

TEST_F(FullScreen, EveryKindOfScreenScalesEvenlyOntoTheDisplayHoldingItsWindow)
{
    // The main menu, a topic menu, the links screen, activities of their own screens and one on
    // the standard frame, with the countdown on.
    const char* const kinds[] = {"intro0",   "menu1",         "links",    "sigfig",  "mappings",
                                 "compoundunits", "parallel", "polygons", "perfectnumbers"};
    for (const Display& d : kDisplays) {
        for (const char* kind : kinds) {
            SCOPED_TRACE(std::string(d.name) + " " + kind);
            Screen& screen = showOn(QLatin1String(kind), d);
            auto* activity = qobject_cast<shell::ActivityScreen*>(&screen);
            if (activity)
                press(Qt::Key_T);
            const QPoint windowPlace = screen.pos();
            const auto windowed = looksOf(screen);

            press(Qt::Key_F11);
            ASSERT_NE(stage(), nullptr);
            EXPECT_EQ(stage()->geometry(), displayOf(d)->geometry());
            EXPECT_EQ(screen.geometry(), d.stage);
            if (activity) {
                // The countdown's next tick places it for the display's scale: in the side bar
                // where it is about as large there as in the corner's 1740 by 1000 twips, and
                // otherwise in the corner, scaled with the screen.
                activity->findChild<shell::Timer*>(QStringLiteral("countdownTimer"))->onTick();
                shell::FittedText* countdown = activity->countdown();
                EXPECT_TRUE(countdown->isVisible());
                EXPECT_EQ(countdown->parentWidget(), d.countdownInBar ? stage() : &screen);
                if (d.countdownInBar) {
                    EXPECT_GT(countdown->geometry().left(), d.stage.right());
                    EXPECT_LE(countdown->geometry().right(), stage()->width());
                    EXPECT_GE(countdown->fontPixels(), countdown->height() / 3);
                }
                EXPECT_EQ(activity->cmdgo->picture().devicePixelRatio(), d.pictureCopies ? 2 : 1);
            }
            expectScaled(screen, windowed, d.scale);
            expectBarsIn(kScreenBlue, d);
            if (!screen.backgroundPicture().isNull()) {
                EXPECT_EQ(screen.backgroundPicture().devicePixelRatio(), d.pictureCopies ? 2 : 1);
            }
            // The question line, 36 points and more than 64 pixels high on the projector, is drawn.
            auto* standard = qobject_cast<shell::StandardActivityScreen*>(&screen);
            if (standard && &d == kDisplays) {
                const QImage shown = stage()->grab().toImage();
                const QRect line(standard->question[0]->mapTo(stage(), QPoint()), standard->question[0]->size());
                int yellow = 0;
                for (int x = line.left(); x <= line.right(); ++x)
                    yellow += shown.pixelColor(x, line.center().y()) == QColor(Qt::yellow);
                EXPECT_GT(yellow, 20) << "the question line is not drawn";
            }
            screenshot(*stage(), QStringLiteral("fullscreen-%1-%2.png").arg(QLatin1String(d.name), kind));

            press(Qt::Key_F11);
            if (activity)
                activity->findChild<shell::Timer*>(QStringLiteral("countdownTimer"))->onTick();
            EXPECT_EQ(stage(), nullptr);
            EXPECT_TRUE(screen.isWindow());
            EXPECT_EQ(screen.pos(), windowPlace) << "back where the window stood";
            EXPECT_TRUE(looksOf(screen) == windowed) << "the window as it was";
            EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();
            for (const QString& loaded : screens.loadedNames())
                screens.unload(loaded);
            settle();
        }
    }
}

TEST_F(FullScreen, ClicksKeysAndBlankingWorkAsDrawnFromScreenToScreenWithNoDesktopBetween)
{
    const Display& d = kDisplays[0];
    showOn(QStringLiteral("intro0"), d);
    press(Qt::Key_F11);
    ASSERT_NE(stage(), nullptr);
    // From here on the stage stays up and no screen opens a window of its own.
    struct Watch : QObject {
        int stageHiddenOrWindowsShown = 0;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            const bool stage = watched->objectName() == QLatin1String("stage");
            const bool window = qobject_cast<Screen*>(watched) && static_cast<QWidget*>(watched)->isWindow();
            stageHiddenOrWindowsShown += (event->type() == QEvent::Hide && stage) || (event->type() == QEvent::Show && window);
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);

    // The side menu entry "Menu 2", highlighted and clicked; its topic "Mappings", then the
    // activity's solution button.
    auto& main = screenAs<shell::MainMenu>(QStringLiteral("intro0"));
    QTest::mouseMove(stage()->windowHandle(), shownAt(main.Label2[1]));
    EXPECT_TRUE(main.Label2[1]->isOpaque() && !main.Label2[2]->isOpaque());
    clickAt(shownAt(main.Label2[1]));
    ASSERT_TRUE(screens.isLoaded(QStringLiteral("menu2")));
    clickAt(shownAt(topicOf(QStringLiteral("menu2"), 3)));
    auto* mappings = qobject_cast<mappings::MappingsScreen*>(screens.find(QStringLiteral("mappings")));
    ASSERT_NE(mappings, nullptr);
    EXPECT_EQ(mappings->parentWidget(), stage());
    clickAt(shownAt(mappings->cmdsoln));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(mappings->Label5[i]->isVisible() && mappings->Label4[i]->isVisible()) << "both columns";

    // A remote's keys reach the screen in front: the slideshow keys stay in the lesson, the blank
    // key blacks out the whole display.
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_F5, Qt::Key_PageDown})
        press(key);
    EXPECT_FALSE(mappings->Label5[0]->isVisible() && mappings->Label4[0]->isVisible()) << "a new question";
    press(Qt::Key_B);
    ASSERT_TRUE(mappings->isBlanked());
    expectBarsIn(Qt::black, d);
    EXPECT_EQ(stage()->grab().toImage().pixelColor(d.stage.center()), QColor(Qt::black));
    press(Qt::Key_Period);
    expectBarsIn(kScreenBlue, d);

    // The exit button, then the menu's exit.
    clickAt(shownAt(mappings->cmdexit));
    EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("menu2")});
    clickAt(shownAt(screenAs<shell::TopicMenu>(QStringLiteral("menu2")).Command1));
    EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("intro0")});
    qApp->removeEventFilter(&watch);
    EXPECT_EQ(watch.stageHiddenOrWindowsShown, 0);
    EXPECT_EQ(stage()->geometry(), displayOf(d)->geometry());
}

TEST_F(FullScreen, TheRightClickMenuTogglesItThePointerHidesWhenStillAndTheTitleScreenStaysAWindow)
{
    const Display& d = kDisplays[2];
    screens.stage().setPointerIdleTime(30);
    // On a control that takes the mouse itself, and on a bar, the menu is the same.
    Screen& screen = showOn(QStringLiteral("sigfig"), d);
    QTest::mouseClick(screen.windowHandle(), Qt::RightButton, {}, QPoint(745, 500));
    chooseLastEntry(QStringLiteral("Full screen"));
    ASSERT_NE(stage(), nullptr);
    // The pointer hides when still and comes back on the first move.
    ASSERT_TRUE(QTest::qWaitFor([&] { return screens.stage().isPointerHidden(); }));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    QTest::mouseMove(stage()->windowHandle(), QPoint(100, 100));
    EXPECT_FALSE(screens.stage().isPointerHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screens.stage().isPointerHidden(); }));
    clickAt(QPoint(1, 1), Qt::RightButton);
    chooseLastEntry(QStringLiteral("Leave full screen"));
    EXPECT_EQ(stage(), nullptr);
    EXPECT_TRUE(screen.isWindow() && screen.isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "a window shows the pointer";
    screens.unload(QStringLiteral("sigfig"));
    settle();

    // What `chalkface --fullscreen` does: the title screen stays a small window without a menu,
    // and the main menu opens full screen on the title screen's display.
    screens.setFullScreen(true);
    auto& title = static_cast<shell::TitleScreen&>(showOn(shell::TitleScreen::kName, d));
    EXPECT_TRUE(title.isWindow());
    EXPECT_EQ(stage(), nullptr);
    QTest::mouseClick(title.windowHandle(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    click(title.Command1);
    settle();
    ASSERT_NE(stage(), nullptr);
    EXPECT_EQ(stage()->geometry(), displayOf(d)->geometry());
    EXPECT_EQ(screens.find(QStringLiteral("intro0"))->geometry(), d.stage);
}

} // namespace
