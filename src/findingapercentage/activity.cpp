#include "findingapercentage/activity.h"

#include "findingapercentage/percentagequestions.h"

#include <array>

namespace findingapercentage {
namespace {

constexpr std::array<shell::Mode, 4> kModes{{
    {"Percentage of", "percentage-of"},
    {"As a percentage", "as-percentage"},
    {"Increase/decrease", "increase-decrease"},
    {"Mixed", "mixed"},
}};
constexpr int kMixed = 3;

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    return makeQuestion(static_cast<Kind>(kind), draws);
}

shell::SheetIntro intro(int)
{
    shell::SheetIntro intro;
    intro.instruction = kInstruction;
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "findingapercentage",
    .sheet = "percentages",
    .caption = "Finding A Percentage",
    .menu = 3,
    .position = 0,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (working lines),\n"
                "data {kind, unit (\"£\", \"kg\", ... or \"\"), percent and\n"
                "amount (in pounds for £), direction (\"increase\" or\n"
                "\"decrease\"); as-percentage: part, whole}",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace findingapercentage
