#include "shell/toolkit/screen.h"

#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/figurepainter.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/screens.h"
#include "shell/toolkit/stage.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace shell {

double scaleOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* screen = qobject_cast<const Screen*>(w))
            return screen->scale();
    }
    return stageScale();
}

Screen::Screen(Screens& screens, const QString& name)
    : m_screens(screens)
{
    installAccessibility();
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The window itself has the focus when it opens, so no entry shows a focus mark until Tab
    // or an arrow key moves the focus onto it.
    setFocus();
}

void Screen::setBackColor(Rgb colour)
{
    m_backColor = colour;
    update();
}

void Screen::setBackgroundPicture(const QPixmap& picture)
{
    m_backgroundPicture = pictureForScale(picture, scale());
    update();
}

void Screen::clearIcon()
{
    setWindowIcon(QIcon());
}

void Screen::setClientSize(double widthTwips, double heightTwips)
{
    m_clientWidth = widthTwips;
    m_clientHeight = heightTwips;
    setFixedSize(toPixels(widthTwips, scale()), toPixels(heightTwips, scale()));
}

void Screen::setWindowPosition(double leftTwips, double topTwips)
{
    m_left = leftTwips;
    m_top = topTwips;
    // On the stage the stage window places the screen. The display is not scaled: its twips are
    // always 15 to a pixel.
    if (isWindow())
        move(toPixels(leftTwips, 1), toPixels(topTwips, 1));
}

double Screen::scale() const
{
    return m_takesFullScreen ? stageScale() : 1.0;
}

void Screen::applyScale()
{
    if (m_clientWidth > 0 && m_clientHeight > 0)
        setClientSize(m_clientWidth, m_clientHeight);
    m_backgroundPicture = pictureForScale(m_backgroundPicture, scale());
    const auto widgets = findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (auto* control = dynamic_cast<Scalable*>(widget))
            control->applyScale();
    }
    update();
}

void Screen::openMenu(const QPoint& globalPos)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addMenuActions(*menu);
    if (m_takesFullScreen) {
        if (!menu->isEmpty())
            menu->addSeparator();
        menu->addAction(m_screens.isFullScreen() ? tr("Leave full screen") : tr("Full screen"), this,
                        [this] { m_screens.stage().toggleLater(*this); });
    }
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(globalPos);
}

void Screen::setWindowSize(double widthTwips, double heightTwips)
{
    m_width = widthTwips;
    m_height = heightTwips;
}

void Screen::drawLine(PointTwips from, PointTwips to, Rgb colour)
{
    m_drawing.push_back({from, to, colour, m_drawWidth});
    update();
}

void Screen::drawFigure(const Figure& figure)
{
    m_drawing.insert(m_drawing.end(), figure.begin(), figure.end());
    update();
}

void Screen::clearDrawing()
{
    m_drawing.clear();
    update();
}

QWidget* Screen::control(const QString& name, Qt::CaseSensitivity cs) const
{
    const auto widgets = findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (widget->objectName().compare(name, cs) == 0)
            return widget;
    }
    return nullptr;
}

void Screen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    if (!m_backgroundPicture.isNull())
        painter.drawPixmap(0, 0, scaledPicture(m_backgroundPicture, scale(), devicePixelRatioF()));
    paintFigure(painter, m_drawing, scale());
}

void Screen::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    runGuarded([this] { backgroundMouseMove(); });
}

void Screen::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        if (m_exitButton && m_exitButton->isVisible() && m_exitButton->isEnabled() && !event->isAutoRepeat())
            m_exitButton->click();
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextChild();
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusPreviousChild();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Screen::closeEvent(QCloseEvent* event)
{
    // Closing the window by the window manager unloads the screen, as its exit button would.
    event->accept();
    m_screens.unload(*this);
}

} // namespace shell
