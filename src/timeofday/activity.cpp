#include "timeofday/activity.h"

#include "timeofday/timequestions.h"

#include <array>

namespace timeofday {
namespace {

constexpr std::array<shell::Mode, 4> kModes{{
    {"Read the clock", "read-clock"},
    {"12 and 24 hour", "convert"},
    {"Durations", "durations"},
    {"Mixed", "mixed"},
}};
constexpr int kMixed = 3;

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    return makeQuestion(static_cast<Kind>(kind), draws);
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "time",
    .sheet = "time",
    .caption = "Time",
    .menu = 3,
    .position = 2,
    .modes = kModes,
    .jsonHelp = "instruction, question (a clock is described in words),\n"
                "answer, solution (working lines), data {kind; minutes\n"
                "(after midnight: read-clock, convert); direction (\"to-24\"\n"
                "or \"to-12\"); durations: form (\"finish\" or \"length\"),\n"
                "start (minutes after midnight), length (minutes)}",
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace timeofday
