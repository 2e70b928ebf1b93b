// Worked examples of an activity as named rows: the draws a question is made from, every text it
// must show and the data its JSON carries. Qt-free, for the activities' generator tests.
#pragma once

#include "shell/core/activity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace testing_support {

struct WorkedExample {
    const char* name;
    int mode;
    std::vector<float> draws; // every draw the question makes, rejected ones included
    std::string instruction;
    std::vector<std::string> question; // the question lines, then the lines describing a figure
    std::vector<std::string> answer;
    std::vector<std::string> working;
    // The JSON data, compact; numbers with more than 6 decimals are compared rounded to 6.
    std::string data;
};

// The largest draw a source gives.
constexpr float kTop = shell::kLargestDraw;

// The draw that gives `value` out of the whole numbers low..high, and the one that picks entry
// `index` of a list.
constexpr float drawFor(int value, int low, int high)
{
    return (static_cast<float>(value - low) + 0.5f) / static_cast<float>(high - low + 1);
}

constexpr float drawAt(int index, int size)
{
    return drawFor(index, 0, size - 1);
}

inline std::string roundedNumbers(const std::string& json)
{
    static const std::regex long_decimal(R"(-?\d+\.\d{7,}(e-?\d+)?)");
    std::string out;
    auto from = json.cbegin();
    for (std::sregex_iterator it(json.begin(), json.end(), long_decimal), end; it != end; ++it) {
        out.append(from, json.cbegin() + it->position());
        char rounded[32];
        std::snprintf(rounded, sizeof rounded, "%.6f", std::stod(it->str()));
        out += rounded;
        from = json.cbegin() + it->position() + it->length();
    }
    return out.append(from, json.cend());
}

// The row asked again in a Mixed mode, whose first draw picks the row's kind.
inline WorkedExample inMixed(WorkedExample row, int mixedMode, float kindDraw)
{
    row.mode = mixedMode;
    row.draws.insert(row.draws.begin(), kindDraw);
    return row;
}

// Draws, or lines, one list after another.
template <class T>
std::vector<T> operator+(std::vector<T> first, const std::vector<T>& next)
{
    first.insert(first.end(), next.begin(), next.end());
    return first;
}

// The marks of one kind in a drawing, in the order they are painted.
template <class T>
std::vector<T> marksOf(const shell::Drawing& drawing)
{
    std::vector<T> found;
    for (const shell::Mark& mark : drawing.marks) {
        if (const auto* m = std::get_if<T>(&mark))
            found.push_back(*m);
    }
    return found;
}

// The same, in one state of the figure of the question that the draws make.
template <class T>
std::vector<T> marksOf(const shell::Activity& activity, int mode, const std::vector<float>& draws,
                       shell::FigureState state, const shell::TextMeasure& measure)
{
    shell::ScriptedDraws scripted(draws);
    return marksOf<T>(activity.questions()->make(mode, scripted).figure(state, measure));
}

inline std::vector<std::string> texts(const std::vector<shell::Line>& lines)
{
    std::vector<std::string> result;
    for (const shell::Line& line : lines)
        result.push_back(line.text);
    return result;
}

// Makes the example's question from exactly its draws and checks it; returns it for checks of
// its own.
inline shell::Exercise checkWorkedExample(const shell::Activity& activity, const WorkedExample& example)
{
    SCOPED_TRACE(example.name);
    shell::ScriptedDraws draws(example.draws);
    shell::Exercise e = activity.questions()->make(example.mode, draws);
    EXPECT_EQ(draws.remaining(), 0u);
    EXPECT_EQ(e.instruction, example.instruction);
    EXPECT_EQ(texts(e.question) + e.described, example.question);
    EXPECT_EQ(e.answer, example.answer);
    EXPECT_EQ(texts(e.working), example.working);
    EXPECT_EQ(roundedNumbers(shell::Json(e.fields)["data"].dump()), example.data);
    return e;
}

// Each example, which the activity's invariants (those of the volume run) must pass, and which
// they must fail once its first answer line is changed; returns the questions made.
using Invariants = std::string (*)(const shell::Activity&, int mode, const shell::Exercise&);
inline std::vector<shell::Exercise> checkWorkedExamples(const shell::Activity& activity,
                                                        std::span<const WorkedExample> examples,
                                                        Invariants invariants)
{
    std::vector<shell::Exercise> made;
    for (const WorkedExample& example : examples) {
        shell::Exercise e = checkWorkedExample(activity, example);
        made.push_back(e);
        EXPECT_EQ(invariants(activity, example.mode, e), "") << example.name;
        e.answer.at(0) += "0";
        EXPECT_NE(invariants(activity, example.mode, e), "") << example.name;
    }
    return made;
}

// Measures every text 400 twips wide and 300 high, so that a test knows where a figure puts it.
struct FixedMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {400, 300}; }
};

} // namespace testing_support

// The worked examples of a folder's first activity, checked with the volume run's invariants,
// which tests/<folder>/invariants.cpp states and the folder's test compiles.
#define CHALKFACE_INVARIANTS(folder)                                                                         \
    namespace folder::checks {                                                                               \
    std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& exercise);      \
    }
#define WORKED_EXAMPLES_TEST(Suite, folder, examples)                                                        \
    CHALKFACE_INVARIANTS(folder)                                                                             \
    TEST(Suite, WorkedExamples)                                                                              \
    {                                                                                                        \
        testing_support::checkWorkedExamples(folder::activities()[0], examples,                              \
                                             &folder::checks::invariants);                                   \
    }
