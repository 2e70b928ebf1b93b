// The Estimation activity's invariants for the volume run: each answer is the question's number
// correct to what the instruction asks, worked again exactly from the texts, and each instruction
// belongs to the mode.
#include "invariants.h"

#include <algorithm>
#include <regex>

namespace estimation::checks {
namespace {

using reliability::Exact;
using reliability::power10;

// The place (a power of ten) of the first significant digit of a positive value.
int firstPlace(const Exact& x)
{
    int place = -x.scale;
    for (reliability::Int u = x.units; u >= 10; u /= 10)
        ++place;
    return place;
}

// x rounded to a multiple of 10^place, halves up, with decimals down to that place.
Exact roundedTo(const Exact& x, int place)
{
    if (place <= 0)
        return reliability::roundHalfUp(x.units, power10(x.scale), -place);
    const Exact r = reliability::roundHalfUp(x.units, power10(x.scale + place), 0);
    return {r.units * power10(place), 0};
}

// x to that many significant figures; a carry into a new first figure drops the last decimal.
Exact toFigures(const Exact& x, int figures)
{
    const int place = firstPlace(x) - figures + 1;
    const Exact r = roundedTo(x, place);
    return place < 0 && firstPlace(r) > firstPlace(x) ? Exact{r.units / 10, r.scale - 1} : r;
}

bool same(const std::optional<Exact>& read, const Exact& expected)
{
    return read && read->units == expected.units && read->scale == expected.scale;
}

std::string estimate(const std::string& op, const std::string& question, const std::string& answer,
                     const shell::Json& result)
{
    static const std::regex kPair(R"((\d+) ([-+x]) (\d+))");
    std::smatch m;
    if (!std::regex_match(question, m, kPair) || m[2] != op)
        return "the question does not use the operation the instruction names";
    const long long a = std::stoll(m[1]), b = std::stoll(m[3]);
    if (a < 10 || a > 600 || b < 10 || b > 50)
        return "not a from 10 to 600 and b from 10 to 50";
    const long long ra = static_cast<long long>(toFigures({a, 0}, 1).units);
    const long long rb = static_cast<long long>(toFigures({b, 0}, 1).units);
    const long long value = op == "+" ? ra + rb : op == "-" ? ra - rb : ra * rb;
    if (answer != std::to_string(ra) + " " + op + " " + std::to_string(rb))
        return "the answer does not round both numbers to 1 significant figure";
    return !result.isNull() && result.text() == "= " + std::to_string(value) ? "" : "the result is not worked";
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    static const std::regex kWrite(R"(Write the following number correct to (\d) (decimal place|significant figure)(s?)\.\.\.)");
    static const std::regex kEstimate(
        "Estimate both numbers to 1 significant figure and then calculate the (sum|difference|product)\\.\\.\\.");
    const shell::Json fields(e.fields);
    const std::string question = fields["question"].text();
    const std::string answer = fields["answer"].text();
    // The mode's sheet name, "significant-figures", names the instructions it gives.
    std::string family(activity.modes[static_cast<std::size_t>(mode)].sheetName);
    std::replace(family.begin(), family.end(), '-', ' ');
    std::smatch m;
    if (std::regex_match(e.instruction, m, kEstimate)) {
        if (family != "estimation" && family != "mixed")
            return "an estimate in mode " + family;
        return estimate(m[1] == "sum" ? "+" : m[1] == "difference" ? "-" : "x", question, answer, fields["result"]);
    }
    const int count = std::regex_match(e.instruction, m, kWrite) ? std::stoi(m[1]) : 0;
    if (count == 0 || (m[3] == "s") != (count > 1) || (!family.starts_with(m[2].str()) && family != "mixed"))
        return "the instruction \"" + e.instruction + "\" is not one of mode " + family;
    if (!fields["result"].isNull())
        return "a result line belongs to estimates alone";
    const std::optional<Exact> q = reliability::readDecimal(question);
    if (!q || q->units < 0 || q->scale > 7)
        return "the question is not a number of at most seven decimals";
    if (m[2] == "decimal place") {
        if (count > 4 || q->units > 101 * power10(q->scale))
            return "more than four places, or a number above 101";
        return same(reliability::readDecimal(answer), roundedTo(*q, -count)) ? "" : "the answer is not rounded";
    }
    const bool whole = q->scale == 0;
    if (whole ? q->units < 10 || q->units > 20000 || firstPlace(*q) < count - 1
              : q->units == 0 || q->units * 10 >= 8 * power10(q->scale) || count > 3)
        return "the number is not a whole number from 10 to 20000, nor a decimal below 0.8, with that many figures";
    return same(reliability::readDecimal(answer), toFigures(*q, count)) ? "" : "the answer is not rounded";
}

} // namespace estimation::checks
