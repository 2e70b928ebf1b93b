#include "shell/toolkit/drawingview.h"

#include "shell/toolkit/drawingpainter.h"
#include "shell/toolkit/units.h"

#include <QEvent>
#include <QPainter>

namespace shell {

DrawingView::DrawingView(QWidget* container, const QString& name)
    : QWidget(container)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    if (container) {
        setGeometry(container->rect());
        container->installEventFilter(this);
    }
    lower();
}

bool DrawingView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void DrawingView::setDrawing(Drawing drawing)
{
    m_drawing = std::move(drawing);
    update();
}

void DrawingView::paintEvent(QPaintEvent*)
{
    if (m_drawing.marks.empty())
        return;
    QPainter painter(this);
    // Twips as the screen shows them, at its scale.
    paintDrawing(painter, m_drawing, TwipsMapping{{}, {}, scaleOf(this) / kTwipsPerPixel});
}

} // namespace shell
