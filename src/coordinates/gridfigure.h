// The coordinate grid of a question, from −10 to 10 both ways, 270 twips to the unit: the line
// through A and B across the whole grid (or the segment AB for a midpoint), A and B labelled
// clear of the line, and in the solution the run and rise legs with their lengths, the
// y-intercept or the midpoint.
#pragma once

#include "shell/core/drawing.h"
#include "shell/core/exercise.h"

namespace coordinates {

enum Kind { Gradient, Equation, MidpointLength };

struct GridQuestion {
    Kind kind = Gradient;
    int xA = 0;
    int yA = 0;
    int xB = 0;
    int yB = 0;
};

// The stage position of a grid point, in twips.
shell::PointTwips onStage(double x, double y);

shell::Drawing gridFigure(const GridQuestion& q, shell::FigureState state, const shell::TextMeasure& measure);

} // namespace coordinates
