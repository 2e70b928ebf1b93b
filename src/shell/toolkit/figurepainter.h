// Paints a figure of line segments given in twips. The screens' drawing surface and printed
// worksheets use this one routine, so a figure looks the same wherever it appears.
#pragma once

#include "shell/core/drawing.h"

class QPainter;

namespace shell {

// Draws each segment in its colour and width (pixels, with round caps), in order. The painter's
// transform decides the scale: with none, one pixel is 15 twips.
void paintFigure(QPainter& painter, const Figure& figure);

} // namespace shell
