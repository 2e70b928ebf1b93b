// Mapping diagram questions: a rule such as 3x + 2, five domain values and their five images,
// with one column hidden for the class to work out. Qt-free; the screen copies the texts into
// its labels and reveals the hidden column on request.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace shell {
class RandomSource;
}

namespace mappings {

enum class Mode { FindRange, FindDomain, Mixed };

enum class Column { Domain, Range };

struct Question {
    // 1..20 in Find the Range, 1..18 in Find the Domain, 1..16 in Mixed; kinds 1..16 are the
    // same rules in every mode. 0 only for a mode outside the three.
    int kind = 0;
    // Mixed only: 1 hides the domain column, 2 hides the range column. Empty in the other
    // modes, where the screen keeps whatever it had.
    std::optional<int> mixchoice;
    int ruleconst = 0; // c as written in the rule; 0 where the rule has none
    int stepsize = 0;  // s as drawn; the domain moves by s, 3s (x/3) or -s (x - c) per row
    std::string rule;
    std::array<std::string, 5> domain; // top to bottom
    std::array<std::string, 5> range;  // range[i] is the image of domain[i]
    Column hidden = Column::Range;     // filled in like the other column, shown on request
};

// Makes a new question: reseeds, then draws the kind, in Mixed the hidden column, then the first
// domain value, the rule's constant (where it has one) and the step, in that order. A mode
// outside the three (only reachable by a cast) draws nothing and returns an empty question.
Question calculate(Mode mode, shell::RandomSource& draws);

} // namespace mappings
