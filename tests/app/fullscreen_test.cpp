// Full screen on five displays side by side, which the offscreen platform pretends from
// displays.json: a 1920 by 1080 projector, a 1280 by 800 laptop, a 1024 by 768 classroom display,
// a 1024 by 600 netbook and a small display (1366 by 768 at 150 %, 910 by 512). Every screen goes
// full screen on the display holding its window, scaled evenly and centred between bars of its
// background blue; clicks, hover, keys, the pointer and blanking work there as drawn.
#include "screentest.h"

#include "allscreens.h"
#include "angles/anglesscreen.h"
#include "mappings/mappingsscreen.h"
#include "shell/activityscreen.h"
#include "shell/mainmenu.h"
#include "shell/standardscreen.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/fittedtext.h"
#include "shell/toolkit/stage.h"
#include "shell/topicmenu.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <array>
#include <map>

namespace {

using shell::Screen;

struct Display {
    const char* name;
    double scale;       // the largest at which the 792 by 566 design fits both ways
    QRect stage;        // where the design is shown, in the display's pixels
    bool pictureCopies; // whether pictures come from their @2x copies (scale above 1.4)
};

const Display kDisplays[] = {
    {"projector", 1080.0 / 566, {204, 0, 1511, 1080}, true},
    {"laptop", 800.0 / 566, {80, 0, 1119, 800}, true},
    {"classroom", 1024.0 / 792, {0, 18, 1024, 732}, false},
    {"netbook", 600.0 / 566, {92, 0, 840, 600}, false},
    {"small", 512.0 / 566, {97, 0, 716, 512}, false},
};

const QColor kScreenBlue(49, 135, 215);

// A control as shown: its place on its screen, in pixels, and its font's size in pixels. Line
// controls are left out: their place is the box around a line and its caps, not in proportion.
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
            looks[widget] = {{widget->mapTo(&screen, QPoint(0, 0)), widget->size()},
                             widget->font().pixelSize()};
    }
    return looks;
}

QScreen* displayNamed(const char* name)
{
    for (QScreen* display : QGuiApplication::screens()) {
        if (display->name() == QLatin1String(name))
            return display;
    }
    return nullptr;
}

class FullScreen : public testing_support::ScreenTest {
protected:
    FullScreen()
    {
        defineAllScreens(screens);
        seedActivities([] { return 20261216; });
    }

    void SetUp() override
    {
        for (const Display& d : kDisplays)
            ASSERT_NE(displayNamed(d.name), nullptr)
                << "run with QT_QPA_PLATFORM=offscreen:configfile=displays.json";
    }

    QWidget* stage() const { return screens.stage().window(); }

    // Shows the screen in a window on the display, with its first question on it.
    Screen& showOn(const QString& name, const char* display)
    {
        Screen& screen = screens.show(name);
        screen.move(displayNamed(display)->geometry().topLeft() + QPoint(40, 30));
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.window()));
        auto* angles = qobject_cast<angles::AnglesScreen*>(&screen);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !angles || !angles->Timer1->isEnabled(); }));
        return screen;
    }

    // Where the display shows a point of the design given in twips, in the stage window.
    static QPoint shownAt(const Display& d, double leftTwips, double topTwips)
    {
        return d.stage.topLeft() + QPointF(leftTwips * d.scale / 15, topTwips * d.scale / 15).toPoint();
    }

    // A real click or move of the pointer on the stage window: Qt finds the control under it.
    void clickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(stage()->windowHandle(), button, {}, at);
        settle();
    }
    void moveTo(QPoint at) { QTest::mouseMove(stage()->windowHandle(), at); }

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
    static void expectScaled(const Screen& screen, const std::map<const QWidget*, Look>& windowed,
                             double scale)
    {
        for (const auto& [widget, look] : looksOf(screen)) {
            SCOPED_TRACE(widget->objectName().toStdString());
            ASSERT_EQ(windowed.count(widget), 1u);
            const Look& was = windowed.at(widget);
            const QRectF scaled(QPointF(was.place.topLeft()) * scale, QSizeF(was.place.size()) * scale);
            EXPECT_NEAR(look.place.x(), scaled.x(), 2);
            EXPECT_NEAR(look.place.y(), scaled.y(), 2);
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

    // Saves the stage as the screen is, in each of its modes chosen where they are shown, and
    // with its solution.
    void showEveryMode(Screen& screen, const QString& prefix)
    {
        screenshot(*stage(), prefix + QStringLiteral(".png"));
        int mode = 0;
        for (auto* option : screen.findChildren<shell::OptionButton*>()) {
            if (!option->isVisible())
                continue;
            clickAt(option->mapTo(stage(), option->rect().center()));
            EXPECT_TRUE(option->isChecked()) << option->objectName().toStdString();
            screenshot(*stage(), prefix + QStringLiteral("-mode%1.png").arg(++mode));
        }
        auto* activity = qobject_cast<shell::ActivityScreen*>(&screen);
        if (activity && activity->cmdsoln->isVisible()) {
            clickAt(activity->cmdsoln->mapTo(stage(), activity->cmdsoln->rect().center()));
            screenshot(*stage(), prefix + QStringLiteral("-solution.png"));
        }
    }

    // The texts of the right-click menu open now.
    static QStringList menuTexts()
    {
        QStringList texts;
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : menu->actions())
                texts << action->text();
        }
        return texts;
    }
    // The last entry, "Full screen" or "Leave full screen" on every screen that takes it.
    static QString lastMenuText()
    {
        const QStringList texts = menuTexts();
        return texts.isEmpty() ? QString() : texts.last();
    }
    static void chooseFromMenu(const QString& text)
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                menu->hide();
                action->trigger();
                settle();
                return;
            }
        }
        FAIL() << "no menu entry " << text.toStdString();
    }
};

// The screens of every kind: menus, the links screen, each activity and one topic without one.
const char* const kScreensOfEveryKind[] = {
    "intro0", "links",    "menu1",         "menu2",    "menu3",    "menu4",         "menu5",
    "sigfig", "mappings", "compoundunits", "parallel", "polygons", "perfectnumbers"};

TEST_F(FullScreen, EveryScreenScalesEvenlyOntoTheDisplayHoldingItsWindow)
{
    const QStringList names = testing_support::everyScreenName();
    for (const Display& d : kDisplays) {
        for (const char* kind : kScreensOfEveryKind) {
            const QString name = QLatin1String(kind);
            SCOPED_TRACE(std::string(d.name) + " " + kind);
            ASSERT_TRUE(names.contains(name)) << kind << " is not a screen";
            Screen& screen = showOn(name, d.name);
            const QPoint windowPlace = screen.pos();
            const auto windowed = looksOf(screen);

            press(Qt::Key_F11);
            ASSERT_NE(stage(), nullptr);
            EXPECT_EQ(stage()->geometry(), displayNamed(d.name)->geometry());
            EXPECT_EQ(screen.geometry(), d.stage);
            expectScaled(screen, windowed, d.scale);
            expectBarsIn(kScreenBlue, d);
            if (auto* activity = qobject_cast<shell::ActivityScreen*>(&screen)) {
                EXPECT_EQ(activity->cmdgo->picture().devicePixelRatio(), d.pictureCopies ? 2 : 1);
            }
            if (!screen.backgroundPicture().isNull()) {
                EXPECT_EQ(screen.backgroundPicture().devicePixelRatio(), d.pictureCopies ? 2 : 1);
            }

            press(Qt::Key_F11);
            EXPECT_EQ(stage(), nullptr);
            EXPECT_TRUE(screen.isWindow());
            EXPECT_EQ(screen.pos(), windowPlace) << "back where the window stood";
            EXPECT_TRUE(looksOf(screen) == windowed) << "the window as it was";

            if (d.name == std::string("projector") || d.name == std::string("netbook")) {
                press(Qt::Key_F11);
                showEveryMode(screen, QStringLiteral("fullscreen-%1-%2").arg(QLatin1String(d.name), name));
                press(Qt::Key_F11);
            }
            EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();
            for (const QString& loaded : screens.loadedNames())
                screens.unload(loaded);
            settle();
        }
    }
}

// An activity on the standard frame, with a figure: a yellow disc 300 twips across at (2000, 4000).
shell::Exercise discExercise(int, shell::RandomSource&)
{
    shell::Exercise e;
    e.instruction = "Where is the disc?";
    e.question = {shell::Line("Somewhere on the left")};
    e.answer = {"There"};
    e.figure = [](shell::FigureState, const shell::TextMeasure&) {
        shell::Drawing drawing;
        drawing.add(shell::CircleMark{{2000, 4000}, 300, shell::colour::yellow});
        return drawing;
    };
    return e;
}

constexpr std::array<shell::Mode, 1> kDiscModes{{{"Only", "only"}}};
const shell::Activity kDisc{.screen = "disc",
                            .sheet = "disc",
                            .caption = "Disc",
                            .modes = kDiscModes,
                            .questions = shell::freshQuestions<discExercise>};

TEST_F(FullScreen, AnActivityOnTheStandardFrameScalesWithItsFigure)
{
    shell::defineStandardScreen(screens, kDisc);
    const Display& d = kDisplays[0];
    Screen& screen = showOn(QStringLiteral("disc"), d.name);
    const auto windowed = looksOf(screen);
    press(Qt::Key_F11);
    ASSERT_NE(stage(), nullptr);
    EXPECT_EQ(screen.geometry(), d.stage);
    expectScaled(screen, windowed, d.scale);
    const QImage shown = stage()->grab().toImage();
    // The disc's middle, and a point 250 twips right of it, inside the disc only as scaled.
    EXPECT_EQ(shown.pixelColor(shownAt(d, 2000, 4000)), QColor(Qt::yellow));
    EXPECT_EQ(shown.pixelColor(shownAt(d, 2250, 4000)), QColor(Qt::yellow));
    EXPECT_EQ(shown.pixelColor(shownAt(d, 2000, 4400)), kScreenBlue) << "nor larger than scaled";
    // The question line, 36 points and more than 64 pixels high once scaled, is drawn.
    int yellow = 0;
    for (double left = 240; left < 9960; left += 5)
        yellow += shown.pixelColor(shownAt(d, left, 840 + 435)) == QColor(Qt::yellow) ? 1 : 0;
    EXPECT_GT(yellow, 20) << "the question line is not drawn";
    screenshot(*stage(), QStringLiteral("fullscreen-projector-standard.png"));
}

TEST_F(FullScreen, ClicksAndHoverLandWhereDrawnFromScreenToScreenWithNoDesktopBetween)
{
    const Display& d = kDisplays[0];
    showOn(QStringLiteral("intro0"), d.name);
    press(Qt::Key_F11);
    ASSERT_NE(stage(), nullptr);

    // From here on the stage stays up and no screen opens a window of its own.
    struct Watch : QObject {
        int stageHidden = 0;
        int windowsShown = 0;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Hide && watched->objectName() == QLatin1String("stage"))
                ++stageHidden;
            if (event->type() == QEvent::Show && qobject_cast<Screen*>(watched) &&
                static_cast<QWidget*>(watched)->isWindow())
                ++windowsShown;
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);

    // The side menu entry "Menu 2" (9600, 3150, 2235 by 495 twips), highlighted and clicked.
    auto& main = screenAs<shell::MainMenu>(QStringLiteral("intro0"));
    moveTo(shownAt(d, 9600 + 200, 3150 + 200));
    EXPECT_TRUE(main.Label2[1]->isOpaque());
    EXPECT_FALSE(main.Label2[2]->isOpaque());
    clickAt(shownAt(d, 9600 + 2235 / 2.0, 3150 + 495 / 2.0));
    ASSERT_TRUE(screens.isLoaded(QStringLiteral("menu2")));
    EXPECT_FALSE(screens.isLoaded(QStringLiteral("intro0")) &&
                 screens.find(QStringLiteral("intro0"))->isVisible());

    // Its topic "Mappings" (centred, 4695 twips wide, top 4650), then the activity's solution
    // button (10200 + 30, 6850 + 580, 1650 by 500) and its exit button (a row of 550 lower).
    clickAt(shownAt(d, 6000, 4650 + 495 / 2.0));
    auto* mappings = qobject_cast<mappings::MappingsScreen*>(screens.find(QStringLiteral("mappings")));
    ASSERT_NE(mappings, nullptr);
    EXPECT_EQ(mappings->parentWidget(), stage());
    EXPECT_EQ(mappings->geometry(), d.stage);
    const QPoint solution = shownAt(d, 10230 + 825, 7430 + 250);
    EXPECT_EQ(stage()->childAt(solution), mappings->cmdsoln);
    clickAt(solution);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(mappings->Label5[i]->isVisible() && mappings->Label4[i]->isVisible())
            << "both columns shown";
    clickAt(shownAt(d, 10230 + 825, 7980 + 250));
    EXPECT_FALSE(screens.isLoaded(QStringLiteral("mappings")));
    EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("menu2")});

    // The exit button (10240, 7975, 1650 by 500) back to the main menu.
    clickAt(shownAt(d, 10240 + 825, 7975 + 250));
    EXPECT_EQ(shownScreens(), QStringList{QStringLiteral("intro0")});
    qApp->removeEventFilter(&watch);
    EXPECT_EQ(watch.stageHidden, 0);
    EXPECT_EQ(watch.windowsShown, 0);
    EXPECT_EQ(stage()->geometry(), displayNamed(d.name)->geometry());
    EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();
}

TEST_F(FullScreen, F11AndTheRightClickMenuToggleItOnEveryScreenButTheTitleScreen)
{
    const Display& d = kDisplays[2];
    for (const QString& name : testing_support::everyScreenName()) {
        SCOPED_TRACE(name.toStdString());
        Screen& screen = showOn(name, d.name);
        if (!screen.takesFullScreen()) {
            EXPECT_EQ(name, shell::TitleScreen::kName);
            press(Qt::Key_F11);
            QTest::mouseClick(screen.windowHandle(), Qt::RightButton, {}, QPoint(20, 20));
            EXPECT_EQ(stage(), nullptr);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu on the title screen";
        } else {
            press(Qt::Key_F11);
            EXPECT_NE(stage(), nullptr);
            clickAt(d.stage.center(), Qt::RightButton);
            EXPECT_EQ(lastMenuText(), QStringLiteral("Leave full screen"));
            chooseFromMenu(QStringLiteral("Leave full screen"));
            EXPECT_EQ(stage(), nullptr);
            EXPECT_TRUE(screen.isVisible() && screen.isWindow());

            // On a bar, or on a control that takes the mouse itself, the menu is the same.
            QTest::mouseClick(screen.windowHandle(), Qt::RightButton, {}, QPoint(745, 500));
            EXPECT_EQ(lastMenuText(), QStringLiteral("Full screen"));
            chooseFromMenu(QStringLiteral("Full screen"));
            ASSERT_NE(stage(), nullptr);
            clickAt(QPoint(1, 1), Qt::RightButton);
            EXPECT_EQ(lastMenuText(), QStringLiteral("Leave full screen"));
            chooseFromMenu(QStringLiteral("Leave full screen"));
            EXPECT_EQ(stage(), nullptr);
        }
        screens.unload(name);
        settle();
    }
}

TEST_F(FullScreen, ScreensAddTheirOwnEntriesToTheRightClickMenu)
{
    // A lesson tool's entry, as an activity screen adds it.
    class WithTool : public shell::ActivityScreen {
    public:
        explicit WithTool(shell::Screens& s)
            : ActivityScreen(s, QStringLiteral("sigfig"), QStringLiteral("Estimation"))
        {
        }
        int used = 0;

    protected:
        void addMenuActions(QMenu& menu) override
        {
            menu.addAction(QStringLiteral("Spotlight"), [this] { ++used; });
        }
        void startFirstQuestion() override {}
        void nextQuestion() override {}
        void showSolution() override {}
        bool solutionShown() const override { return false; }
        void modeChosen(int) override {}
    };
    screens.define(QStringLiteral("sigfig"), [](shell::Screens& s) { return new WithTool(s); });
    auto& screen = static_cast<WithTool&>(showOn(QStringLiteral("sigfig"), kDisplays[0].name));
    QTest::mouseClick(screen.windowHandle(), Qt::RightButton, {}, QPoint(400, 300));
    EXPECT_EQ(menuTexts(),
              (QStringList{QStringLiteral("Spotlight"), QString(), QStringLiteral("Full screen")}));
    chooseFromMenu(QStringLiteral("Spotlight"));
    EXPECT_EQ(screen.used, 1);
    EXPECT_EQ(stage(), nullptr);
}

TEST_F(FullScreen, TheCountdownStandsInTheSideBarWhereItIsAsLargeThereAsInTheCorner)
{
    // The corner's box is 1740 by 1000 twips; a bar of at least nine tenths its width takes it:
    // the projector's, not the laptop's.
    const std::map<std::string, bool> inBar{{"projector", true}, {"laptop", false}};
    for (const Display& d : {kDisplays[0], kDisplays[1]}) {
        SCOPED_TRACE(d.name);
        auto& screen = static_cast<shell::ActivityScreen&>(showOn(QStringLiteral("arithmeticprogressions"), d.name));
        press(Qt::Key_T);
        shell::FittedText* countdown = screen.countdown();
        const QRect windowed = countdown->geometry();
        press(Qt::Key_F11);
        ASSERT_NE(stage(), nullptr);
        // The countdown's next tick places it for the display's scale.
        screen.findChild<shell::Timer*>(QStringLiteral("countdownTimer"))->onTick();
        EXPECT_TRUE(countdown->isVisible());
        if (inBar.at(d.name)) {
            EXPECT_EQ(countdown->parentWidget(), stage());
            EXPECT_GT(countdown->geometry().left(), d.stage.right());
            EXPECT_LE(countdown->geometry().right(), stage()->width());
            EXPECT_GE(countdown->fontPixels(), countdown->height() / 3);
        } else {
            EXPECT_EQ(countdown->parentWidget(), &screen);
            EXPECT_NEAR(countdown->x(), windowed.x() * d.scale, 2);
            EXPECT_NEAR(countdown->width(), windowed.width() * d.scale, 2);
        }
        screenshot(*stage(), QStringLiteral("countdown-%1.png").arg(QLatin1String(d.name)));
        press(Qt::Key_F11);
        screen.findChild<shell::Timer*>(QStringLiteral("countdownTimer"))->onTick();
        EXPECT_EQ(countdown->parentWidget(), &screen);
        EXPECT_EQ(countdown->geometry(), windowed);
        screens.unload(QStringLiteral("arithmeticprogressions"));
        settle();
    }
}

TEST_F(FullScreen, OnFromTheStartTheTitleScreenStaysASmallWindow)
{
    // What `chalkface --fullscreen` does before it shows the title screen.
    screens.setFullScreen(true);
    auto& title = static_cast<shell::TitleScreen&>(showOn(shell::TitleScreen::kName, kDisplays[3].name));
    EXPECT_TRUE(title.isWindow());
    EXPECT_EQ(title.size(), QSize(364, 438));
    EXPECT_EQ(stage(), nullptr);

    click(title.Command1);
    settle();
    ASSERT_NE(stage(), nullptr);
    EXPECT_EQ(stage()->geometry(), displayNamed(kDisplays[3].name)->geometry())
        << "the title screen's display";
    EXPECT_EQ(screens.find(QStringLiteral("intro0"))->geometry(), kDisplays[3].stage);

    // The main menu's exit shows the title screen in its window, and the stage goes down.
    click(screenAs<shell::MainMenu>(QStringLiteral("intro0")).Command1);
    settle();
    EXPECT_EQ(stage(), nullptr);
    auto& again = screenAs<shell::TitleScreen>(shell::TitleScreen::kName);
    EXPECT_TRUE(again.isWindow() && again.isVisible());
    EXPECT_EQ(again.Command1->size(), QSize(89, 25)) << "at its own size";
    click(again.Command1);
    settle();
    EXPECT_NE(stage(), nullptr);
    EXPECT_TRUE(screens.isFullScreen());
}

TEST_F(FullScreen, ThePointerHidesWhenStillAndReturnsOnTheFirstMove)
{
    screens.stage().setPointerIdleTime(30);
    showOn(QStringLiteral("menu4"), kDisplays[1].name);
    press(Qt::Key_F11);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return screens.stage().isPointerHidden(); }));
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
        moveTo(QPoint(100 + round, 100));
        EXPECT_FALSE(screens.stage().isPointerHidden());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return screens.stage().isPointerHidden(); }));
    press(Qt::Key_F11);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "a window shows the pointer";
}

TEST_F(FullScreen, PresenterKeysWorkAsInAWindowAndTheBlankKeyBlacksOutTheWholeDisplay)
{
    const Display& d = kDisplays[0];
    auto& activity = static_cast<shell::ActivityScreen&>(showOn(QStringLiteral("compoundunits"), d.name));
    press(Qt::Key_F11);
    ASSERT_NE(stage(), nullptr);
    const auto key = [](Qt::Key k) { press(k); };

    const QString question = screenAs<shell::ActivityScreen>(QStringLiteral("compoundunits"))
                                 .findChild<shell::Label*>(QStringLiteral("Label2"))
                                 ->caption();
    for (Qt::Key swallowed : {Qt::Key_Escape, Qt::Key_F5})
        key(swallowed);
    EXPECT_NE(stage(), nullptr);
    EXPECT_TRUE(activity.isVisible());
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    EXPECT_NE(activity.findChild<shell::Label*>(QStringLiteral("Label2"))->caption(), question)
        << "the second press makes a new question";

    key(Qt::Key_B);
    ASSERT_TRUE(activity.isBlanked());
    expectBarsIn(Qt::black, d);
    EXPECT_EQ(stage()->grab().toImage().pixelColor(d.stage.center()), QColor(Qt::black));
    key(Qt::Key_Period);
    EXPECT_FALSE(activity.isBlanked());
    expectBarsIn(kScreenBlue, d);
}

} // namespace
