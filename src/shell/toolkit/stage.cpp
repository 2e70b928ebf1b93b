#include "shell/toolkit/stage.h"

#include "shell/core/placement.h"
#include "shell/toolkit/screen.h"
#include "shell/toolkit/screens.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace shell {
namespace {

double g_stageScale = 1;

// The screens' design: their client area, in design pixels.
const QSizeF kDesign(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);

// The display holding a window on show, else the one it would open on, else the primary display;
// in the desktop's pixels.
QRect displayHolding(const QWidget* window)
{
    QScreen* display = nullptr;
    if (window && window->isVisible())
        display = QGuiApplication::screenAt(window->geometry().center());
    if (!display && window)
        display = window->screen();
    if (!display)
        display = QGuiApplication::primaryScreen();
    return display ? display->geometry() : QRect(QPoint(0, 0), kDesign.toSize());
}

} // namespace

double stageScale()
{
    return g_stageScale;
}

double fitScale(QSizeF design, QSizeF display)
{
    return std::min(display.width() / design.width(), display.height() / design.height());
}

// The stage's window: the screens on it are its children, each centred, the last shown in front.
class StageWindow : public QWidget {
public:
    explicit StageWindow(Stage& stage)
        : m_stage(stage)
    {
        setObjectName(QStringLiteral("stage"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    Screen* front() const
    {
        const QObjectList& screens = children();
        for (auto it = screens.crbegin(); it != screens.crend(); ++it) {
            auto* screen = qobject_cast<Screen*>(*it);
            if (screen && !screen->isHidden())
                return screen;
        }
        return nullptr;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const Screen* screen = front();
        const Rgb bars = !screen               ? colour::screenBlue
                         : screen->isBlanked() ? colour::black
                                               : screen->backColor();
        QPainter(this).fillRect(rect(), toQColor(bars));
    }

    void resizeEvent(QResizeEvent*) override { m_stage.windowResized(*this); }

    // Closing the stage window closes the screen in front, as closing its own window would.
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (Screen* screen = front())
            screen->close();
    }

private:
    Stage& m_stage;
};

Screen* screenOf(QObject* object)
{
    for (QObject* o = object; o; o = o->parent()) {
        if (auto* screen = qobject_cast<Screen*>(o))
            return screen;
        if (auto* stage = dynamic_cast<StageWindow*>(o))
            return stage->front();
        if (o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            return nullptr;
    }
    return nullptr;
}

Stage::Stage(Screens& screens)
    : m_screens(screens)
{
    m_pointerTimer.setSingleShot(true);
    m_pointerTimer.setInterval(kPointerIdleMs);
    connect(&m_pointerTimer, &QTimer::timeout, this, &Stage::hidePointer);
    qApp->installEventFilter(this);
}

Stage::~Stage()
{
    qApp->removeEventFilter(this);
    showPointer();
    g_stageScale = 1;
    delete m_window;
}

void Stage::toggleLater(Screen& from)
{
    QMetaObject::invokeMethod(
        this,
        [this, from = QPointer<Screen>(&from)] {
            if (from)
                setOn(!m_on, from);
        },
        Qt::QueuedConnection);
}

QWidget* Stage::window() const
{
    return m_window && m_window->isVisible() ? m_window : nullptr;
}

void Stage::setOn(bool on, Screen* from)
{
    if (on == m_on)
        return;
    m_on = on;
    const QList<Screen*> loaded = m_screens.loadedScreens();
    if (on) {
        // The screens on show go on the stage, the one it was turned on from in front. With none,
        // the stage comes up with the next screen shown; screens made until then take its scale.
        std::vector<Screen*> shown;
        for (Screen* screen : loaded) {
            if (screen->takesFullScreen() && screen->isVisible() && screen != from)
                shown.push_back(screen);
        }
        if (from && from->takesFullScreen() && from->isVisible())
            shown.push_back(from);
        const QRect display = displayHolding(windowOnShow(from));
        fitTo(display);
        if (shown.empty())
            return;
        for (Screen* screen : shown)
            place(*screen);
        bringUp(display);
        bringForward(*shown.back());
        return;
    }

    // Back to a window each, at scale 1, in the order they stood on the stage.
    std::vector<Screen*> shown;
    if (m_window) {
        for (QObject* child : m_window->children()) {
            auto* screen = qobject_cast<Screen*>(child);
            if (screen && !screen->isHidden())
                shown.push_back(screen);
        }
    }
    g_stageScale = 1;
    for (Screen* screen : loaded) {
        if (!screen->takesFullScreen())
            continue;
        screen->applyScale();
        if (screen->isWindow())
            continue;
        // The stage window must not keep a focus that left with the screen.
        if (QWidget* focused = m_window->focusWidget();
            focused && (focused == screen || screen->isAncestorOf(focused)))
            focused->clearFocus();
        screen->setParent(nullptr, Qt::Window);
        // Where the user had put the window, else where the standard set-up puts it.
        screen->setWindowPosition(screen->windowLeft(), screen->windowTop());
        for (const auto& [windowed, place] : m_windowPlaces) {
            if (windowed == screen)
                screen->move(place);
        }
    }
    m_windowPlaces.clear();
    for (Screen* screen : shown) {
        screen->show();
        screen->raise();
    }
    if (!shown.empty())
        shown.back()->activateWindow();
    takeDown();
}

QWidget* Stage::windowOnShow(Screen* preferred) const
{
    if (preferred && preferred->isWindow() && preferred->isVisible())
        return preferred;
    for (Screen* screen : m_screens.loadedScreens()) {
        if (screen->isWindow() && screen->isVisible())
            return screen;
    }
    return nullptr;
}

void Stage::bringUp(const QRect& display)
{
    fitTo(display);
    m_window->setGeometry(m_display);
    m_window->showFullScreen();
    m_pointerTimer.start();
}

void Stage::present(Screen& screen)
{
    if (window()) {
        place(screen);
    } else {
        // The stage comes up on the display of the program's window on show (the title screen,
        // say), found before the screen leaves its own window.
        const QRect display = displayHolding(windowOnShow(&screen));
        fitTo(display);
        place(screen);
        bringUp(display);
    }
    bringForward(screen);
}

void Stage::place(Screen& screen)
{
    if (!m_window)
        m_window = new StageWindow(*this);
    if (screen.parentWidget() != m_window) {
        if (screen.isVisible())
            m_windowPlaces.emplace_back(&screen, screen.pos());
        // The window it leaves goes before the stage window comes up, so that the stage is the
        // active window once it is up.
        screen.setParent(m_window, Qt::Widget);
    }
    centre(screen);
    screen.show();
    screen.raise();
}

void Stage::bringForward(Screen& screen)
{
    m_window->setWindowTitle(screen.windowTitle());
    m_window->raise();
    m_window->activateWindow();
    // Keys go to the screen in front, as they go to a screen's own window.
    screen.setFocus();
    updateBars();
}

void Stage::screenHidden()
{
    if (!window())
        return;
    if (m_window->front())
        updateBars();
    else
        takeDown();
}

void Stage::fitTo(const QRect& display)
{
    m_display = display;
    const double scale = fitScale(kDesign, QSizeF(display.size()));
    if (scale != g_stageScale) {
        g_stageScale = scale;
        for (Screen* screen : m_screens.loadedScreens()) {
            if (screen->takesFullScreen())
                screen->applyScale();
        }
    }
    centreAll();
}

void Stage::windowResized(const QWidget& resized)
{
    if (&resized != window())
        return;
    // The window manager, or a display that changed its resolution, has the last word on the size.
    if (m_on && m_window->size() != m_display.size())
        fitTo(m_window->geometry());
    else
        centreAll();
}

void Stage::centre(Screen& screen) const
{
    screen.move((m_display.width() - screen.width()) / 2, (m_display.height() - screen.height()) / 2);
}

void Stage::centreAll() const
{
    if (!m_window)
        return;
    for (QObject* child : m_window->children()) {
        if (auto* screen = qobject_cast<Screen*>(child))
            centre(*screen);
    }
}

void Stage::updateBars()
{
    // Only the bars: the screens paint themselves.
    QRegion bars(m_window->rect());
    if (const Screen* screen = m_window->front())
        bars -= screen->geometry();
    m_window->update(bars);
}

void Stage::takeDown()
{
    // The window's native part goes with the stage, so that the window cannot take the keyboard
    // while it is down; its buffer stays for the next time.
    if (m_window) {
        m_window->hide();
        m_window->windowHandle()->destroy();
    }
    m_pointerTimer.stop();
    showPointer();
}

void Stage::showPointer()
{
    if (!m_pointerHidden)
        return;
    m_pointerHidden = false;
    QGuiApplication::restoreOverrideCursor();
}

void Stage::hidePointer()
{
    if (m_pointerHidden || !window())
        return;
    m_pointerHidden = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
}

bool Stage::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        // Only a move of the pointer itself, not one Qt makes up as windows change under it.
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!window() || !event->spontaneous() || move->globalPosition() == m_pointerAt)
            return false;
        m_pointerAt = move->globalPosition();
        showPointer();
        m_pointerTimer.start();
        return false;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F11)
            return false;
        Screen* screen = screenOf(watched);
        if (!screen || !screen->takesFullScreen())
            return false;
        if (!key->isAutoRepeat())
            toggleLater(*screen);
        return true;
    }
    case QEvent::Show:
    case QEvent::Hide: {
        // A cover shown or hidden over the whole screen in front (blanking) may change the bars'
        // colour.
        if (!window() || !watched->isWidgetType())
            return false;
        const auto* widget = static_cast<QWidget*>(watched);
        const QWidget* front = m_window->front();
        if (front && widget->parentWidget() == front && widget->geometry() == front->rect())
            updateBars();
        return false;
    }
    case QEvent::ContextMenu: {
        // Taken before the control under the pointer, which would keep it from its screen.
        Screen* screen = screenOf(watched);
        if (!screen)
            return false;
        screen->openMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    default:
        return false;
    }
}

} // namespace shell
