// The Recurring Decimals activity's invariants for the volume run, worked out again by long
// division and by cross-multiplying fractions.
#include "invariants.h"

#include "shell/core/activity.h"
#include "shell/core/numberforms.h"

#include <regex>

namespace recurringdecimals::checks {
namespace {

struct NoMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
};

long long power10(std::size_t k)
{
    long long power = 1;
    while (k-- > 0)
        power *= 10;
    return power;
}

// A shorter block, repeated, runs through the block: in whole copies ("4545"), or also cut short
// ("121") for the blocks a question is drawn with.
bool hasShorterPeriod(const std::string& block, bool wholeCopies)
{
    for (std::size_t length = 1; length < block.size(); ++length)
        if ((!wholeCopies || block.size() % length == 0) &&
            block.substr(length) == block.substr(0, block.size() - length))
            return true;
    return false;
}

// The quotient digits (yellow, right of the point) and carries (orange) of the short division.
std::string division(const shell::Exercise& e, const std::string& pre, const std::string& rep, long long p)
{
    if (!e.figure(shell::FigureState::Question, NoMeasure{}).marks.empty())
        return "the short division shows before the solution";
    std::string digits;
    std::vector<long long> carries;
    double point = 0;
    for (const shell::Mark& mark : e.figure(shell::FigureState::Solution, NoMeasure{}).marks) {
        const auto* text = std::get_if<shell::TextMark>(&mark);
        if (!text)
            continue;
        if (text->rect.left < 600 || text->rect.left + text->rect.width > 9600)
            return "the short division leaves Left 600..9600";
        if (text->colour == shell::colour::yellow && text->text == ".")
            point = text->rect.left;
        else if (text->colour == shell::colour::yellow && point > 0)
            digits += text->text;
        else if (text->colour == shell::colour::orange)
            carries.push_back(std::stoll(text->text));
    }
    if (digits != pre + rep + rep.substr(0, 1))
        return "the short division's quotient " + digits +
               " does not end by repeating the block's first digit";
    if (carries.size() != digits.size() || carries.front() != p || carries.back() != carries[pre.size()])
        return "the carries do not come round again at the last step";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json fields(e.fields);
    const shell::Json& data = fields["data"];
    const std::string kind = data["kind"].text();
    const long long p = data["numerator"].whole();
    const long long q = data["denominator"].whole();
    const std::string pre = data["pre"].text();
    const std::string rep = data["rep"].text();
    if (p <= 0 || p >= q || shell::forms::gcd(p, q) != 1)
        return "the fraction is not proper and in lowest terms";
    long long rest = q;
    for (const long long factor : {2, 5})
        while (rest % factor == 0)
            rest /= factor;
    if (rest == 1)
        return "the fraction terminates";
    if (rep.empty() || pre.size() > 2 || rep.size() > 6 ||
        hasShorterPeriod(rep, kind == "fraction-to-decimal") ||
        (kind == "decimal-to-fraction" && (!pre.empty() || rep.size() > 3)) ||
        (kind == "partly-recurring" && (pre.empty() || pre.size() + rep.size() > 3)) ||
        (!pre.empty() && pre.back() == rep.back()))
        return "the decimal 0." + pre + "(" + rep + ") is not in its shortest form";
    if ((std::stoll(pre + rep) - (pre.empty() ? 0 : std::stoll(pre))) * q !=
        p * (power10(pre.size() + rep.size()) - power10(pre.size())))
        return "0." + pre + "(" + rep + ") is not " + std::to_string(p) + "/" + std::to_string(q);
    std::string expansion;
    for (long long remainder = p; expansion.size() < 20; remainder = 10 * remainder % q)
        expansion += static_cast<char>('0' + 10 * remainder / q);
    std::string written = pre;
    while (written.size() < 20)
        written += rep;
    if (written.substr(0, 20) != expansion)
        return "long division of " + std::to_string(p) + "/" + std::to_string(q) + " gives 0." + expansion;
    const std::string decimal = "0." + pre + "(" + rep + ")";
    const std::string ratio = std::to_string(p) + "/" + std::to_string(q);
    if (kind == "fraction-to-decimal") {
        if (e.question.at(0).text != ratio || e.answer.at(0) != ratio + " = " + decimal)
            return "question or answer is not " + ratio + " = " + decimal;
        return division(e, pre, rep, p);
    }
    if (e.question.at(0).text != decimal || e.answer.at(0) != decimal + " = " + ratio)
        return "question or answer is not " + decimal + " = " + ratio;
    static const std::regex kLast("x = (\\d+)/(\\d+)(?: = (\\d+)/(\\d+))?");
    std::smatch last;
    const std::string& final = e.working.back().text;
    if (!std::regex_match(final, last, kLast) || std::stoll(last[1]) * q != std::stoll(last[2]) * p ||
        (last[3].matched ? last.str(3) + "/" + last.str(4) : last.str(1) + "/" + last.str(2)) != ratio)
        return "the working's last line \"" + final + "\" does not end at the answer";
    return {};
}

} // namespace recurringdecimals::checks
