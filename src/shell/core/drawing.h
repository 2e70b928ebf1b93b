// Figures in twips, so that a screen can paint them and other outputs (printed worksheets) can
// reuse them. A Figure is a list of straight lines; a Drawing is a figure of any marks (lines,
// boxes, circles, arcs, polygons and texts), painted in the order they were added.
#pragma once

#include "colours.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shell {

inline constexpr double kTwipsPerPixel = 15.0;
// Fonts are sized at 96 dots per inch: a point is 20 twips.
inline constexpr double kTwipsPerPoint = 20.0;

struct PointTwips {
    double x = 0;
    double y = 0;
    friend constexpr bool operator==(const PointTwips&, const PointTwips&) = default;
};

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

enum class Align { Left, Centre, Right };

struct Segment {
    PointTwips from;
    PointTwips to;
    Rgb colour;
    int widthPixels = 1;
    friend constexpr bool operator==(const Segment&, const Segment&) = default;
};

using Figure = std::vector<Segment>;

// A Tahoma face at a size in points.
struct FontStyle {
    double points = 18;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend constexpr bool operator==(const FontStyle&, const FontStyle&) = default;
};

// A text's advance width and line height, in twips.
struct TextSize {
    double width = 0;
    double height = 0;
};

// Measures texts the way the output that shows them will draw them: figures that place a label
// by its size take one, so the Qt-free code never needs a font.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual TextSize measure(std::string_view text, const FontStyle& font) const = 0;
};

enum class LineCap { Flat, Round };

// Line widths of the marks are twips (a 2 px line is 30 twips wide).
struct LineMark {
    PointTwips from;
    PointTwips to;
    Rgb colour;
    double width = kTwipsPerPixel;
    LineCap cap = LineCap::Flat;
};

// A rectangle, filled, outlined or both; the outline is centred on the edge.
struct BoxMark {
    TwipRect rect;
    std::optional<Rgb> fill;
    std::optional<Rgb> outline;
    double width = kTwipsPerPixel;
};

struct CircleMark {
    PointTwips centre;
    double radius = 0;
    std::optional<Rgb> fill;
    std::optional<Rgb> outline;
    double width = kTwipsPerPixel;
};

// Part of a circle's edge, from `start` degrees clockwise from 12 o'clock through `span` degrees.
struct ArcMark {
    PointTwips centre;
    double radius = 0;
    double start = 0;
    double span = 360;
    Rgb colour;
    double width = kTwipsPerPixel;
    LineCap cap = LineCap::Flat;
};

struct PolygonMark {
    std::vector<PointTwips> points;
    std::optional<Rgb> fill;
    std::optional<Rgb> outline;
    double width = kTwipsPerPixel;
};

// One line of text placed in a rectangle: aligned left, centred or right across its width and
// centred down its height. `background` paints a box of that colour the size of the text itself
// first, so no line crosses it. `quarterTurn` turns the text 90 degrees anticlockwise about the
// rectangle's centre.
struct TextMark {
    TwipRect rect;
    std::string text;
    FontStyle font;
    Rgb colour;
    Align align = Align::Centre;
    std::optional<Rgb> background;
    bool quarterTurn = false;
};

using Mark = std::variant<LineMark, BoxMark, CircleMark, ArcMark, PolygonMark, TextMark>;

struct Drawing {
    // The part of the stage the drawing takes, which a printed sheet scales to its room.
    TwipRect area;
    std::vector<Mark> marks;

    void add(Mark mark) { marks.push_back(std::move(mark)); }
    // The figure's straight lines, each with its width in pixels and round caps.
    void add(const Figure& figure);
};

// A text's rectangle of the given size centred on a point.
TwipRect centredOn(PointTwips centre, TextSize size);

// A line of text in its rectangle, with no background and not turned.
TextMark textMark(TwipRect rect, std::string text, const FontStyle& font, Rgb colour,
                  Align align = Align::Centre);

} // namespace shell
