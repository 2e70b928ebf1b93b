#include "sheet/sheetquestions.h"

#include "shell/core/randomsource.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace sheet {
namespace {

// The range of estimation kinds each mode offers, as the screen's mode buttons set them.
constexpr std::array<std::pair<int, int>, 4> kEstimationKinds{{
    {estimation::kPlacesUpTo101, estimation::kPlacesBelow2},
    {estimation::kFiguresWhole, estimation::kFiguresDecimal},
    {estimation::kEstimate, estimation::kEstimate},
    {estimation::kPlacesUpTo101, estimation::kEstimate},
}};

ParallelLinesItem makeParallelLines(shell::RandomSource& draws)
{
    ParallelLinesItem item;
    item.question = angles::makeParallelLinesQuestion(draws);
    // A fresh question always has exactly one given caption, so there is always a solution.
    const angles::ParallelLinesSolution solution = angles::solveParallelLines(item.question.captions).value();
    item.answer = {solution.firstLine, solution.secondLine};
    return item;
}

PolygonItem makePolygon(int kind, shell::RandomSource& draws)
{
    PolygonItem item;
    item.kind = kind;
    item.question = angles::makePolygonQuestion(draws);
    const int sides = item.question.polygon.sides;
    if (kind == kTrianglesKind) {
        const angles::TrianglesSolution solution = angles::trianglesSolution(sides);
        item.solution.push_back(solution.text);
        if (solution.showExplanation)
            item.solution.push_back(solution.explanation);
    } else {
        item.solution.push_back(angles::centreAngleSolution(sides));
    }
    return item;
}

} // namespace

std::string_view sheetInstruction(Activity activity)
{
    switch (activity) {
    case Activity::Mappings:
        return "Complete the mapping diagram....";
    case Activity::Units:
        return "Convert...";
    case Activity::Estimation:
    case Activity::ParallelLines:
    case Activity::Polygons:
        break;
    }
    return {};
}

Item makeItem(Activity activity, int mode, shell::RandomSource& draws)
{
    // An activity without modes still has its one way of asking, index 0.
    const std::size_t modes = std::max<std::size_t>(activityInfo(activity).modes.size(), 1);
    if (mode < 0 || static_cast<std::size_t>(mode) >= modes)
        throw std::out_of_range("no such mode");
    // Modes are listed in the order of the screens' mode numbers, which start at 1.
    switch (activity) {
    case Activity::Estimation: {
        const auto [low, high] = kEstimationKinds.at(static_cast<std::size_t>(mode));
        return estimation::newQuestion(low, high, draws);
    }
    case Activity::Mappings:
        return mappings::calculate(static_cast<mappings::Mode>(mode + 1), draws);
    case Activity::Units:
        return units::calculate(static_cast<units::Mode>(mode + 1), draws);
    case Activity::ParallelLines:
        return makeParallelLines(draws);
    case Activity::Polygons:
        return makePolygon(mode + 1, draws);
    }
    throw std::out_of_range("not an activity");
}

} // namespace sheet
