#include "shell/toolkit/screen.h"

#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/figurepainter.h"
#include "shell/toolkit/screens.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace shell {

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
    m_backgroundPicture = picture;
    update();
}

void Screen::clearIcon()
{
    setWindowIcon(QIcon());
}

void Screen::setClientSize(double widthTwips, double heightTwips)
{
    setFixedSize(toPixels(widthTwips), toPixels(heightTwips));
}

void Screen::setWindowPosition(double leftTwips, double topTwips)
{
    m_left = leftTwips;
    m_top = topTwips;
    move(toPixels(leftTwips), toPixels(topTwips));
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
        painter.drawPixmap(0, 0, m_backgroundPicture);
    paintFigure(painter, m_drawing);
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
