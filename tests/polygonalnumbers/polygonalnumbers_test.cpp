// Polygonal numbers through the activity's questions: the worked examples, the extreme draws and
// the redrawn "no" numbers, each a named row of scripted draws.
#include "polygonalnumbers/activity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr float T = shell::kLargestDraw;

// The draw that gives `value` out of the whole numbers low..high.
float pick(int value, int low, int high)
{
    return (static_cast<float>(value - low) + 0.5f) / static_cast<float>(high - low + 1);
}

struct Row {
    const char* name;
    int mode;
    std::vector<float> draws;
    std::vector<std::string> question; // the instruction, then the question lines
    std::string answer;
    std::vector<std::string> working;
    std::string data;
};

const Row kRows[] = {
    {"triangular 9th", 0, {pick(9, 5, 20)},
     {"Triangular numbers: 1, 3, 6, 10, \u2026", "What is the 9th", "triangular number?"},
     "The 9th triangular number is 45",
     {"Triangular number n = n \u00d7 (n + 1) \u00f7 2", "9th: 9 \u00d7 10 \u00f7 2 = 90 \u00f7 2 = 45",
      "Check: 1 + 2 + 3 + \u2026 + 9 = 45"},
     R"({"kind":"triangular","family":"triangular","n":9})"},
    {"triangular at the smallest draw adds every layer", 0, {0},
     {"Triangular numbers: 1, 3, 6, 10, \u2026", "What is the 5th", "triangular number?"},
     "The 5th triangular number is 15",
     {"Triangular number n = n \u00d7 (n + 1) \u00f7 2", "5th: 5 \u00d7 6 \u00f7 2 = 30 \u00f7 2 = 15",
      "Check: 1 + 2 + 3 + 4 + 5 = 15"},
     R"({"kind":"triangular","family":"triangular","n":5})"},
    {"triangular at the largest draw", 0, {T},
     {"Triangular numbers: 1, 3, 6, 10, \u2026", "What is the 20th", "triangular number?"},
     "The 20th triangular number is 210",
     {"Triangular number n = n \u00d7 (n + 1) \u00f7 2", "20th: 20 \u00d7 21 \u00f7 2 = 420 \u00f7 2 = 210",
      "Check: 1 + 2 + 3 + \u2026 + 20 = 210"},
     R"({"kind":"triangular","family":"triangular","n":20})"},
    {"pentagonal 6th shows all six layers", 1, {0.25f, pick(6, 5, 12)},
     {"Pentagonal numbers: 1, 5, 12, 22, \u2026", "What is the 6th", "pentagonal number?"},
     "The 6th pentagonal number is 51",
     {"Pentagonal number n = n \u00d7 (3n \u2212 1) \u00f7 2", "6th: 6 \u00d7 17 \u00f7 2 = 102 \u00f7 2 = 51",
      "Check: 1 + 4 + 7 + 10 + 13 + 16 = 51"},
     R"({"kind":"pentagonal-hexagonal","family":"pentagonal","n":6})"},
    {"pentagonal 7th is the first to leave layers out", 1, {0, pick(7, 5, 12)},
     {"Pentagonal numbers: 1, 5, 12, 22, \u2026", "What is the 7th", "pentagonal number?"},
     "The 7th pentagonal number is 70",
     {"Pentagonal number n = n \u00d7 (3n \u2212 1) \u00f7 2", "7th: 7 \u00d7 20 \u00f7 2 = 140 \u00f7 2 = 70",
      "Check: 1 + 4 + 7 + \u2026 + 19 = 70"},
     R"({"kind":"pentagonal-hexagonal","family":"pentagonal","n":7})"},
    {"hexagonal 11th", 1, {0.75f, pick(11, 5, 12)},
     {"Hexagonal numbers: 1, 6, 15, 28, \u2026", "What is the 11th", "hexagonal number?"},
     "The 11th hexagonal number is 231",
     {"Hexagonal number n = n \u00d7 (2n \u2212 1)", "11th: 11 \u00d7 21 = 231", "Check: 1 + 5 + 9 + \u2026 + 41 = 231"},
     R"({"kind":"pentagonal-hexagonal","family":"hexagonal","n":11})"},
    {"hexagonal at the largest draws", 1, {T, T},
     {"Hexagonal numbers: 1, 6, 15, 28, \u2026", "What is the 12th", "hexagonal number?"},
     "The 12th hexagonal number is 276",
     {"Hexagonal number n = n \u00d7 (2n \u2212 1)", "12th: 12 \u00d7 23 = 276", "Check: 1 + 5 + 9 + \u2026 + 45 = 276"},
     R"({"kind":"pentagonal-hexagonal","family":"hexagonal","n":12})"},
    {"78 is triangular", 2, {0.25f, pick(12, 5, 24)},
     {"Triangular numbers: 1, 3, 6, 10, \u2026", "Is 78 a", "triangular number?"},
     "Yes: the 12th triangular number",
     {"Double it: 2 \u00d7 78 = 156", "156 = 12 \u00d7 13, two consecutive numbers", "So 78 is the 12th triangular number"},
     R"({"kind":"is-it-triangular","family":"triangular","x":78})"},
    {"the largest triangular number asked", 2, {0, T},
     {"Triangular numbers: 1, 3, 6, 10, \u2026", "Is 300 a", "triangular number?"},
     "Yes: the 24th triangular number",
     {"Double it: 2 \u00d7 300 = 600", "600 = 24 \u00d7 25, two consecutive numbers", "So 300 is the 24th triangular number"},
     R"({"kind":"is-it-triangular","family":"triangular","x":300})"},
    {"80 is not triangular", 2, {0.75f, pick(80, 15, 300)},
     {"Triangular numbers: 1, 3, 6, 10, \u2026", "Is 80 a", "triangular number?"},
     "No: 80 is not triangular",
     {"Double it: 2 \u00d7 80 = 160", "12 \u00d7 13 = 156 and 13 \u00d7 14 = 182",
      "160 is not a product of consecutive numbers", "80 lies between 78 and 91: not triangular"},
     R"({"kind":"is-it-triangular","family":"triangular","x":80})"},
    {"a \"no\" redraws 15 and 300, which are triangular", 2, {T, 0, T, pick(16, 15, 300)},
     {"Triangular numbers: 1, 3, 6, 10, \u2026", "Is 16 a", "triangular number?"},
     "No: 16 is not triangular",
     {"Double it: 2 \u00d7 16 = 32", "5 \u00d7 6 = 30 and 6 \u00d7 7 = 42", "32 is not a product of consecutive numbers",
      "16 lies between 15 and 21: not triangular"},
     R"({"kind":"is-it-triangular","family":"triangular","x":16})"},
    {"mixed draws its kind first", 3, {T, 0.25f, pick(12, 5, 24)},
     {"Triangular numbers: 1, 3, 6, 10, \u2026", "Is 78 a", "triangular number?"},
     "Yes: the 12th triangular number",
     {"Double it: 2 \u00d7 78 = 156", "156 = 12 \u00d7 13, two consecutive numbers", "So 78 is the 12th triangular number"},
     R"({"kind":"is-it-triangular","family":"triangular","x":78})"},
};

TEST(PolygonalNumbers, WorkedExamples)
{
    const shell::Activity& activity = polygonalnumbers::activities()[0];
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        shell::ScriptedDraws draws(row.draws);
        const shell::Exercise e = activity.questions()->make(row.mode, draws);
        EXPECT_EQ(draws.remaining(), 0u);
        std::vector<std::string> question{e.instruction};
        for (const shell::Line& line : e.question)
            question.push_back(line.text);
        EXPECT_EQ(question, row.question);
        EXPECT_EQ(e.answer, std::vector<std::string>{row.answer});
        std::vector<std::string> working;
        for (const shell::Line& line : e.working)
            working.push_back(line.text);
        EXPECT_EQ(working, row.working);
        EXPECT_EQ(shell::Json(e.fields)["data"].dump(), row.data);
    }
}

} // namespace
