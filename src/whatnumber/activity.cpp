#include "whatnumber/activity.h"

#include "whatnumber/whatnumberquestions.h"

#include <array>

namespace whatnumber {
namespace {

constexpr std::array<shell::Mode, 4> kModes{{
    {"One step", "one-step"},
    {"Two steps", "two-steps"},
    {"Clues", "clues"},
    {"Mixed", "mixed"},
}};
constexpr int kMixed = 3;

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    return makeQuestion(static_cast<Kind>(kind), draws);
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "whatnumber",
    .sheet = "what-number",
    .caption = "What Number?",
    .menu = 3,
    .position = 3,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (working lines),\n"
                "data {kind; steps [{op, value}], result; clues [{type,\n"
                "value}]: parity, special, multiple, factor, digit-sum,\n"
                "more-than, less-than}",
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace whatnumber
