// Conversions between the screens' design units and Qt's: positions and sizes are twips
// (15 to a pixel), fonts are points at 96 dots per inch, colours are RGB triples.
#pragma once

#include "shell/core/colours.h"
#include "shell/core/drawing.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <cmath>
#include <string_view>

namespace shell {

// A UTF-8 text from the Qt-free parts as a QString.
inline QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double toTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QPointF toPixelPoint(PointTwips p)
{
    return {p.x / kTwipsPerPixel, p.y / kTwipsPerPixel};
}

inline QColor toQColor(Rgb c)
{
    return QColor(c.red, c.green, c.blue);
}

struct FontSpec {
    const char* family = "Tahoma";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

// Fonts are sized in pixels (points x 96 / 72) so that text keeps its place in layouts that are
// fixed in twips, whatever dots per inch the display reports.
QFont makeFont(const FontSpec& fontSpec);

// A font's ascent and descent in pixels as its Windows metrics give them (the OS/2 table's
// winAscent and winDescent). The screens were laid out with text placed by these; some fonts
// report a shorter ascent to Qt, which would draw their text higher than designed.
struct TextMetrics {
    int ascent = 0;
    int descent = 0;
};
TextMetrics designMetrics(const QFont& font);

} // namespace shell
