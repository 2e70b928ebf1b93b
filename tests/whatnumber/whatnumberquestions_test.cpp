#include "whatnumber/activity.h"
#include "workedexample.h"

#include <map>

namespace {

using testing_support::drawAt, testing_support::drawFor, testing_support::kTop,
    testing_support::WorkedExample;

const std::string kThink = "I think of a number. What is my number?";
const std::string kWhoAmI = "I am a two-digit number. Who am I?";
const std::string kFewest = "Start with the clue that fits the fewest:";
constexpr int kPatterns = 8; // ×+, ×−, ÷+, ÷−, +×, −×, +÷, −÷

// clang-format off
const WorkedExample kExamples[] = {
    {"divide by 4", 0, {drawAt(3, 4), drawFor(4, 2, 12), drawFor(7, 2, 12)},
     kThink, {"I divide it by 4.", "The answer is 7."}, {"My number is 28"},
     {"Backwards: 7 × 4 = 28", "Check: 28 ÷ 4 = 7"},
     R"({"kind":"one-step","steps":[{"op":"÷","value":4}],"result":7})"},
    {"add the least to the least", 0, {0, 0, 0}, kThink, {"I add 2 to it.", "The answer is 3."}, {"My number is 1"},
     {"Backwards: 3 − 2 = 1", "Check: 1 + 2 = 3"}, R"({"kind":"one-step","steps":[{"op":"+","value":2}],"result":3})"},
    {"subtract the most from the most", 0, {drawAt(1, 4), kTop, kTop},
     kThink, {"I subtract 59 from it.", "The answer is 1."}, {"My number is 60"},
     {"Backwards: 1 + 59 = 60", "Check: 60 − 59 = 1"},
     R"({"kind":"one-step","steps":[{"op":"−","value":59}],"result":1})"},
    {"multiply, then subtract; 200 on the way is drawn again", 1,
     {drawAt(1, kPatterns), kTop, kTop, 0, drawFor(9, 1, 20), drawFor(4, 2, 10), drawFor(7, 1, 20)},
     kThink, {"I multiply it by 4,", "then I subtract 7.", "The answer is 29."}, {"My number is 9"},
     {"Backwards: 29 + 7 = 36, 36 ÷ 4 = 9", "Check: 9 × 4 = 36, 36 − 7 = 29"},
     R"({"kind":"two-steps","steps":[{"op":"×","value":4},{"op":"−","value":7}],"result":29})"},
    {"add, then divide; a half on the way is drawn again", 1,
     {drawAt(6, kPatterns), 0, 0, drawFor(2, 1, 20), drawFor(13, 1, 20), drawFor(3, 2, 10), drawFor(5, 1, 20)},
     kThink, {"I add 5 to it,", "then I divide by 3.", "The answer is 6."}, {"My number is 13"},
     {"Backwards: 6 × 3 = 18, 18 − 5 = 13", "Check: 13 + 5 = 18, 18 ÷ 3 = 6"},
     R"({"kind":"two-steps","steps":[{"op":"+","value":5},{"op":"÷","value":3}],"result":6})"},
    {"divide, then add", 1, {drawAt(2, kPatterns), drawFor(12, 1, 20), drawFor(4, 2, 10), drawFor(5, 1, 20)}, kThink,
     {"I divide it by 4,", "then I add 5.", "The answer is 8."}, {"My number is 12"},
     {"Backwards: 8 − 5 = 3, 3 × 4 = 12", "Check: 12 ÷ 4 = 3, 3 + 5 = 8"},
     R"({"kind":"two-steps","steps":[{"op":"÷","value":4},{"op":"+","value":5}],"result":8})"},
    {"subtract, then multiply", 1, {drawAt(5, kPatterns), drawFor(9, 1, 20), drawFor(5, 2, 10), drawFor(3, 1, 20)},
     kThink, {"I subtract 3 from it,", "then I multiply by 5.", "The answer is 30."}, {"My number is 9"},
     {"Backwards: 30 ÷ 5 = 6, 6 + 3 = 9", "Check: 9 − 3 = 6, 6 × 5 = 30"},
     R"({"kind":"two-steps","steps":[{"op":"−","value":3},{"op":"×","value":5}],"result":30})"},
    {"even and a cube", 2, {drawAt(0, 3), drawAt(1, 2), drawFor(64, 10, 99), drawAt(0, 4), drawAt(0, 3), drawAt(1, 2)},
     kWhoAmI, {"1. I am even.", "2. I am a cube number."}, {"I am 64"}, {kFewest, "Clue 2: 27, 64", "Clue 1: 64"},
     R"({"kind":"clues","clues":[{"type":"parity","value":"even"},{"type":"special","value":"cube"}]})"},
    {"prime, digit sum 10, more than 50", 2,
     {drawAt(1, 3), drawAt(0, 2), drawFor(73, 10, 99), drawAt(1, 4), drawAt(1, 3), drawAt(1, 2),
      drawAt(0, 1), drawAt(0, 2), drawFor(5, 2, 7)},
     kWhoAmI, {"1. I am a prime number.", "2. My digits add up to 10.", "3. I am more than 50."}, {"I am 73"},
     {kFewest, "Clue 2: 19, 28, 37, 46, 55, 64, 73, 82, 91", "Clue 1: 19, 37, 73", "Clue 3: 73"},
     R"({"kind":"clues","clues":[{"type":"special","value":"prime"},{"type":"digit-sum","value":10},)"
     R"({"type":"more-than","value":50}]})"},
    {"square, multiple of 4, less than 30", 2,
     {drawAt(2, 3), drawAt(1, 2), drawFor(16, 10, 99), drawAt(1, 5), drawAt(1, 4), drawAt(2, 3),
      drawAt(0, 1), drawAt(0, 2), drawAt(0, 1), drawFor(3, 2, 9)},
     kWhoAmI, {"1. I am a square number.", "2. I am a multiple of 4.", "3. I am less than 30."}, {"I am 16"},
     {kFewest, "Clue 1: 16, 25, 36, 49, 64, 81", "Clue 3: 16, 25", "Clue 2: 16"},
     R"({"kind":"clues","clues":[{"type":"special","value":"square"},{"type":"multiple","value":4},)"
     R"({"type":"less-than","value":30}]})"},
    {"too few families for 22, four answers for 10, then a list on two lines", 2,
     {drawAt(1, 3), drawAt(1, 2), drawFor(22, 10, 99),
      drawFor(10, 10, 99), drawAt(0, 5), drawAt(1, 4), drawAt(1, 3), drawAt(0, 1), drawAt(0, 4),
      drawFor(45, 10, 99), drawAt(1, 5), drawAt(1, 4), drawAt(2, 3), drawAt(0, 1), drawAt(2, 3), drawAt(0, 2),
      drawFor(4, 2, 4)},
     kWhoAmI, {"1. I am a triangular number.", "2. I am a multiple of 9.", "3. I am more than 40."}, {"I am 45"},
     {kFewest, "Clue 1: 10, 15, 21, 28, 36, 45, 55, 66, 78,", "91", "Clue 2: 36, 45", "Clue 3: 45"},
     R"({"kind":"clues","clues":[{"type":"special","value":"triangular"},{"type":"multiple","value":9},)"
     R"({"type":"more-than","value":40}]})"},
    {"two clues, in Mixed", 3,
     {kTop, drawAt(0, 3), drawAt(0, 2), drawFor(25, 10, 99), drawAt(0, 6), drawAt(2, 5), drawAt(0, 1)},
     kWhoAmI, {"1. I am odd.", "2. I am a factor of 100."}, {"I am 25"},
     {kFewest, "Clue 2: 10, 20, 25, 50", "Clue 1: 25"},
     R"({"kind":"clues","clues":[{"type":"parity","value":"odd"},{"type":"factor","value":100}]})"},
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(WhatNumberQuestions, whatnumber, kExamples)
