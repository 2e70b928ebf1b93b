// Questions for a worksheet, made one at a time by the activities' own generators, so a sheet
// asks exactly what the screens ask. Each is a plain record holding every text the screen shows
// for it, the answers included.
#pragma once

#include "angles/parallellines.h"
#include "angles/polygon.h"
#include "estimation/estimationquestions.h"
#include "mappings/mappingquestions.h"
#include "sheet/sheetoptions.h"
#include "units/unitquestions.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shell {
class RandomSource;
}

namespace sheet {

struct ParallelLinesItem {
    angles::ParallelLinesQuestion question;
    std::array<std::string, 2> answer; // Label6 and Label9, as the solution shows them
};

inline constexpr int kTrianglesKind = 1;
inline constexpr int kCentralAngleKind = 2;

struct PolygonItem {
    int kind = kTrianglesKind;
    angles::PolygonQuestion question;
    // Kind 1: the triangles text, then the explanation unless the polygon is a triangle.
    // Kind 2: the one solution text.
    std::vector<std::string> solution;
};

using Item =
    std::variant<estimation::Question, mappings::Question, units::Question, ParallelLinesItem, PolygonItem>;

// The instruction a sheet of the activity starts with, as the screen shows it above every
// question; empty where each question carries its own.
std::string_view sheetInstruction(Activity activity);

// Makes the next question of the activity in the given mode (an index into its modes).
Item makeItem(Activity activity, int mode, shell::RandomSource& draws);

} // namespace sheet
