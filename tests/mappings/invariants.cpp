// The Mappings activity's invariants for the volume run.
#include "invariants.h"

#include "shell/core/activity.h"

namespace mappings::checks {
namespace {

std::array<std::string, 5> column(const shell::Json& values)
{
    std::array<std::string, 5> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = values[i].text();
    return texts;
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    const std::string hidden = fields["hidden"].text();
    if ((mode == 0 && hidden != "range") || (mode == 1 && hidden != "domain"))
        return "the hidden column is not the mode's";
    return reliability::checkMapping({fields["rule"].text(), column(fields["domain"]), column(fields["range"])},
                                     mode + 1);
}

} // namespace mappings::checks
