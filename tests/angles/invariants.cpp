// The Angles activities' invariants for the volume run: parallel lines, and polygons with their
// figures.
#include "invariants.h"

#include "angles/polygon.h"
#include "shell/core/activity.h"

namespace angles::checks {
namespace {

std::string parallelLines(const shell::Json& fields)
{
    reliability::AngleCaptions captions;
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i] = fields["labels"][i].text();
    if (auto problem = reliability::checkParallelQuestion(captions, fields["question"].text()); !problem.empty())
        return problem;
    return reliability::checkParallelAnswer(captions, fields["answer"][0].text(), fields["answer"][1].text());
}

std::string polygons(int mode, const shell::Json& fields)
{
    const std::string question = fields["question"].text();
    const int sides = reliability::polygonSidesAsked(question);
    if (sides == 0 || sides != fields["sides"].whole())
        return "question \"" + question + "\" does not name its polygon";
    const Polygon polygon = makePolygon(sides);
    const shell::Json& solution = fields["solution"];
    if (mode == 0) {
        if (auto problem = reliability::checkPolygonFigure(trianglesQuestionFigure(polygon), sides, {sides - 3, 0, 0});
            !problem.empty())
            return problem;
        if ((solution.elements().size() == 2) != (sides > 3))
            return "the explanation shows for the wrong polygons";
        return reliability::checkTrianglesSolution(sides, solution[0].text(),
                                                   sides > 3 ? solution[1].text() : std::string());
    }
    if (auto problem = reliability::checkPolygonFigure(centreAngleQuestionFigure(polygon), sides, {0, 0, 2});
        !problem.empty())
        return problem;
    if (auto problem = reliability::checkPolygonFigure(centreAngleSolutionFigure(polygon), sides, {sides, 3, 2});
        !problem.empty())
        return problem;
    return reliability::checkCentreAngleSolution(sides, solution[0].text());
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    return activity.modes.empty() ? parallelLines(fields) : polygons(mode, fields);
}

} // namespace angles::checks
