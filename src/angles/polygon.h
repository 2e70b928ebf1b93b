// The polygon interior angles problem: a regular polygon of 3 to 12 sides and the question of
// its interior angle, in two kinds. Kind 1 cuts the polygon into triangles by the diagonals from
// one vertex; kind 2 argues from the isosceles triangle between the centre and one side.
// Figures are lists of lines in twips, so the screen and a printed worksheet draw the same.
#pragma once

#include "shell/core/drawing.h"
#include "shell/core/randomsource.h"

#include <string>
#include <string_view>
#include <vector>

namespace angles {

inline constexpr shell::PointTwips kPolygonCentre{6000, 4500};
inline constexpr double kPolygonRadius = 2250; // twips
inline constexpr int kFewestSides = 3;
inline constexpr int kMostSides = 12;

// The words for one polygon.
struct PolygonWords {
    int sides = 0;
    std::string_view questionName; // "a regular pentagon"
    std::string_view name;         // "regular pentagon"
    std::string_view triangles;    // how many triangles the diagonals make: "three"
    std::string_view fraction;     // of 360 degrees: "fifth"
};

// For 3 to 12 sides; polygonWords, makePolygon and the texts throw std::out_of_range outside.
const PolygonWords& polygonWords(int sides);

// Made by makePolygon.
struct Polygon {
    int sides = 0;
    // Vertex i at angle 2 pi i / n from the bottom, counter-clockwise on the screen; twips,
    // single precision. Vertex 0 is the bottom vertex.
    std::vector<shell::PointTwips> vertices;
};

Polygon makePolygon(int sides);

struct PolygonQuestion {
    Polygon polygon;
    std::string question; // Label1
};

// Reseeds and draws the number of sides, 3 to 12.
PolygonQuestion makePolygonQuestion(shell::RandomSource& draws);

std::string polygonQuestionText(int sides);

// Kind 1 solution texts. Both kinds state the interior angle exactly: a whole number of
// degrees, or for 7 and 11 sides a mixed number with an ordinary slash followed by its rounding
// to a tenth ("128 4/7° (about 128.6°)").
struct TrianglesSolution {
    std::string text;             // Label6
    std::string explanation;      // Label8
    bool showExplanation = false; // the triangle needs no explanation
};

TrianglesSolution trianglesSolution(int sides);

// Kind 2 solution text (Label6).
std::string centreAngleSolution(int sides);

struct LabelSize {
    double width = 0;  // twips
    double height = 0; // twips
    friend constexpr bool operator==(const LabelSize&, const LabelSize&) = default;
};

struct LabelPlace {
    double left = 0; // twips
    double top = 0;  // twips
    friend constexpr bool operator==(const LabelPlace&, const LabelPlace&) = default;
};

// The kite that marks the interior angle at vertex 0 (its two inner sides; the polygon's own
// sides close it), and where Label2 ("a") goes: centred 120 twips above the tip of the kite,
// inside the polygon.
struct AngleMark {
    shell::Figure lines;
    LabelPlace label2;
};

AngleMark angleMark(const Polygon& polygon, LabelSize label2);

// Where the kind 2 solution puts its labels: "b" inside the centre angle between vertices 0
// and 1, and the a-over-2 mark where "a" stood.
struct CentreAngleLabels {
    LabelPlace label2;
    LabelPlace label3;
    LabelPlace label4;
    LabelPlace label5;
};

CentreAngleLabels centreAngleLabels(const Polygon& polygon, LabelSize label2, LabelSize label3);

// The figures, in drawing order. The question figures are drawn after the screen has cleared
// its surface; the solution figures replace whatever is drawn.
shell::Figure trianglesQuestionFigure(const Polygon& polygon);
shell::Figure trianglesSolutionFigure(const Polygon& polygon);
shell::Figure centreAngleQuestionFigure(const Polygon& polygon);
shell::Figure centreAngleSolutionFigure(const Polygon& polygon);

} // namespace angles
