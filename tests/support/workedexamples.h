// Worked examples of an activity as named rows: the draws a question is made from, and every
// text it must show with the data its JSON carries. Qt-free.
#pragma once

#include "shell/core/activity.h"
#include "shell/core/randomsource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_support {

struct WorkedExample {
    const char* name;
    int mode;
    std::vector<float> draws;
    std::string instruction;
    std::vector<std::string> question; // the question lines, then the lines describing a figure
    std::vector<std::string> answer;
    std::vector<std::string> working;
    std::string data; // compact JSON
};

// The draw that gives `value` from low..high, and the one that picks entry `index` of a list.
constexpr float drawFor(int value, int low, int high)
{
    return (static_cast<float>(value - low) + 0.5f) / static_cast<float>(high - low + 1);
}

constexpr float drawAt(int index, int size)
{
    return drawFor(index, 0, size - 1);
}

inline std::vector<std::string> texts(const shell::Json& lines)
{
    std::vector<std::string> list;
    for (const shell::Json& line : lines.elements())
        list.push_back(line.text());
    return list;
}

// Makes the example's question from its draws, every one of them used, and compares what every
// output shows: the instruction, the question, answer and working lines, and the JSON data.
inline void expectWorkedExample(const shell::Activity& activity, const WorkedExample& example)
{
    SCOPED_TRACE(example.name);
    shell::ScriptedDraws draws(example.draws);
    const shell::Exercise e = activity.questions()->make(example.mode, draws);
    EXPECT_EQ(draws.remaining(), 0u) << "draws left over";
    const shell::Json fields(e.fields);
    EXPECT_EQ(fields["instruction"].text(), example.instruction);
    EXPECT_EQ(texts(fields["question"]), example.question);
    EXPECT_EQ(texts(fields["answer"]), example.answer);
    EXPECT_EQ(texts(fields["solution"]), example.working);
    EXPECT_EQ(fields["data"].dump(), example.data);
}

} // namespace testing_support
