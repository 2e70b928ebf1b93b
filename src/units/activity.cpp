#include "units/activity.h"

#include "units/unitquestions.h"

#include <array>

namespace units {
namespace {

constexpr std::array<shell::Mode, 4> kModes{{
    {"Metric", "metric"},
    {"Imperial", "imperial"},
    {"Compound", "compound"},
    {"Metric and Imperial", "metric-imperial"},
}};

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const Question q = calculate(static_cast<Mode>(mode), draws);
    const std::string_view reference = referenceFrame(q.reference).caption;
    shell::Exercise e;
    e.question = {q.question};
    e.answer = {q.answer};
    e.fields = {{"row", q.row},
                {"question", q.question},
                {"answer", q.answer},
                {"reference", reference.empty() ? shell::Json() : shell::Json(reference)}};
    return e;
}

shell::SheetIntro intro(int mode)
{
    const ReferenceFrame frame = referenceFrame(referenceFor(static_cast<Mode>(mode)));
    shell::SheetIntro intro{"Convert...", std::string(frame.caption)};
    for (const ReferenceFact& fact : frame.facts)
        intro.facts.emplace_back(fact.caption);
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "compoundunits",
    .sheet = "units",
    .caption = "Units",
    .menu = 3,
    .position = 4,
    .modes = kModes,
    .jsonHelp = "row (1-based in its group), question, answer, reference (null,\n"
                "\"Imperial conversions\" or \"Approximate conversions\")",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace units
