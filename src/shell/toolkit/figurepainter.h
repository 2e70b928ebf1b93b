// Paints a figure of line segments given in twips. The screens' drawing surface and printed
// worksheets use this one routine, so a figure looks the same wherever it appears.
#pragma once

#include "shell/core/drawing.h"
#include "shell/toolkit/units.h"

class QPainter;

namespace shell {

// Draws each segment in its colour and width (design pixels, with round caps), in order, through
// the one conversion of twips to pixels at the scale: the stage scale unless given. The painter's
// transform applies on top: with none and a scale of 1, one pixel is 15 twips.
void paintFigure(QPainter& painter, const Figure& figure, double scale = stageScale());

} // namespace shell
