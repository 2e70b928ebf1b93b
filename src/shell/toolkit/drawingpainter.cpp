#include "shell/toolkit/drawingpainter.h"

#include "shell/toolkit/units.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <cmath>

namespace shell {
namespace {

QFont fontOf(const QString& family, const FontStyle& style, double pixelsPerPoint)
{
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(style.points * pixelsPerPoint))));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

class MarkPainter {
public:
    MarkPainter(QPainter& painter, const TwipsMapping& mapping, const QString& family, const Palette& palette)
        : m_painter(painter)
        , m_mapping(mapping)
        , m_family(family)
        , m_palette(palette)
    {
    }

    void operator()(const LineMark& line) const
    {
        m_painter.setPen(pen(line.colour, line.width, line.cap));
        m_painter.drawLine(point(line.from), point(line.to));
    }

    void operator()(const BoxMark& box) const
    {
        fillAndOutline(box.fill, box.outline, box.width);
        m_painter.drawRect(rect(box.rect));
    }

    void operator()(const CircleMark& circle) const
    {
        fillAndOutline(circle.fill, circle.outline, circle.width);
        const double r = length(circle.radius);
        m_painter.drawEllipse(point(circle.centre), r, r);
    }

    void operator()(const ArcMark& arc) const
    {
        m_painter.setPen(pen(arc.colour, arc.width, arc.cap));
        m_painter.setBrush(Qt::NoBrush);
        const double r = length(arc.radius);
        const QPointF centre = point(arc.centre);
        // Qt counts from 3 o'clock, anticlockwise, in sixteenths of a degree.
        m_painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                          static_cast<int>(std::lround((90 - arc.start) * 16)),
                          static_cast<int>(std::lround(-arc.span * 16)));
    }

    void operator()(const PolygonMark& polygon) const
    {
        fillAndOutline(polygon.fill, polygon.outline, polygon.width);
        QPolygonF points;
        for (const PointTwips& p : polygon.points)
            points << point(p);
        m_painter.drawPolygon(points);
    }

    void operator()(const TextMark& text) const
    {
        const QFont font = fontOf(m_family, text.font, length(kTwipsPerPoint));
        const QString caption = QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
        QRectF area = rect(text.rect);
        m_painter.save();
        if (text.quarterTurn) {
            const QPointF centre = area.center();
            m_painter.translate(centre);
            m_painter.rotate(-90);
            area = QRectF(-area.height() / 2, -area.width() / 2, area.height(), area.width());
        }
        const Qt::Alignment align = (text.align == Align::Left    ? Qt::AlignLeft
                                     : text.align == Align::Right ? Qt::AlignRight
                                                                  : Qt::AlignHCenter) |
                                    Qt::AlignVCenter;
        m_painter.setFont(font);
        if (text.background) {
            const QFontMetricsF metrics(font);
            const QRectF used = metrics.boundingRect(area, static_cast<int>(align), caption);
            m_painter.fillRect(used, colour(*text.background, ColourUse::Fill));
        }
        m_painter.setPen(colour(text.colour, ColourUse::Text));
        m_painter.drawText(area, static_cast<int>(align), caption);
        m_painter.restore();
    }

private:
    QPointF point(PointTwips p) const
    {
        return m_mapping.at + QPointF((p.x - m_mapping.origin.x) * m_mapping.unitsPerTwip,
                                      (p.y - m_mapping.origin.y) * m_mapping.unitsPerTwip);
    }
    double length(double twips) const { return twips * m_mapping.unitsPerTwip; }
    QRectF rect(const TwipRect& r) const
    {
        return {point({r.left, r.top}), QSizeF(length(r.width), length(r.height))};
    }
    QColor colour(Rgb rgb, ColourUse use = ColourUse::Ink) const
    {
        return toQColor(m_palette ? m_palette(rgb, use) : rgb);
    }
    QPen pen(Rgb rgb, double width, LineCap cap) const
    {
        return QPen(colour(rgb), length(width), Qt::SolidLine, cap == LineCap::Round ? Qt::RoundCap : Qt::FlatCap);
    }
    void fillAndOutline(const std::optional<Rgb>& fill, const std::optional<Rgb>& outline, double width) const
    {
        // A solid shape with no outline (a dot, an arrowhead) is drawn like a line; a filled
        // shape with an outline (a counter, a bar) keeps its fill.
        const ColourUse use = outline ? ColourUse::Fill : ColourUse::Ink;
        m_painter.setBrush(fill ? QBrush(colour(*fill, use)) : QBrush(Qt::NoBrush));
        m_painter.setPen(outline ? QPen(colour(*outline), length(width)) : QPen(Qt::NoPen));
    }

    QPainter& m_painter;
    const TwipsMapping& m_mapping;
    const QString& m_family;
    const Palette& m_palette;
};

} // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const TwipsMapping& mapping, const QString& family,
                  const Palette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const MarkPainter paint(painter, mapping, family, palette);
    for (const Mark& mark : drawing.marks)
        std::visit(paint, mark);
    painter.restore();
}

TextSize FontMeasure::measure(std::string_view text, const FontStyle& style) const
{
    const QFontMetricsF metrics(fontOf(m_family, style, kTwipsPerPoint / kTwipsPerPixel));
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(caption) * kTwipsPerPixel, metrics.height() * kTwipsPerPixel};
}

} // namespace shell
