#include "estimation/activity.h"

#include "estimation/estimationquestions.h"

#include <array>

namespace estimation {
namespace {

constexpr std::array<shell::Mode, 4> kModes{{
    {"Decimal Places", "decimal-places"},
    {"Significant Figures", "significant-figures"},
    {"Estimation", "estimation"},
    {"Mixed", "mixed"},
}};

constexpr std::array<std::pair<int, int>, 4> kKinds{{
    {kPlacesUpTo101, kPlacesBelow2},
    {kFiguresWhole, kFiguresDecimal},
    {kEstimate, kEstimate},
    {kPlacesUpTo101, kEstimate},
}};

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const auto [low, high] = kindsOfMode(mode);
    const Question q = newQuestion(low, high, draws);
    shell::Exercise e;
    e.instruction = q.instruction;
    e.question = {q.question};
    e.answer = {q.result ? q.answer + " " + *q.result : q.answer};
    e.fields = {{"kind", q.kind},
                {"instruction", q.instruction},
                {"question", q.question},
                {"answer", q.answer},
                {"result", q.result ? shell::Json(*q.result) : shell::Json()}};
    return e;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "sigfig",
    .sheet = "estimation",
    .caption = "Estimation",
    .menu = 5,
    .position = 1,
    .modes = kModes,
    .jsonHelp = "kind (1-5), instruction, question, answer, result (the \"= ...\" line\n"
                "of an estimate, else null)",
    .questions = shell::freshQuestions<exercise>,
    .countdownCorner = shell::Corner::BottomLeft,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

std::pair<int, int> kindsOfMode(int mode)
{
    return kKinds.at(static_cast<std::size_t>(mode));
}

} // namespace estimation
