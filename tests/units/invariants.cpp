// The Units activity's invariants for the volume run.
#include "invariants.h"

#include "shell/core/activity.h"

namespace units::checks {

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    const shell::Json& reference = fields["reference"];
    const std::string expected = mode == 1 ? "Imperial conversions" : mode == 3 ? "Approximate conversions" : "";
    if ((reference.isNull() ? std::string() : reference.text()) != expected)
        return "the reference frame is not the mode's";
    return reliability::checkConversion(fields["question"].text(), fields["answer"].text(), mode + 1);
}

} // namespace units::checks
