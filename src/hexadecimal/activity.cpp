#include "hexadecimal/activity.h"

#include "shell/core/numberforms.h"

#include <array>
#include <string>
#include <vector>

namespace hexadecimal {
namespace {

enum Kind { ToDenary, ToHex, Add, Subtract };

constexpr std::array<shell::Mode, 4> kModes{{
    {"Hex to denary", "to-denary"},
    {"Denary to hex", "to-hex"},
    {"Add", "add"},
    {"Subtract", "subtract"},
}};

constexpr std::array<std::string_view, 4> kInstructions{
    "Convert to denary (base 10).",
    "Convert to hexadecimal (base 16).",
    "Add: answer in hexadecimal.",
    "Subtract: answer in hexadecimal.",
};

// The subscripts that name a number's base.
constexpr std::string_view kBase16 = "\u2081\u2086";
constexpr std::string_view kBase10 = "\u2081\u2080";

// The question stands alone in 48 pt.
constexpr shell::TwipRect kQuestionPlace{240, 840, 9720, 1160};
constexpr shell::TextStyle kQuestionStyle{48, shell::colour::yellow, shell::Align::Centre};

const std::string kMinus(shell::forms::kMinus);
const std::string kTimes(shell::forms::kTimes);

// The hexadecimal digit of 0 to 15.
std::string X(int digit)
{
    return std::string(1, "0123456789ABCDEF"[digit]);
}

std::string Hex(int value)
{
    return (value < 16 ? X(value) : X(value / 16) + X(value % 16)) + std::string(kBase16);
}

std::string Den(int value)
{
    return std::to_string(value) + std::string(kBase10);
}

std::string n(int value)
{
    return std::to_string(value);
}

bool isLetter(int digit)
{
    return digit >= 10;
}

// " = C" after a number of 10 to 15, which is also a digit written as a letter.
std::string alsoLetter(int value)
{
    return isLetter(value) ? " = " + X(value) : "";
}

std::vector<shell::Line> toDenaryWorking(int a)
{
    const int a1 = a / 16;
    const int a0 = a % 16;
    const auto column = [](int digit, int weight) {
        const std::string product = n(digit) + " " + kTimes + " " + n(weight) + " = " + n(digit * weight);
        return isLetter(digit) ? X(digit) + " = " + n(digit) + ": " + product : product;
    };
    return {"Columns: 16s and 1s", column(a1, 16), column(a0, 1), n(16 * a1) + " + " + n(a0) + " = " + n(a)};
}

std::vector<shell::Line> toHexWorking(int a)
{
    const int a1 = a / 16;
    const int a0 = a % 16;
    return {n(a) + " " + std::string(shell::forms::kDivide) + " 16 = " + n(a1) + " remainder " + n(a0),
            "16s digit: " + n(a1) + alsoLetter(a1), "1s digit: " + n(a0) + alsoLetter(a0)};
}

std::vector<shell::Line> addWorking(int a, int b)
{
    const int a1 = a / 16, a0 = a % 16, b1 = b / 16, b0 = b % 16;
    const int u = a0 + b0;
    const bool carry = u >= 16;
    const int s = a1 + b1 + (carry ? 1 : 0);
    const std::string plusCarry = carry ? " + 1" : "";
    std::vector<shell::Line> lines;
    lines.emplace_back("1s: " + X(a0) + " + " + X(b0) +
                       (isLetter(a0) || isLetter(b0) ? " = " + n(a0) + " + " + n(b0) : "") + " = " + n(u));
    if (carry)
        lines.emplace_back(n(u) + " = 16 + " + n(u - 16) + ": write " + X(u - 16) + ", carry 1");
    else if (isLetter(u))
        lines.emplace_back(n(u) + " = " + X(u) + ", no carry: write " + X(u));
    else
        lines.emplace_back("No carry: write " + n(u));
    lines.emplace_back("16s: " + X(a1) + " + " + X(b1) + plusCarry +
                       (isLetter(a1) || isLetter(b1) ? " = " + n(a1) + " + " + n(b1) + plusCarry : "") + " = " +
                       n(s) + alsoLetter(s));
    lines.emplace_back("Check: " + n(a) + " + " + n(b) + " = " + n(a + b) + " = " + n(s) + " " + kTimes + " 16 + " +
                       n((a + b) % 16));
    return lines;
}

std::vector<shell::Line> subtractWorking(int a, int b)
{
    const int a1 = a / 16, a0 = a % 16, b1 = b / 16, b0 = b % 16;
    const std::string minus = " " + kMinus + " ";
    const bool borrow = a0 < b0;
    const int u = borrow ? a0 + 16 - b0 : a0 - b0;
    std::vector<shell::Line> lines;
    if (borrow) {
        lines.emplace_back("1s: " + X(a0) + minus + X(b0) + ": " + X(a0) + " is smaller, borrow 16");
        lines.emplace_back(n(a0) + " + 16" + minus + n(b0) + " = " + n(u) + alsoLetter(u) + ": write " + X(u));
    } else {
        lines.emplace_back("1s: " + X(a0) + minus + X(b0) +
                           (isLetter(a0) || isLetter(b0) ? " = " + n(a0) + minus + n(b0) : "") + " = " + n(u));
        lines.emplace_back(isLetter(u) ? n(u) + " = " + X(u) + ", no borrow: write " + X(u)
                                       : "No borrow: write " + n(u));
    }
    const int s = a1 - (borrow ? 1 : 0) - b1;
    const std::string lessBorrow = borrow ? minus + "1" : "";
    lines.emplace_back("16s: " + X(a1) + lessBorrow + minus + X(b1) +
                       (isLetter(a1) || isLetter(b1) ? " = " + n(a1) + lessBorrow + minus + n(b1) : "") + " = " +
                       n(s) + alsoLetter(s));
    if (s == 0)
        lines.emplace_back("No 16s: the answer has one digit");
    lines.emplace_back("Check: " + n(a) + minus + n(b) + " = " + n(a - b) +
                       (a - b >= 16 ? " = " + n(s) + " " + kTimes + " 16 + " + n(u) : ""));
    return lines;
}

int drawByte(shell::RandomSource& draws)
{
    return shell::drawWhole(draws, 240, 16);
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    int a = drawByte(draws);
    int b = 0;
    if (mode == Add || mode == Subtract) {
        b = drawByte(draws);
        // Add keeps to one byte, Subtract to a positive difference.
        while (mode == Add ? a + b > 255 : a <= b) {
            a = drawByte(draws);
            b = drawByte(draws);
        }
    }

    shell::Exercise e;
    e.instruction = std::string(kInstructions[static_cast<std::size_t>(mode)]);
    std::string question;
    switch (mode) {
    case ToDenary:
        question = Hex(a);
        e.answer = {Hex(a) + " = " + Den(a)};
        e.working = toDenaryWorking(a);
        break;
    case ToHex:
        question = Den(a);
        e.answer = {Den(a) + " = " + Hex(a)};
        e.working = toHexWorking(a);
        break;
    case Add:
        question = Hex(a) + " + " + Hex(b);
        e.answer = {question + " = " + Hex(a + b)};
        e.working = addWorking(a, b);
        break;
    default:
        question = Hex(a) + " " + kMinus + " " + Hex(b);
        e.answer = {question + " = " + Hex(a - b)};
        e.working = subtractWorking(a, b);
        break;
    }
    shell::Line line(question);
    line.place = kQuestionPlace;
    line.style = kQuestionStyle;
    e.question = {std::move(line)};
    const bool twoNumbers = mode == Add || mode == Subtract;
    shell::setStandardFields(e, shell::Json::object({{"kind", kModes[static_cast<std::size_t>(mode)].sheetName},
                                                     {"a", a},
                                                     {"b", twoNumbers ? shell::Json(b) : shell::Json()}}));
    return e;
}

shell::SheetIntro sheetIntro(int mode)
{
    shell::SheetIntro intro;
    intro.instruction = kInstructions[static_cast<std::size_t>(mode)];
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "hexadecimal",
    .sheet = "hexadecimal",
    .caption = "Hexadecimal Arithmetic",
    .menu = 4,
    .position = 0,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (the working lines),\n"
                "data: kind, a, b (denary; b null for the conversions)",
    .intro = sheetIntro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace hexadecimal
