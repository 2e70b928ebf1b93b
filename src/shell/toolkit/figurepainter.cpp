#include "shell/toolkit/figurepainter.h"

#include "shell/toolkit/units.h"

#include <QPainter>
#include <QPen>

namespace shell {

void paintFigure(QPainter& painter, const Figure& figure, double scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Segment& segment : figure) {
        painter.setPen(QPen(toQColor(segment.colour), toPixelWidth(segment.widthPixels, scale), Qt::SolidLine,
                            Qt::RoundCap));
        painter.drawLine(toPixelPoint(segment.from, scale), toPixelPoint(segment.to, scale));
    }
    painter.restore();
}

} // namespace shell
