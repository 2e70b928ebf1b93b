// Hexadecimal questions from scripted draws: the worked examples, each kind of column (letters,
// carries, borrows, a single-digit answer), the rejected draws and the extreme draws.
#include "hexadecimal/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawFor, testing_support::kTop, testing_support::WorkedExample;

enum Mode { ToDenary, ToHex, Add, Subtract };

const std::string kDo[] = {"Convert to denary (base 10).", "Convert to hexadecimal (base 16).",
                           "Add: answer in hexadecimal.", "Subtract: answer in hexadecimal."};

// The draw that gives a byte value out of 16..255.
float byte(int value)
{
    return drawFor(value, 16, 255);
}

// clang-format off
const WorkedExample kExamples[] = {
    {"smallest byte", ToDenary, {0}, kDo[ToDenary], {"10₁₆"}, {"10₁₆ = 16₁₀"},
     {"Columns: 16s and 1s", "1 × 16 = 16", "0 × 1 = 0", "16 + 0 = 16"}, R"({"kind":"to-denary","a":16,"b":null})"},
    {"largest byte, two letters", ToDenary, {kTop}, kDo[ToDenary], {"FF₁₆"}, {"FF₁₆ = 255₁₀"},
     {"Columns: 16s and 1s", "F = 15: 15 × 16 = 240", "F = 15: 15 × 1 = 15", "240 + 15 = 255"},
     R"({"kind":"to-denary","a":255,"b":null})"},
    {"denary to hex", ToHex, {byte(200)}, kDo[ToHex], {"200₁₀"}, {"200₁₀ = C8₁₆"},
     {"200 ÷ 16 = 12 remainder 8", "16s digit: 12 = C", "1s digit: 8"}, R"({"kind":"to-hex","a":200,"b":null})"},
    {"add with a carry, after a sum past FF is redrawn", Add, {byte(200), byte(100), byte(58), byte(47)}, kDo[Add],
     {"3A₁₆ + 2F₁₆"}, {"3A₁₆ + 2F₁₆ = 69₁₆"},
     {"1s: A + F = 10 + 15 = 25", "25 = 16 + 9: write 9, carry 1", "16s: 3 + 2 + 1 = 6",
      "Check: 58 + 47 = 105 = 6 × 16 + 9"}, R"({"kind":"add","a":58,"b":47})"},
    {"add, a 1s digit of ten and letters in the 16s", Add, {byte(163), byte(23)}, kDo[Add], {"A3₁₆ + 17₁₆"},
     {"A3₁₆ + 17₁₆ = BA₁₆"},
     {"1s: 3 + 7 = 10", "10 = A, no carry: write A", "16s: A + 1 = 10 + 1 = 11 = B",
      "Check: 163 + 23 = 186 = 11 × 16 + 10"}, R"({"kind":"add","a":163,"b":23})"},
    {"add without letters or carry", Add, {byte(18), byte(19)}, kDo[Add], {"12₁₆ + 13₁₆"}, {"12₁₆ + 13₁₆ = 25₁₆"},
     {"1s: 2 + 3 = 5", "No carry: write 5", "16s: 1 + 1 = 2", "Check: 18 + 19 = 37 = 2 × 16 + 5"},
     R"({"kind":"add","a":18,"b":19})"},
    {"subtract with a borrow, after an equal pair is redrawn", Subtract, {byte(47), byte(47), byte(92), byte(47)},
     kDo[Subtract], {"5C₁₆ − 2F₁₆"}, {"5C₁₆ − 2F₁₆ = 2D₁₆"},
     {"1s: C − F: C is smaller, borrow 16", "12 + 16 − 15 = 13 = D: write D", "16s: 5 − 1 − 2 = 2",
      "Check: 92 − 47 = 45 = 2 × 16 + 13"}, R"({"kind":"subtract","a":92,"b":47})"},
    {"subtract to one digit", Subtract, {byte(60), byte(47)}, kDo[Subtract], {"3C₁₆ − 2F₁₆"}, {"3C₁₆ − 2F₁₆ = D₁₆"},
     {"1s: C − F: C is smaller, borrow 16", "12 + 16 − 15 = 13 = D: write D", "16s: 3 − 1 − 2 = 0",
      "No 16s: the answer has one digit", "Check: 60 − 47 = 13"}, R"({"kind":"subtract","a":60,"b":47})"},
    {"subtract without a borrow, letters in both columns", Subtract, {byte(254), byte(26)}, kDo[Subtract],
     {"FE₁₆ − 1A₁₆"}, {"FE₁₆ − 1A₁₆ = E4₁₆"},
     {"1s: E − A = 14 − 10 = 4", "No borrow: write 4", "16s: F − 1 = 15 − 1 = 14 = E",
      "Check: 254 − 26 = 228 = 14 × 16 + 4"}, R"({"kind":"subtract","a":254,"b":26})"},
    {"subtract to a letter without a borrow", Subtract, {byte(47), byte(19)}, kDo[Subtract], {"2F₁₆ − 13₁₆"},
     {"2F₁₆ − 13₁₆ = 1C₁₆"},
     {"1s: F − 3 = 15 − 3 = 12", "12 = C, no borrow: write C", "16s: 2 − 1 = 1", "Check: 47 − 19 = 28 = 1 × 16 + 12"},
     R"({"kind":"subtract","a":47,"b":19})"},
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(HexadecimalQuestions, hexadecimal, kExamples)
