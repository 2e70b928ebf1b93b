#include "recurringdecimals/activity.h"

#include "recurringdecimals/recurringquestions.h"
#include "shell/core/numberforms.h"

#include <array>

namespace recurringdecimals {
namespace {

using shell::forms::N;

constexpr std::array<shell::Mode, 4> kModes{{
    {"Fraction to decimal", "fraction-to-decimal"},
    {"Decimal to fraction", "decimal-to-fraction"},
    {"Partly recurring", "partly-recurring"},
    {"Mixed", "mixed"},
}};

constexpr std::string_view kToDecimal = "Write this fraction as a recurring decimal.";
constexpr std::string_view kToFraction = "Write as a fraction in its simplest form.";

// The places, in twips: the question alone at 48 pt; the division's working in 18 pt under the
// short division; the equations' working in lines whose equals signs line up at X 4320.
constexpr shell::TwipRect kQuestionPlace{240, 840, 9720, 1160};
constexpr shell::TextStyle kQuestionStyle{48};
constexpr shell::Panel kDivisionWorking{240, 4200, 9720, shell::kSmallWorkingPitch,
                                        shell::kSmallWorkingPoints};
constexpr shell::Panel kEquationWorking{240, 2280, 9720, 660, 27.75};
constexpr double kEqualsAt = 4320 - kEquationWorking.left;

const std::string kDivide(shell::forms::kDivide);

std::string fraction(long long p, long long q)
{
    return N(p) + "/" + N(q);
}

std::string power10(std::size_t k)
{
    return "1" + std::string(k, '0');
}

// The block written out in whole copies until there are at least `least` digits.
std::string copies(const std::string& block, std::size_t least)
{
    std::string text;
    while (text.size() < least)
        text += block;
    return text;
}

// A line of working split at its first " = ", the part before ending where the rest begins.
shell::Line aligned(const std::string& text)
{
    const std::size_t split = text.find(" = ");
    shell::Line line(text);
    line.cells.resize(2);
    line.cells[0].text = text.substr(0, split);
    line.cells[0].width = kEqualsAt;
    line.cells[0].align = shell::Align::Right;
    line.cells[1].text = text.substr(split);
    line.cells[1].offset = kEqualsAt;
    line.cells[1].width = kEquationWorking.width - kEqualsAt;
    return line;
}

std::vector<shell::Line> divisionWorking(const Question& q, const Division& division)
{
    const std::string p = N(q.numerator);
    const std::string d = N(q.denominator);
    const bool oneDigit = q.rep.size() == 1;
    // Whole copies of the block, at least two and at least six digits in all.
    std::string shown = q.pre;
    while (shown.size() < 6 || shown.size() < q.pre.size() + 2 * q.rep.size())
        shown += q.rep;
    return {p + "/" + d + " means " + p + " " + kDivide + " " + d,
            N(10 * division.remainders[static_cast<std::size_t>(division.pre)]) + " " + kDivide + " " + d +
                " comes round again, so the " + (oneDigit ? "digit " : "digits ") + q.rep +
                (oneDigit ? " repeats" : " repeat"),
            p + "/" + d + " = 0." + shown + "\u2026"};
}

std::vector<shell::Line> equationWorking(const Question& q)
{
    const std::string& pre = q.pre;
    const std::string& rep = q.rep;
    const long long whole = std::stoll(pre + rep);
    const long long prefix = pre.empty() ? 0 : std::stoll(pre);
    const std::string sixDigits = copies(rep, 6);
    std::vector<shell::Line> working{aligned("x = 0." + pre + copies(rep, 6 - pre.size()) + "\u2026")};
    long long denominator = 0;
    if (pre.empty()) {
        working.push_back(aligned(power10(rep.size()) + "x = " + N(whole) + "." + sixDigits + "\u2026"));
        denominator = std::stoll(power10(rep.size())) - 1;
    } else {
        working.push_back(aligned(power10(pre.size()) + "x = " + N(prefix) + "." + sixDigits + "\u2026"));
        working.push_back(
            aligned(power10(pre.size() + rep.size()) + "x = " + N(whole) + "." + sixDigits + "\u2026"));
        denominator = std::stoll(power10(pre.size() + rep.size())) - std::stoll(power10(pre.size()));
    }
    working.push_back(aligned("Subtract: " + N(denominator) + "x = " + N(whole - prefix)));
    std::string last = "x = " + fraction(whole - prefix, denominator);
    if (denominator != q.denominator)
        last += " = " + fraction(q.numerator, q.denominator);
    working.push_back(aligned(last));
    return working;
}

// The short division, in twips: a cell of 400 for each digit, 200 for the point and 400 for the
// carry before each zero brought down, centred between Left 600 and 9600.
constexpr double kDigitCell = 400;
constexpr double kPointCell = 200;
constexpr double kQuotientTop = 2100;
constexpr double kDividendTop = 2940;
constexpr double kCarryTop = 2900;
constexpr double kRowHeight = 660;
constexpr double kCarryHeight = 360;
constexpr double kRoof = 2840;
constexpr double kBracketFoot = 3600;
constexpr shell::FontStyle kDigitFont{27.75};
constexpr shell::FontStyle kCarryFont{15.75};

shell::Drawing shortDivision(const Question& q, const Division& division, shell::FigureState state,
                             const shell::TextMeasure& measure)
{
    shell::Drawing drawing;
    if (state == shell::FigureState::Question)
        return drawing;
    drawing.area = {600, kQuotientTop, 9000, kBracketFoot - kQuotientTop + 60};
    const std::string p = std::to_string(q.numerator);
    const std::string divisor = N(q.denominator);
    const double steps = static_cast<double>(division.digits.size());
    const double divisorWidth = measure.measure(divisor, kDigitFont).width;
    const double width = divisorWidth + 240 + kDigitCell * static_cast<double>(p.size()) + kPointCell +
                         2 * kDigitCell * steps + 120;
    const double left = 600 + (9000 - width) / 2;
    const double bracket = left + divisorWidth + 120;
    const auto text = [&drawing](double x, double top, double cellWidth, double height, std::string caption,
                                 const shell::FontStyle& font, shell::Rgb colour, shell::Align align) {
        shell::TextMark mark;
        mark.rect = {x, top, cellWidth, height};
        mark.text = std::move(caption);
        mark.font = font;
        mark.colour = colour;
        mark.align = align;
        drawing.add(std::move(mark));
    };
    text(left, kDividendTop, divisorWidth, kRowHeight, divisor, kDigitFont, shell::colour::white,
         shell::Align::Right);
    drawing.add(shell::LineMark{{bracket, kRoof}, {bracket, kBracketFoot}, shell::colour::white, 45});
    drawing.add(shell::LineMark{{bracket, kRoof}, {left + width, kRoof}, shell::colour::white, 45});
    double x = left + divisorWidth + 240;
    for (std::size_t i = 0; i < p.size(); ++i, x += kDigitCell)
        text(x, kDividendTop, kDigitCell, kRowHeight, std::string(1, p[i]), kDigitFont, shell::colour::white,
             shell::Align::Centre);
    text(x - kDigitCell, kQuotientTop, kDigitCell, kRowHeight, "0", kDigitFont, shell::colour::yellow,
         shell::Align::Centre);
    text(x, kDividendTop, kPointCell, kRowHeight, ".", kDigitFont, shell::colour::white,
         shell::Align::Centre);
    text(x, kQuotientTop, kPointCell, kRowHeight, ".", kDigitFont, shell::colour::yellow,
         shell::Align::Centre);
    x += kPointCell;
    for (std::size_t j = 0; j < division.digits.size(); ++j, x += 2 * kDigitCell) {
        text(x, kCarryTop, kDigitCell, kCarryHeight, std::to_string(division.remainders[j]), kCarryFont,
             shell::colour::orange, shell::Align::Right);
        text(x + kDigitCell, kDividendTop, kDigitCell, kRowHeight, "0", kDigitFont, shell::colour::white,
             shell::Align::Centre);
        text(x + kDigitCell, kQuotientTop, kDigitCell, kRowHeight, std::to_string(division.digits[j]),
             kDigitFont, shell::colour::yellow, shell::Align::Centre);
    }
    return drawing;
}

// The sheet name of the question's own kind, the mode that asks it alone.
std::string_view kindName(Kind kind)
{
    return kModes[static_cast<std::size_t>(kind)].sheetName;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const Question q = makeQuestion(mode, draws);
    const std::string decimal = recurring(q.pre, q.rep);
    const std::string ratio = fraction(q.numerator, q.denominator);
    shell::Exercise e;
    e.layout.recurringDots = true;
    shell::Line question;
    if (q.kind == Kind::FractionToDecimal) {
        const Division division = divide(static_cast<int>(q.numerator), static_cast<int>(q.denominator));
        e.instruction = kToDecimal;
        question.text = ratio;
        e.answer = {ratio + " = " + decimal};
        e.working = divisionWorking(q, division);
        e.layout.working = kDivisionWorking;
        e.figure = [q, division](shell::FigureState state, const shell::TextMeasure& measure) {
            return shortDivision(q, division, state, measure);
        };
    } else {
        e.instruction = kToFraction;
        question.text = decimal;
        e.answer = {decimal + " = " + ratio};
        e.working = equationWorking(q);
        e.layout.working = kEquationWorking;
    }
    question.place = kQuestionPlace;
    question.style = kQuestionStyle;
    e.question = {question};
    shell::setStandardFields(e, shell::Json::object({{"kind", kindName(q.kind)},
                                                     {"numerator", q.numerator},
                                                     {"denominator", q.denominator},
                                                     {"pre", q.pre},
                                                     {"rep", q.rep}}));
    return e;
}

shell::SheetIntro intro(int mode)
{
    shell::SheetIntro shared;
    if (mode != 3)
        shared.instruction = mode == 0 ? kToDecimal : kToFraction;
    return shared;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "recurringdecimals",
    .sheet = "recurring-decimals",
    .caption = "Recurring Decimals",
    .menu = 5,
    .position = 2,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (the working),\n"
                "data: kind, numerator and denominator (lowest terms), pre and rep (the digits\n"
                "after the point that do not repeat and those that do, as texts: \"1\", \"6\")",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace recurringdecimals
