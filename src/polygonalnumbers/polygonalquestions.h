// Polygonal numbers: the nth triangular, pentagonal or hexagonal number, and whether a number is
// triangular, drawn as questions; and the dot patterns that show them, layer by layer.
#pragma once

#include "shell/core/drawing.h"
#include "shell/core/randomsource.h"

#include <vector>

namespace polygonalnumbers {

enum class Kind { Triangular, PentagonalHexagonal, IsItTriangular };

struct Question {
    Kind kind = Kind::Triangular;
    int sides = 3; // 3, 5 or 6: the family
    int n = 0;     // the term asked for; for "is it triangular?", the term x is when it is one
    int x = 0;     // the number tested (is it triangular?)
};

// mode: 0 triangular, 1 pentagonal or hexagonal, 2 is it triangular?, 3 one of the three.
Question makeQuestion(int mode, shell::RandomSource& draws);

// The nth s-gonal number: ((s − 2)n² − (s − 4)n) ÷ 2.
int polygonal(int sides, int n);
// The dots pattern j adds to pattern j − 1: j, 3j − 2 or 4j − 3.
int layerDots(int sides, int j);
// The largest k with k(k + 1)/2 ≤ x.
int triangularRoot(int x);

// Dot spacing and radius of a family's patterns, in twips.
double dotSpacing(int sides);
double dotRadius(int sides);

// The dot centres of pattern k, layer by layer (layer 1 first), in twips with y upwards: the
// triangle's rows from the top, or the nested polygons sharing the corner (0, 0).
std::vector<std::vector<shell::PointTwips>> patternLayers(int sides, int k);

} // namespace polygonalnumbers
