#include "coordinates/gridfigure.h"

#include "shell/core/numberforms.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace coordinates {
namespace {

using shell::colour::black;
using shell::colour::orange;
using shell::colour::screenBlue;
using shell::colour::white;
using shell::colour::yellow;

constexpr double kUnit = 270;
constexpr int kEdge = 10;
constexpr double kLabelOffset = 330; // from a point to its label's centre
constexpr double kLabelBox = 360;
constexpr double kDiscRadius = 90;
constexpr double kPixel = shell::kTwipsPerPixel;

const shell::FontStyle kAxisNumberFont{15.75};
const shell::FontStyle kAxisNameFont{18, false, true};
const shell::FontStyle kLabelFont{18, true};

shell::TwipRect sized(double left, double top, shell::TextSize size)
{
    return {left, top, size.width, size.height};
}

void addText(shell::Drawing& drawing, const shell::TwipRect& rect, std::string text, const shell::FontStyle& font,
             bool onBlue)
{
    shell::TextMark mark{rect, std::move(text), font, white, shell::Align::Centre, std::nullopt, false};
    if (onBlue)
        mark.background = screenBlue;
    drawing.add(std::move(mark));
}

// A label drawn over the figure: a point's letter on its square box, or a leg's length on a
// box the size of its text.
struct Label {
    shell::TwipRect box;
    std::string text;
    bool square = false;
};

bool overlaps(const shell::TwipRect& a, const shell::TwipRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Grid lines, axes, the numbers along them and their names. A number that a label would cover
// is left out rather than shown in part.
void addGrid(shell::Drawing& drawing, const shell::TextMeasure& measure, const std::vector<Label>& labels)
{
    const auto addNumber = [&](const shell::TwipRect& rect, const std::string& text) {
        if (std::none_of(labels.begin(), labels.end(), [&](const Label& l) { return overlaps(l.box, rect); }))
            addText(drawing, rect, text, kAxisNumberFont, true);
    };
    for (int i = -kEdge; i <= kEdge; ++i) {
        drawing.add(shell::LineMark{onStage(i, -kEdge), onStage(i, kEdge), black, kPixel});
        drawing.add(shell::LineMark{onStage(-kEdge, i), onStage(kEdge, i), black, kPixel});
    }
    drawing.add(shell::LineMark{onStage(-kEdge, 0), onStage(kEdge, 0), white, 3 * kPixel});
    drawing.add(shell::LineMark{onStage(0, -kEdge), onStage(0, kEdge), white, 3 * kPixel});

    constexpr double kXNumbersTop = 3650;
    constexpr double kYNumbersRight = 3010;
    for (int v = -8; v <= 8; v += 2) {
        if (v == 0)
            continue;
        const std::string text = shell::forms::N(v);
        const shell::TextSize size = measure.measure(text, kAxisNumberFont);
        addNumber(sized(onStage(v, 0).x - size.width / 2, kXNumbersTop, size), text);
        addNumber(sized(kYNumbersRight - size.width, onStage(0, v).y - size.height / 2, size), text);
    }
    const shell::TextSize zero = measure.measure("0", kAxisNumberFont);
    addNumber(sized(kYNumbersRight - zero.width, kXNumbersTop, zero), "0");

    const shell::TextSize x = measure.measure("x", kAxisNameFont);
    addText(drawing, sized(5800, onStage(0, 0).y - x.height / 2, x), "x", kAxisNameFont, false);
    addText(drawing, sized(3120, 900, measure.measure("y", kAxisNameFont)), "y", kAxisNameFont, false);
}

// Where the line through A and B enters and leaves the grid square.
std::pair<shell::PointTwips, shell::PointTwips> acrossGrid(const GridQuestion& q)
{
    const double dx = q.xB - q.xA;
    const double dy = q.yB - q.yA;
    double from = -1e9;
    double to = 1e9;
    const auto clip = [&](double start, double step) {
        if (step == 0)
            return;
        const double t1 = (-kEdge - start) / step;
        const double t2 = (kEdge - start) / step;
        from = std::max(from, std::min(t1, t2));
        to = std::min(to, std::max(t1, t2));
    };
    clip(q.xA, dx);
    clip(q.yA, dy);
    return {onStage(q.xA + from * dx, q.yA + from * dy), onStage(q.xA + to * dx, q.yA + to * dy)};
}

// A letter on a blue box, centred 330 twips from its point on the side away from the corner
// (xB, yA), square to the line.
Label pointLabel(const GridQuestion& q, double x, double y, std::string letter)
{
    const double run = q.xB - q.xA;
    const double rise = q.yB - q.yA;
    double nx = 0;
    double ny = 0;
    if (run == 0) {
        nx = -1; // a vertical line: labels to the left
    } else if (rise == 0) {
        ny = 1; // a horizontal line: labels above
    } else {
        const double length = std::hypot(run, rise);
        const double side = rise > 0 ? 1 : -1;
        nx = -side * rise / length;
        ny = side * run / length;
    }
    const shell::PointTwips at = onStage(x, y);
    return {{at.x + kLabelOffset * nx - kLabelBox / 2, at.y - kLabelOffset * ny - kLabelBox / 2, kLabelBox, kLabelBox},
            std::move(letter),
            true};
}

void addDisc(shell::Drawing& drawing, double x, double y, shell::Rgb fill)
{
    drawing.add(shell::CircleMark{onStage(x, y), kDiscRadius, fill, black, kPixel});
}

} // namespace

shell::PointTwips onStage(double x, double y)
{
    return {3060 + kUnit * x, 3600 - kUnit * y};
}

shell::Drawing gridFigure(const GridQuestion& q, shell::FigureState state, const shell::TextMeasure& measure)
{
    const int run = q.xB - q.xA;
    const int rise = q.yB - q.yA;
    const bool legs = state == shell::FigureState::Solution && run != 0 && !(q.kind == Equation && rise == 0);
    const shell::PointTwips corner = onStage(q.xB, q.yA);
    const double midX = (q.xA + q.xB) / 2.0;
    const double midY = (q.yA + q.yB) / 2.0;

    std::vector<Label> labels{pointLabel(q, q.xA, q.yA, "A"), pointLabel(q, q.xB, q.yB, "B")};
    if (legs) {
        if (q.kind == MidpointLength)
            labels.push_back(pointLabel(q, midX, midY, "M"));
        const std::string runText = shell::forms::N(run);
        const shell::TextSize runSize = measure.measure(runText, kLabelFont);
        const double runTop = rise >= 0 ? corner.y + 60 : corner.y - 60 - runSize.height;
        labels.push_back({sized((onStage(q.xA, 0).x + corner.x - runSize.width) / 2, runTop, runSize), runText});
        if (rise != 0) {
            const std::string riseText = shell::forms::N(q.kind == MidpointLength ? std::abs(rise) : rise);
            const shell::TextSize riseSize = measure.measure(riseText, kLabelFont);
            const double left = q.xB <= 8 ? corner.x + 120 : corner.x - 120 - riseSize.width;
            const double middle = (corner.y + onStage(0, q.yB).y) / 2;
            labels.push_back({sized(left, middle - riseSize.height / 2, riseSize), riseText});
        }
    }

    shell::Drawing drawing;
    drawing.area = {0, 660, 6120, 6040};
    addGrid(drawing, measure, labels);
    if (q.kind == MidpointLength) {
        drawing.add(shell::LineMark{onStage(q.xA, q.yA), onStage(q.xB, q.yB), yellow, 4 * kPixel});
    } else {
        const auto [from, to] = acrossGrid(q);
        drawing.add(shell::LineMark{from, to, yellow, 4 * kPixel});
    }
    if (legs) {
        drawing.add(shell::LineMark{onStage(q.xA, q.yA), corner, orange, 3 * kPixel});
        if (rise != 0)
            drawing.add(shell::LineMark{corner, onStage(q.xB, q.yB), orange, 3 * kPixel});
    }
    addDisc(drawing, q.xA, q.yA, white);
    addDisc(drawing, q.xB, q.yB, white);
    if (legs && q.kind == Equation)
        addDisc(drawing, 0, q.yA - (rise / run) * q.xA, orange);
    if (legs && q.kind == MidpointLength)
        addDisc(drawing, midX, midY, orange);
    for (const Label& label : labels) {
        if (label.square)
            drawing.add(shell::BoxMark{label.box, screenBlue, std::nullopt});
        addText(drawing, label.box, label.text, kLabelFont, !label.square);
    }
    return drawing;
}

} // namespace coordinates
