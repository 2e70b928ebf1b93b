#include "shell/core/drawing.h"

namespace shell {

void Drawing::add(const Figure& figure)
{
    for (const Segment& segment : figure)
        marks.push_back(LineMark{segment.from, segment.to, segment.colour,
                                 segment.widthPixels * kTwipsPerPixel, LineCap::Round});
}

TwipRect centredOn(PointTwips centre, TextSize size)
{
    return {centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height};
}

TextMark textMark(TwipRect rect, std::string text, const FontStyle& font, Rgb colour, Align align)
{
    TextMark mark;
    mark.rect = rect;
    mark.text = std::move(text);
    mark.font = font;
    mark.colour = colour;
    mark.align = align;
    return mark;
}

} // namespace shell
