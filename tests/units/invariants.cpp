// The Units activity's invariants for the volume run: the reference frame is the mode's, and the
// question "n unit to unit" is answered by a plain number in the unit it asks for. Every row's
// conversion is a named row of unitquestions_test.
#include "invariants.h"

#include <map>
#include <regex>

namespace units::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    const shell::Json& reference = fields["reference"];
    if ((reference.isNull() ? std::string() : reference.text()) != activity.intro(mode).factsHeading)
        return "the reference frame is not the mode's";
    // The answer's unit is the asked one, abbreviated as the facts write it: "metres" is "m".
    static const std::regex kQuestion(R"((\d+) \S+ to (\S+))");
    static const std::regex kAnswer(R"((\S+) (\S+))");
    static const std::map<std::string, std::string> kShort{
        {"metres", "m"}, {"centimetres", "cm"}, {"millimetres", "mm"}, {"kilometres", "km"}};
    std::smatch q, a;
    const std::string question = fields["question"].text(), answer = fields["answer"].text();
    if (!std::regex_match(question, q, kQuestion) || !std::regex_match(answer, a, kAnswer) ||
        (kShort.contains(q[2]) ? kShort.at(q[2]) : q[2].str()) != a[2] || !reliability::readDecimal(a[1].str()))
        return "\"" + question + "\" is not answered by a number in the unit it asks for";
    return {};
}

} // namespace units::checks
