// The Mappings activity's invariants for the volume run: the domain steps evenly over whole
// numbers, the range moves with it, a square's hidden domain shows "±", and the hidden column is
// the mode's. The rule's images are the scripted rows' to check, every kind at both extreme draws.
#include "invariants.h"

namespace mappings::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    const std::string hidden = fields["hidden"].text();
    const std::string_view modeName = activity.modes[static_cast<std::size_t>(mode)].sheetName;
    if (hidden != (modeName == "mixed" ? hidden : std::string(modeName)) ||
        (hidden != "range" && hidden != "domain"))
        return "the hidden column is not the mode's";
    // Both signs of x give the same square: a hidden domain shows each value as "±" and a number.
    const bool plusMinus = fields["rule"].text().find("x\u00B2") != std::string::npos && hidden == "domain";
    long long first = 0;
    long long step = 0;
    reliability::Int previous = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        std::string_view shown = fields["domain"][i].text();
        if (plusMinus != shown.starts_with("\u00B1"))
            return "a domain value shows \"±\" where it should not, or lacks it";
        const std::optional<reliability::Exact> x = reliability::readDecimal(shown.substr(plusMinus ? 2 : 0));
        if (!x || x->scale != 0 || x->units < 0)
            return "a domain value is not a whole number";
        const long long v = static_cast<long long>(x->units);
        first = i == 0 ? v : first;
        step = i == 1 ? v - first : step;
        if (i > 1 && v != first + static_cast<long long>(i) * step)
            return "the domain does not step evenly";
        // Every rule rises over the whole numbers, so the range moves the way the domain does; the
        // divisors (2 to 10) leave at most 2 decimals.
        const std::optional<reliability::Exact> y = reliability::readDecimal(fields["range"][i].text());
        if (!y || y->scale > 2)
            return "range value " + fields["range"][i].text() + " is not a number of at most 2 decimals";
        const reliability::Int image = y->units * reliability::power10(2 - y->scale);
        if (i > 0 && (step > 0 ? image <= previous : image >= previous))
            return "the range does not move the way the domain does";
        previous = image;
    }
    return step == 0 ? "the domain does not step" : "";
}

} // namespace mappings::checks
