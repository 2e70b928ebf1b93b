// Conversions between the screens' design units and Qt's: positions and sizes are twips
// (15 to a design pixel), fonts are points at 96 dots per inch, colours are RGB triples. Every
// conversion to pixels goes through the stage scale, the number of display pixels a design pixel
// takes: 1 in a window, more or less in full screen (stage.h). Screens that place, size and paint
// through these conversions and the controls scale with the stage without knowing the scale.
#pragma once

#include "shell/core/colours.h"
#include "shell/core/drawing.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <cmath>
#include <string_view>

class QWidget;

namespace shell {

// A UTF-8 text from the Qt-free parts as a QString.
inline QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The stage scale in force: 1 unless full screen is on.
double stageScale();

// The scale a control is shown at: that of the screen it stands on (the title screen keeps 1),
// or the stage scale for a widget on no screen.
double scaleOf(const QWidget* widget);

inline int toPixels(double twips, double scale = stageScale())
{
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

inline double toTwips(double pixels, double scale = stageScale())
{
    return pixels * kTwipsPerPixel / scale;
}

inline QPointF toPixelPoint(PointTwips p, double scale = stageScale())
{
    return {p.x * scale / kTwipsPerPixel, p.y * scale / kTwipsPerPixel};
}

// A line width designed in pixels, on the display.
inline double toPixelWidth(int designPixels, double scale = stageScale())
{
    return designPixels * scale;
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

// Fonts are sized in pixels (points x 96 / 72, times the scale) so that text keeps its place in
// layouts that are fixed in twips, whatever dots per inch the display reports, and is drawn
// sharp at the size it is shown.
QFont makeFont(const FontSpec& fontSpec, double scale = stageScale());

// A font's ascent and descent in pixels as its Windows metrics give them (the OS/2 table's
// winAscent and winDescent). The screens were laid out with text placed by these; some fonts
// report a shorter ascent to Qt, which would draw their text higher than designed.
struct TextMetrics {
    int ascent = 0;
    int descent = 0;
};
TextMetrics designMetrics(const QFont& font);

} // namespace shell
