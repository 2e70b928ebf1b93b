// Figures as lists of straight lines, in twips, so that a screen can paint them and other
// outputs (printed worksheets) can reuse them.
#pragma once

#include "colours.h"

#include <vector>

namespace shell {

inline constexpr double kTwipsPerPixel = 15.0;

struct PointTwips {
    double x = 0;
    double y = 0;
    friend constexpr bool operator==(const PointTwips&, const PointTwips&) = default;
};

struct Segment {
    PointTwips from;
    PointTwips to;
    Rgb colour;
    int widthPixels = 1;
    friend constexpr bool operator==(const Segment&, const Segment&) = default;
};

using Figure = std::vector<Segment>;

} // namespace shell
