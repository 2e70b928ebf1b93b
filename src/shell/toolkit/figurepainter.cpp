#include "shell/toolkit/figurepainter.h"

#include "shell/toolkit/units.h"

#include <QPainter>
#include <QPen>

namespace shell {

void paintFigure(QPainter& painter, const Figure& figure)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Segment& segment : figure) {
        painter.setPen(QPen(toQColor(segment.colour), segment.widthPixels, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(toPixelPoint(segment.from), toPixelPoint(segment.to));
    }
    painter.restore();
}

} // namespace shell
