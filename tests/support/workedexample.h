// Tables of worked examples for activities on the standard frame: each row scripts the draws of
// one question and states every text it must show and the JSON data it must write.
#pragma once

#include "shell/core/activity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_support {

// The draw that gives `value` out of the whole numbers low..high.
inline float pick(int value, int low, int high)
{
    return (static_cast<float>(value - low) + 0.5f) / static_cast<float>(high - low + 1);
}

// Scripts drawn one after another, as one script.
inline std::vector<float> operator+(std::vector<float> first, const std::vector<float>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

struct WorkedExample {
    const char* name;
    int mode;
    std::vector<float> draws;
    std::string instruction;
    std::vector<std::string> question;
    std::vector<std::string> answer;
    std::vector<std::string> working;
    std::string data; // the compact JSON of `data`
};

inline std::vector<std::string> textsOf(const std::vector<shell::Line>& lines)
{
    std::vector<std::string> texts;
    for (const shell::Line& line : lines)
        texts.push_back(line.text);
    return texts;
}

// Makes the row's question from exactly its draws and compares every text; returns the question
// for checks of its own.
inline shell::Exercise expectWorked(const shell::Activity& activity, const WorkedExample& row)
{
    shell::ScriptedDraws draws(row.draws);
    shell::Exercise e = activity.questions()->make(row.mode, draws);
    EXPECT_EQ(draws.remaining(), 0u) << "draws left unused";
    EXPECT_EQ(e.instruction, row.instruction);
    EXPECT_EQ(textsOf(e.question), row.question);
    EXPECT_EQ(e.answer, row.answer);
    EXPECT_EQ(textsOf(e.working), row.working);
    EXPECT_EQ(shell::Json(e.fields)["data"].dump(), row.data);
    return e;
}

} // namespace testing_support
