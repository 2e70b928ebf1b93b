// The Estimation activity's invariants for the volume run.
#include "invariants.h"

#include "shell/core/activity.h"

namespace estimation::checks {

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    const shell::Json& result = fields["result"];
    const bool estimate = reliability::isEstimateInstruction(e.instruction);
    if (result.isNull() == estimate)
        return "a result line belongs to estimates alone";
    return reliability::checkEstimation({e.instruction, fields["question"].text(), fields["answer"].text(),
                                         result.isNull() ? std::nullopt : std::optional(result.text())},
                                        mode + 1);
}

} // namespace estimation::checks
