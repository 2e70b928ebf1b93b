// The Estimation activity's invariants for the volume run: each instruction belongs to the mode,
// the numbers lie in the ranges drawn, an answer to decimal places has that many and lies within
// half a last place of the number, and an estimate's result is worked from its rounded numbers.
// The rounding itself is the scripted rows' of estimationquestions_test.
#include "invariants.h"

#include <algorithm>
#include <regex>

namespace estimation::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    static const std::regex kWrite(R"(Write the following number correct to (\d) (decimal place|significant figure)(s?)\.\.\.)");
    static const std::regex kEstimate(
        "Estimate both numbers to 1 significant figure and then calculate the (sum|difference|product)\\.\\.\\.");
    static const std::regex kPair(R"((\d+) ([-+x]) (\d+))");
    const shell::Json fields(e.fields);
    const std::string question = fields["question"].text(), answer = fields["answer"].text();
    // The mode's sheet name, "significant-figures", names the instructions it gives.
    std::string family(activity.modes[static_cast<std::size_t>(mode)].sheetName);
    std::replace(family.begin(), family.end(), '-', ' ');
    std::smatch m, q, a;
    if (std::regex_match(e.instruction, m, kEstimate)) {
        const std::string op = m[1] == "sum" ? "+" : m[1] == "difference" ? "-" : "x";
        if (family != "estimation" && family != "mixed")
            return "an estimate in mode " + family;
        if (!std::regex_match(question, q, kPair) || !std::regex_match(answer, a, kPair) || q[2] != op || a[2] != op)
            return "the question or answer does not use the operation the instruction names";
        const long long x = std::stoll(q[1]), y = std::stoll(q[3]), rx = std::stoll(a[1]), ry = std::stoll(a[3]);
        if (x < 10 || x > 600 || y < 10 || y > 50)
            return "not a from 10 to 600 and b from 10 to 50";
        const long long value = op == "+" ? rx + ry : op == "-" ? rx - ry : rx * ry;
        return fields["result"].isText() && fields["result"].text() == "= " + std::to_string(value) ? "" : "the result is not worked";
    }
    const int count = std::regex_match(e.instruction, m, kWrite) ? std::stoi(m[1]) : 0;
    if (count == 0 || (m[3] == "s") != (count > 1) || (!family.starts_with(m[2].str()) && family != "mixed"))
        return "the instruction \"" + e.instruction + "\" is not one of mode " + family;
    if (!fields["result"].isNull())
        return "a result line belongs to estimates alone";
    const std::optional<reliability::Exact> number = reliability::readDecimal(question), rounded = reliability::readDecimal(answer);
    if (!number || !rounded || number->units < 0 || number->scale > 7)
        return "the question or answer is not a number, or the question has more than seven decimals";
    if (m[2] == "decimal place") {
        if (count > 4 || number->units > 101 * reliability::power10(number->scale) || rounded->scale != count)
            return "more than four places, a number above 101, or an answer not to that many places";
        // |answer - number| <= half of 10^-count, in units of 10^-(scale + count) for both.
        const reliability::Int difference = rounded->units * reliability::power10(number->scale) -
                                            number->units * reliability::power10(count);
        return 2 * (difference < 0 ? -difference : difference) <= reliability::power10(number->scale) ? ""
                                                                                                     : "the answer is not the number rounded";
    }
    const bool whole = number->scale == 0;
    if (whole ? number->units < 10 || number->units > 20000 : number->units == 0 || number->units * 10 >= 8 * reliability::power10(number->scale) || count > 3)
        return "the number is not a whole number from 10 to 20000, nor a decimal below 0.8";
    return {};
}

} // namespace estimation::checks
