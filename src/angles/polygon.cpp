#include "angles/polygon.h"

#include "shell/core/colours.h"
#include "shell/core/numberforms.h"
#include "shell/core/numbertext.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace angles {

namespace {

constexpr double kPi = 3.1415926535;

// Line widths in pixels. The drawing width is 5 whenever no figure is being drawn.
constexpr int kOutlineWidth = 5;
constexpr int kDiagonalWidth = 3;
constexpr int kSpokeWidth = 2;

// Label2 stands this far above the tip of the kite; the a-over-2 mark sits beside where it stood.
constexpr double kAngleLabelGap = 120;           // twips
constexpr double kHalfMarkIndent = 240;          // twips
constexpr double kHalfMarkDenominatorDrop = 180; // twips

constexpr std::array<PolygonWords, kMostSides - kFewestSides + 1> kPolygons{{
    {3, "an equilateral triangle", "equilateral triangle", "one", "third"},
    {4, "a square", "square", "two", "quarter"},
    {5, "a regular pentagon", "regular pentagon", "three", "fifth"},
    {6, "a regular hexagon", "regular hexagon", "four", "sixth"},
    {7, "a regular heptagon", "regular heptagon", "five", "seventh"},
    {8, "a regular octagon", "regular octagon", "six", "eighth"},
    {9, "a regular nonagon", "regular nonagon", "seven", "ninth"},
    {10, "a regular decagon", "regular decagon", "eight", "tenth"},
    {11, "a regular hendecagon", "regular hendecagon", "nine", "eleventh"},
    {12, "a regular dodecagon", "regular dodecagon", "ten", "twelfth"},
}};

// Coordinates are handed on in single precision.
double single(double value)
{
    return static_cast<float>(value);
}

shell::PointTwips single(shell::PointTwips p)
{
    return {single(p.x), single(p.y)};
}

shell::Segment line(shell::PointTwips from, shell::PointTwips to, shell::Rgb colour, int width)
{
    return {single(from), single(to), colour, width};
}

void addDiagonals(shell::Figure& figure, const Polygon& polygon)
{
    const int n = polygon.sides;
    for (int i = 1; i <= n - 3; ++i)
        figure.push_back(
            line(polygon.vertices[n - 1], polygon.vertices[i], shell::colour::black, kDiagonalWidth));
}

void addOutline(shell::Figure& figure, const Polygon& polygon)
{
    const int n = polygon.sides;
    for (int i = 1; i <= n; ++i)
        figure.push_back(
            line(polygon.vertices[i - 1], polygon.vertices[i % n], shell::colour::yellow, kOutlineWidth));
}

// The interior angle followed by its unit ("°" or " degrees"), exactly: a whole number, or the
// whole part and the fraction in lowest terms, then the angle rounded to a tenth.
std::string interiorAngleText(int sides, std::string_view unit)
{
    const int sum = (sides - 2) * 180;
    std::string exact = shell::forms::N(sum / sides);
    if (sum % sides == 0)
        return exact + std::string(unit);
    exact += " " + shell::forms::Fr(sum % sides, sides);
    const std::string about = shell::forms::R(static_cast<double>(sum) / sides, 1);
    return exact + std::string(unit) + " (about " + about + std::string(unit) + ")";
}

} // namespace

const PolygonWords& polygonWords(int sides)
{
    if (sides < kFewestSides || sides > kMostSides)
        throw std::out_of_range("a polygon has 3 to 12 sides here");
    return kPolygons[static_cast<std::size_t>(sides - kFewestSides)];
}

Polygon makePolygon(int sides)
{
    polygonWords(sides); // rejects a count outside the table
    Polygon polygon;
    polygon.sides = sides;
    polygon.vertices.reserve(static_cast<std::size_t>(sides));
    for (int i = 0; i < sides; ++i) {
        // The window's y grows downwards, so t = 0 is the bottom vertex.
        const double t = 2 * kPi * i / sides;
        polygon.vertices.push_back(single({kPolygonCentre.x + kPolygonRadius * std::sin(t),
                                           kPolygonCentre.y + kPolygonRadius * std::cos(t)}));
    }
    return polygon;
}

PolygonQuestion makePolygonQuestion(shell::RandomSource& draws)
{
    draws.reseed();
    const int sides = shell::drawWhole(draws, kMostSides - kFewestSides + 1, kFewestSides);
    return {makePolygon(sides), polygonQuestionText(sides)};
}

std::string polygonQuestionText(int sides)
{
    return "What are the interior angles of " + std::string(polygonWords(sides).questionName) + "?";
}

TrianglesSolution trianglesSolution(int sides)
{
    const PolygonWords& words = polygonWords(sides);
    TrianglesSolution s;
    if (sides == 3) {
        s.text = "The sum of the angles of a triangle is 180°. The three angles of an equilateral "
                 "triangle are all equal. Each is therefore a third of 180°, which equals 60°.";
    } else {
        // From six sides on, the triangles cut off by the diagonals are not all isosceles.
        const std::string triangles = sides <= 5 ? "isosceles triangles" : "triangles";
        const std::string name(words.name);
        s.text = "A " + name + " can be divided into " + std::string(words.triangles) + " " + triangles +
                 ", as shown. The sum of the angles of the " + triangles +
                 " is equal to the sum of the interior angles of the " + name + ".";
    }
    s.explanation = "As" + shell::numtext::wholeBlank(sides - 2) + " times 180° equals" +
                    shell::numtext::wholeBlank(sides) + " times the interior angle, the interior angle is " +
                    interiorAngleText(sides, "°") + ".";
    s.showExplanation = sides > 3;
    return s;
}

std::string centreAngleSolution(int sides)
{
    const PolygonWords& words = polygonWords(sides);
    return "From the red isosceles triangle we can see that angles a plus b must equal 180 degrees. "
           "But angle b is one " +
           std::string(words.fraction) + " of 360 degrees, therefore angle a, the interior angle of the " +
           std::string(words.name) + ", is " + interiorAngleText(sides, " degrees") + ".";
}

AngleMark angleMark(const Polygon& polygon, LabelSize label2)
{
    const shell::PointTwips v0 = polygon.vertices[0];
    const shell::PointTwips v1 = polygon.vertices[1];
    const shell::PointTwips vm = polygon.vertices[static_cast<std::size_t>(polygon.sides - 1)];

    // A and B lie a fifth of the way along the two sides from vertex 0; the tip P lies as far
    // above vertex 0, towards the centre.
    const shell::PointTwips a{v0.x - (v0.x - v1.x) / 5, v0.y - (v0.y - v1.y) / 5};
    const shell::PointTwips b{v0.x - (v0.x - vm.x) / 5, v0.y - (v0.y - vm.y) / 5};
    const double d = std::sqrt(std::pow((v0.x - v1.x) / 5, 2) + std::pow((v0.y - v1.y) / 5, 2));
    const shell::PointTwips p{v0.x - (v0.x - kPolygonCentre.x) / 5, v0.y - d};

    AngleMark mark;
    mark.lines.push_back(line(a, p, shell::colour::green, kOutlineWidth));
    mark.lines.push_back(line(b, p, shell::colour::green, kOutlineWidth));
    mark.label2 = {single(p.x - label2.width / 2), single(v0.y - d - kAngleLabelGap - label2.height)};
    return mark;
}

CentreAngleLabels centreAngleLabels(const Polygon& polygon, LabelSize label2, LabelSize label3)
{
    CentreAngleLabels places;
    places.label2 = angleMark(polygon, label2).label2;
    places.label4 = {single(places.label2.left + kHalfMarkIndent), places.label2.top};
    places.label5 = {places.label4.left, single(places.label4.top + kHalfMarkDenominatorDrop)};

    // Half-way round the centre angle between vertices 0 and 1, an eighth of the radius out.
    const double half = kPi / polygon.sides;
    places.label3 = {single(kPolygonCentre.x + kPolygonRadius * std::sin(half) / 8 - label3.width / 2.5),
                     single(kPolygonCentre.y + kPolygonRadius * std::cos(half) / 8 - label3.height / 2.5)};
    return places;
}

shell::Figure trianglesQuestionFigure(const Polygon& polygon)
{
    shell::Figure figure;
    addDiagonals(figure, polygon);
    addOutline(figure, polygon);
    return figure;
}

shell::Figure trianglesSolutionFigure(const Polygon& polygon)
{
    return trianglesQuestionFigure(polygon);
}

shell::Figure centreAngleQuestionFigure(const Polygon& polygon)
{
    shell::Figure figure = angleMark(polygon, {}).lines;
    addOutline(figure, polygon);
    return figure;
}

shell::Figure centreAngleSolutionFigure(const Polygon& polygon)
{
    shell::Figure figure = angleMark(polygon, {}).lines;
    for (const shell::PointTwips& vertex : polygon.vertices)
        figure.push_back(line(kPolygonCentre, vertex, shell::colour::black, kSpokeWidth));
    addOutline(figure, polygon);
    // The red triangle goes last, over the spokes and the outline.
    const shell::PointTwips v0 = polygon.vertices[0];
    const shell::PointTwips v1 = polygon.vertices[1];
    figure.push_back(line(kPolygonCentre, v0, shell::colour::red, kOutlineWidth));
    figure.push_back(line(kPolygonCentre, v1, shell::colour::red, kOutlineWidth));
    figure.push_back(line(v0, v1, shell::colour::red, kOutlineWidth));
    return figure;
}

} // namespace angles
