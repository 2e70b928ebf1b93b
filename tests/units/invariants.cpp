// The Units activity's invariants for the volume run: every conversion follows from the metric
// prefixes and the facts the mode's reference frame shows, exactly or to two decimals.
#include "invariants.h"

#include <map>
#include <utility>
#include <regex>

namespace units::checks {
namespace {

using reliability::Int;

struct Ratio {
    Int num = 1;
    Int den = 1;
};

// A unit's name as the facts write it: "feet" is "foot", "metres" is "m".
std::string singular(const std::string& name)
{
    static const std::map<std::string, std::string> kNames{
        {"metres", "m"},       {"centimetres", "cm"}, {"millimetres", "mm"}, {"kilometres", "km"},
        {"miles", "mile"},     {"yards", "yard"},     {"feet", "foot"},      {"inches", "inch"},
        {"furlongs", "furlong"}, {"poles", "pole"},   {"chains", "chain"},   {"links", "link"}};
    const auto found = kNames.find(name);
    return found == kNames.end() ? name : found->second;
}

// How many `to` make one `from`, through the chain of facts "1 A = r B"; nothing when the facts
// do not link them.
std::optional<Ratio> factor(const std::string& from, const std::string& to, const std::vector<std::string>& facts)
{
    static const std::regex kFact(R"(1 (\S+) = (\d+)(?:\.(\d+))? (\S+))");
    std::map<std::string, Ratio> sizes{{to, {}}}; // each unit in `to`s
    for (bool grew = true; grew;) {
        grew = false;
        for (const std::string& fact : facts) {
            std::smatch m;
            if (!std::regex_match(fact, m, kFact))
                continue;
            const Int places = reliability::power10(static_cast<int>(m[3].length()));
            const Ratio r{std::stoll(m[2].str() + m[3].str()), places}; // one m[1] in m[4]s
            const std::string a = m[1], b = singular(m[4]);
            if (sizes.contains(b) && !sizes.contains(a))
                sizes[a] = {r.num * sizes[b].num, r.den * sizes[b].den};
            else if (sizes.contains(a) && !sizes.contains(b))
                sizes[b] = {r.den * sizes[a].num, r.num * sizes[a].den};
            else
                continue;
            grew = true;
        }
    }
    if (!sizes.contains(from))
        return std::nullopt;
    Int g = sizes[from].num;
    for (Int b = sizes[from].den; b != 0;)
        g = std::exchange(b, g % b);
    return Ratio{sizes[from].num / g, sizes[from].den / g};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    const shell::SheetIntro intro = activity.intro(mode);
    const shell::Json& reference = fields["reference"];
    if ((reference.isNull() ? std::string() : reference.text()) != intro.factsHeading)
        return "the reference frame is not the mode's";
    std::vector<std::string> facts{"1 km = 1000 m", "1 m = 100 cm", "1 cm = 10 mm", "1 h = 60 min", "1 min = 60 sec"};
    facts.insert(facts.end(), intro.facts.begin(), intro.facts.end());
    static const std::regex kQuestion(R"((\d+) (\S+) to (\S+))");
    static const std::regex kAnswer(R"((\S+) (\S+))");
    std::smatch q, a;
    const std::string question = fields["question"].text(), answer = fields["answer"].text();
    if (!std::regex_match(question, q, kQuestion) || !std::regex_match(answer, a, kAnswer) ||
        singular(a[2]) != singular(q[3]))
        return "\"" + question + "\" is not answered in the unit it asks for";
    // A speed is a length over a time: "m/sec" converts as m per sec.
    const auto units = [](const std::string& u) { return reliability::split(singular(u), "/"); };
    const std::vector<std::string> from = units(q[2]), to = units(q[3]);
    if (from.size() != to.size())
        return "\"" + question + "\" converts a speed to a length or back";
    Ratio r{std::stoll(q[1]), 1};
    for (std::size_t i = 0; i < from.size(); ++i) {
        const std::optional<Ratio> f = factor(from[i], to[i], facts);
        if (!f)
            return "\"" + question + "\" does not follow from the facts shown";
        r = i == 0 ? Ratio{r.num * f->num, r.den * f->den} : Ratio{r.num * f->den, r.den * f->num};
    }
    const std::optional<reliability::Exact> value = reliability::readDecimal(a[1].str());
    const reliability::Exact rounded = reliability::roundHalfUp(r.num, r.den, 2);
    if (!value || (!reliability::equals(*value, r.num, r.den) &&
                   (value->scale != 2 || value->units != rounded.units)))
        return "\"" + answer + "\" is neither exactly nor to two decimals " + question;
    return {};
}

} // namespace units::checks
