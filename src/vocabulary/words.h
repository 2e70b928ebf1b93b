// The word list of Mathematical Vocabulary: 124 terms in 21 families, each family in one strand,
// each term with a one-line definition and the terms of its family that also fit that
// definition (a square is also a rectangle), which are never offered beside it.
#pragma once

#include <array>
#include <string_view>

namespace vocabulary {

// In the order of the activity's modes.
enum class Strand { Number, Algebra, Shape };

struct Family {
    std::string_view name;
    Strand strand;
};

struct Word {
    std::string_view term;
    std::string_view definition;
    int family; // index into kFamilies
    std::array<std::string_view, 3> excluded = {};
};

constexpr std::array<Family, 21> kFamilies{{
    {"factors and multiples", Strand::Number},
    {"powers and roots", Strand::Number},
    {"fractions", Strand::Number},
    {"calculation", Strand::Number},
    {"rounding and estimating", Strand::Number},
    {"ratio and percentage", Strand::Number},
    {"averages and spread", Strand::Number},
    {"probability", Strand::Number},
    {"algebra words", Strand::Algebra},
    {"working with algebra", Strand::Algebra},
    {"sequences", Strand::Algebra},
    {"graphs", Strand::Algebra},
    {"algebra ideas", Strand::Algebra},
    {"triangles", Strand::Shape},
    {"quadrilaterals", Strand::Shape},
    {"polygons", Strand::Shape},
    {"angles", Strand::Shape},
    {"circles", Strand::Shape},
    {"solids", Strand::Shape},
    {"parts of solids", Strand::Shape},
    {"transformations", Strand::Shape},
}};

constexpr std::array<Word, 124> kWords{{
    // factors and multiples
    {"factor", "A whole number that divides into another exactly", 0, {"prime factor", "highest common factor"}},
    {"multiple", "The result of multiplying a number by a whole number", 0, {"lowest common multiple"}},
    {"prime number", "A whole number with exactly two factors, 1 and itself", 0, {"prime factor"}},
    {"prime factor", "A factor of a number that is also a prime number", 0, {"prime number"}},
    {"highest common factor", "The largest number that is a factor of two numbers", 0},
    {"lowest common multiple", "The smallest number that is a multiple of two numbers", 0},
    // powers and roots
    {"square number", "The product of two equal whole numbers", 1},
    {"cube number", "The product of three equal whole numbers", 1},
    {"square root", "A number that squares to give the given number", 1},
    {"cube root", "A number that cubes to give the given number", 1},
    {"index", "The small raised number in a power, such as the 3 in 2³", 1},
    {"reciprocal", "1 divided by a number, such as 1/4 for the number 4", 1},
    // fractions
    {"numerator", "The top number of a fraction", 2},
    {"denominator", "The bottom number of a fraction", 2},
    {"equivalent fractions", "Fractions written differently that have equal values", 2},
    {"improper fraction", "A fraction with a numerator bigger than its denominator", 2},
    {"mixed number", "A whole number and a fraction together, such as 2¾", 2},
    // calculation
    {"sum", "The result of adding numbers together", 3},
    {"difference", "The result of subtracting one number from another", 3},
    {"product", "The result of multiplying numbers together", 3},
    {"quotient", "The result of dividing one number by another", 3},
    {"remainder", "The amount left over when a division is not exact", 3},
    {"inverse operation", "An operation that undoes another, as ÷ undoes ×", 3},
    // rounding and estimating
    {"significant figure", "Any digit from the first non-zero digit onwards", 4},
    {"decimal place", "A position for a digit after the decimal point", 4},
    {"estimate", "An approximate answer, often found by rounding first", 4},
    {"upper bound", "The top limit of values that round to a number", 4},
    {"lower bound", "The bottom limit of values that round to a number", 4},
    // ratio and percentage
    {"ratio", "A comparison of two or more quantities, such as 3 : 2", 5},
    {"percentage", "A number of parts out of every hundred", 5},
    {"multiplier", "The number to multiply by for a percentage change", 5},
    {"direct proportion", "Two quantities that stay in the same ratio", 5},
    {"inverse proportion", "Two quantities whose product stays the same", 5},
    // averages and spread
    {"mean", "The total of all values divided by how many there are", 6},
    {"median", "The middle value when the values are put in order", 6},
    {"mode", "The value that occurs most often", 6},
    {"range", "The largest value minus the smallest value", 6},
    {"outlier", "A value far above or far below the rest of the data", 6},
    {"frequency", "The number of times a value or an event occurs", 6},
    // probability
    {"probability", "A measure from 0 to 1 of how likely an event is", 7},
    {"outcome", "One possible result of an experiment", 7},
    {"mutually exclusive", "Describes events that cannot happen at the same time", 7},
    {"independent", "Describes events where one does not affect the other", 7},
    {"relative frequency", "Number of successes divided by the number of trials", 7},
    // algebra words
    {"expression", "Terms combined with no equals sign, such as 3x + 2", 8},
    {"equation", "A statement with =, true for particular values only", 8, {"formula"}},
    {"formula", "A rule linking quantities with letters, such as A = lw", 8, {"equation"}},
    {"identity", "A statement true for every value of the letters", 8},
    {"term", "One part of an expression, such as 5x in 5x + 3", 8},
    {"coefficient", "The number multiplying a letter, such as 3 in 3x", 8},
    {"inequality", "A statement using <, >, ≤ or ≥ to compare", 8},
    // working with algebra
    {"simplify", "To write more simply, such as by collecting like terms", 9},
    {"expand", "To multiply out brackets", 9},
    {"factorise", "To write an expression as a product with brackets", 9},
    {"substitute", "To put numbers in place of letters", 9},
    {"solve", "To find the values that make an equation true", 9},
    {"rearrange", "To change a formula so another letter is the subject", 9},
    // sequences
    {"term-to-term rule", "The rule that takes each term to the next term", 10},
    {"nth term", "An expression giving any term from its position", 10},
    {"arithmetic sequence", "A sequence going up or down by the same amount", 10},
    {"geometric sequence", "A sequence multiplied by the same number each time", 10},
    {"Fibonacci sequence", "A sequence where each term is the sum of the two before", 10},
    {"quadratic sequence", "A sequence with equal, non-zero second differences", 10},
    // graphs
    {"gradient", "The steepness of a line: change in y ÷ change in x", 11},
    {"y-intercept", "The point where a graph crosses the y-axis", 11, {"origin"}},
    {"origin", "The point (0, 0), where the two axes cross", 11, {"y-intercept"}},
    {"coordinates", "A pair of numbers, such as (3, 2), giving a position", 11},
    {"parabola", "The U-shaped curve of a quadratic graph", 11},
    {"root", "An x-value where a graph crosses the x-axis", 11},
    // algebra ideas
    {"subject", "The letter on its own on one side of a formula", 12},
    {"variable", "A letter for a quantity that can take many values", 12},
    {"function", "A rule giving exactly one output for each input", 12},
    {"linear", "Describes a graph that is a straight line", 12},
    {"quadratic", "Describes an expression whose highest power is x²", 12},
    {"simultaneous equations", "Two or more equations solved together", 12},
    // triangles
    {"equilateral triangle", "A triangle with three equal sides", 13},
    {"isosceles triangle", "A triangle with two equal sides and two equal angles", 13, {"equilateral triangle"}},
    {"scalene triangle", "A triangle with no equal sides", 13},
    {"right-angled triangle", "A triangle with one angle of 90°", 13},
    {"obtuse-angled triangle", "A triangle with one angle greater than 90°", 13},
    // quadrilaterals
    {"square", "A quadrilateral with equal sides and four right angles", 14},
    {"rectangle", "A quadrilateral with four right angles", 14, {"square"}},
    {"rhombus", "A quadrilateral with four equal sides", 14, {"square"}},
    {"parallelogram", "A quadrilateral with two pairs of parallel sides", 14, {"square", "rectangle", "rhombus"}},
    {"kite", "A quadrilateral with two pairs of equal adjacent sides", 14, {"square", "rhombus", "arrowhead"}},
    {"trapezium", "A quadrilateral with exactly one pair of parallel sides", 14},
    {"arrowhead", "A concave quadrilateral with two pairs of equal sides", 14},
    // polygons
    {"pentagon", "A polygon with five sides", 15},
    {"hexagon", "A polygon with six sides", 15},
    {"heptagon", "A polygon with seven sides", 15},
    {"octagon", "A polygon with eight sides", 15},
    {"decagon", "A polygon with ten sides", 15},
    // angles
    {"acute angle", "An angle less than 90°", 16},
    {"right angle", "An angle of exactly 90°", 16},
    {"obtuse angle", "An angle between 90° and 180°", 16},
    {"reflex angle", "An angle between 180° and 360°", 16},
    {"vertically opposite angles", "Equal angles opposite each other where two lines cross", 16},
    {"alternate angles", "Equal angles in a Z shape between parallel lines", 16},
    {"corresponding angles", "Equal angles in an F shape on parallel lines", 16},
    {"co-interior angles", "Angles in a C shape between parallel lines, adding to 180°", 16},
    // circles
    {"radius", "The distance from the centre of a circle to its edge", 17},
    {"diameter", "A chord that passes through the centre of a circle", 17},
    {"circumference", "The distance all the way round a circle", 17},
    {"chord", "A straight line joining two points on a circle", 17, {"diameter"}},
    {"tangent", "A straight line touching a circle at one point only", 17},
    {"arc", "Part of the circumference of a circle", 17},
    {"sector", "The region between two radii and an arc", 17},
    // solids
    {"cuboid", "A solid with six rectangular faces", 18},
    {"prism", "A solid with the same cross-section all along it", 18, {"cuboid", "cylinder"}},
    {"pyramid", "A solid with a flat base and triangular faces to a point", 18},
    {"cylinder", "A solid with two circular ends and one curved surface", 18},
    {"cone", "A solid with a circular base that narrows to a point", 18},
    {"sphere", "A perfectly round solid, like a ball", 18},
    // parts of solids
    {"face", "A flat surface of a solid", 19},
    {"edge", "A line where two faces of a solid meet", 19},
    {"vertex", "A corner of a solid, where edges meet", 19},
    {"net", "A flat shape that folds up to make a solid", 19},
    {"cross-section", "The shape made by cutting straight through a solid", 19},
    // transformations
    {"reflection", "A transformation that flips a shape in a mirror line", 20},
    {"rotation", "A transformation that turns a shape about a point", 20},
    {"translation", "A transformation that slides a shape without turning", 20},
    {"enlargement", "A transformation that resizes a shape by a scale factor", 20},
    {"congruent", "Exactly the same shape and the same size", 20},
    {"similar", "The same shape, with all lengths in the same ratio", 20, {"congruent"}},
}};

} // namespace vocabulary
