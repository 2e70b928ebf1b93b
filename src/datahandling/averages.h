// The Data activity's questions, free of Qt: a list of numbers, or the frequencies of a context's
// values shown as a table or a bar chart, drawn so that the mean has at most one decimal place
// and there is exactly one mode; and the averages and range worked out from them.
#pragma once

#include "shell/core/randomsource.h"

#include <array>
#include <string_view>
#include <vector>

namespace datahandling {

enum class Kind { List, Table, Chart };
enum class Statistic { Mean, Median, Mode, Range };

// What a table or a chart counts: the values from `first` to `last`.
struct Context {
    std::string_view key;
    std::string_view title;
    std::string_view shortName;
    int first = 0;
    int last = 0;
};

inline constexpr std::array<Context, 5> kContexts{{
    {"goals", "Goals scored in each match", "Goals", 0, 5},
    {"pets", "Pets owned by each pupil", "Pets", 0, 4},
    {"siblings", "Brothers and sisters of each pupil", "Siblings", 0, 4},
    {"shoes", "Shoe sizes of a group of pupils", "Shoe size", 3, 8},
    {"dice", "Scores from rolling a dice", "Score", 1, 6},
}};

struct DataQuestion {
    Kind kind = Kind::List;
    // A list's numbers as drawn, or a context's values in order.
    std::vector<int> values;
    // The frequency of each value (tables and charts).
    std::vector<int> frequencies;
    const Context* context = nullptr;
    Statistic statistic = Statistic::Mean; // what a chart asks for
};

// A list of 5 to 9 numbers from 1 to 20.
DataQuestion drawList(shell::RandomSource& draws);
// A context and its frequencies; a chart then draws the statistic it asks for.
DataQuestion drawFrequencies(Kind kind, shell::RandomSource& draws);

// The numbers of a question in order, and what is worked out from them.
struct Summary {
    std::vector<int> sorted;
    int count = 0;
    int total = 0;
    // The middle value twice (odd counts), or the two middle values.
    int lowerMiddle = 0;
    int upperMiddle = 0;
    int mode = 0;
    int modeCount = 0;
    int smallest = 0;
    int largest = 0;

    double mean() const { return static_cast<double>(total) / count; }
    double median() const { return (lowerMiddle + upperMiddle) / 2.0; }
    int range() const { return largest - smallest; }
};

Summary summarise(const DataQuestion& question);

} // namespace datahandling
