// The Mappings activity's invariants for the volume run: the domain steps evenly, each range value
// is the rule's image of its domain value (the rule read from its text and worked exactly), a
// square's hidden domain shows "±", and the hidden column is the mode's.
#include "invariants.h"

#include <regex>

namespace mappings::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    const std::string hidden = fields["hidden"].text();
    const std::string_view modeName = activity.modes[static_cast<std::size_t>(mode)].sheetName;
    if (hidden != (modeName == "mixed" ? hidden : std::string(modeName)) || (hidden != "range" && hidden != "domain"))
        return "the hidden column is not the mode's";
    // "3x - 2", "x/10", "x² + 4", "x³": a x^power / divisor + c.
    static const std::regex kRule("(\\d*)x(\u00B2|\u00B3)?(?:/(\\d+))?(?: ([-+]) (\\d+))?");
    std::smatch m;
    const std::string rule = fields["rule"].text();
    if (!std::regex_match(rule, m, kRule) || m[1] == "1" || m[1] == "0" || m[3] == "0")
        return "the rule \"" + rule + "\" is not written as a rule";
    const long long a = m[1].length() ? std::stoll(m[1]) : 1;
    const int power = !m[2].matched ? 1 : m[2] == "\u00B2" ? 2 : 3;
    const long long divisor = m[3].matched ? std::stoll(m[3]) : 1;
    const long long c = m[4].matched ? (m[4] == "-" ? -1 : 1) * std::stoll(m[5]) : 0;
    // Both signs of x give the same square: a hidden domain shows each value as "±" and a number.
    const bool plusMinus = power == 2 && hidden == "domain";
    long long first = 0;
    long long step = 0;
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
        reliability::Int image = a;
        for (int k = 0; k < power; ++k)
            image *= v;
        const std::optional<reliability::Exact> y = reliability::readDecimal(fields["range"][i].text());
        if (!y || !reliability::equals(*y, image + c * divisor, divisor))
            return "range value " + fields["range"][i].text() + " is not " + rule + " of " + std::to_string(v);
    }
    return step == 0 ? "the domain does not step" : "";
}

} // namespace mappings::checks
