// Arithmetic Progressions: the worked examples, the rejected sequence 1, 2, 3, … and the extreme
// draws, each row scripted draw by draw. The volume run checks random questions of every mode.
#include "arithmeticprogressions/activity.h"
#include "workedexample.h"

namespace {

using testing_support::drawFor, testing_support::kTop, testing_support::operator+,
    testing_support::WorkedExample;

enum Mode { NextTerms, NthTerm, WhichTerm, Mixed };

// t, k and the first term a, which comes from 10..40 when the sequence falls, else −10..20.
std::vector<float> sequence(int t, int k, int a)
{
    const bool falls = t == 1;
    return {drawFor(t, 1, 4), drawFor(k, 1, 9), falls ? drawFor(a, 10, 40) : drawFor(a, -10, 20)};
}

// clang-format off
const WorkedExample kExamples[] = {
    {"nth term of a rising sequence", NthTerm, sequence(2, 3, 5),
     "Find the nth term of this sequence.", {"5, 8, 11, 14, 17, …"}, {"nth term = 3n + 2"},
     {"The difference is 3, so compare with 3n.", "n: 1, 2, 3, 4, 5", "3n: 3, 6, 9, 12, 15",
      "Term: 5, 8, 11, 14, 17", "Each term is 2 more than 3n.", "Check n = 5: 3 × 5 + 2 = 17"},
     R"({"kind":"nth-term","first":5,"difference":3,"terms":[5,8,11,14,17],"target":null,"position":null})"},
    {"next terms going down past zero", NextTerms, sequence(1, 9, 13),
     "Write down the next two terms.", {"13, 4, −5, −14, −23, …"}, {"−32 and −41"},
     {"The terms go down by 9 each time.", "−23 − 9 = −32", "−32 − 9 = −41"},
     R"({"kind":"next-terms","first":13,"difference":-9,"terms":[13,4,-5,-14,-23],"target":null,"position":null})"},
    {"nth term less than dn", NthTerm, sequence(3, 4, -2),
     "Find the nth term of this sequence.", {"−2, 2, 6, 10, 14, …"}, {"nth term = 4n − 6"},
     {"The difference is 4, so compare with 4n.", "n: 1, 2, 3, 4, 5", "4n: 4, 8, 12, 16, 20",
      "Term: −2, 2, 6, 10, 14", "Each term is 6 less than 4n.", "Check n = 5: 4 × 5 − 6 = 14"},
     R"({"kind":"nth-term","first":-2,"difference":4,"terms":[-2,2,6,10,14],"target":null,"position":null})"},
    {"mixed draws which term, difference 1", Mixed,
     std::vector{drawFor(2, 0, 2)} + sequence(2, 1, -4) + std::vector{drawFor(12, 8, 30)},
     "Here is an arithmetic sequence.", {"−4, −3, −2, −1, 0, …", "Which term is 7?"}, {"7 is the 12th term."},
     {"The nth term is n − 5.", "n − 5 = 7", "n = 7 + 5 = 12"},
     R"({"kind":"which-term","first":-4,"difference":1,"terms":[-4,-3,-2,-1,0],"target":7,"position":12})"},
    {"1, 2, 3, … is drawn again; difference 1 has no dn row", NthTerm, sequence(4, 1, 1) + sequence(4, 1, 0),
     "Find the nth term of this sequence.", {"0, 1, 2, 3, 4, …"}, {"nth term = n − 1"},
     {"The difference is 1, so compare with n.", "n: 1, 2, 3, 4, 5", "Term: 0, 1, 2, 3, 4",
      "Each term is 1 less than n.", "Check n = 5: 5 − 1 = 4"},
     R"({"kind":"nth-term","first":0,"difference":1,"terms":[0,1,2,3,4],"target":null,"position":null})"},
    {"nth term equal to dn", NthTerm, sequence(2, 3, 3),
     "Find the nth term of this sequence.", {"3, 6, 9, 12, 15, …"}, {"nth term = 3n"},
     {"The difference is 3, so compare with 3n.", "n: 1, 2, 3, 4, 5", "3n: 3, 6, 9, 12, 15",
      "Term: 3, 6, 9, 12, 15", "Each term equals 3n.", "Check n = 5: 3 × 5 = 15"},
     R"({"kind":"nth-term","first":3,"difference":3,"terms":[3,6,9,12,15],"target":null,"position":null})"},
    {"lowest draws: which term, going down by 1", WhichTerm, {0, 0, 0, 0},
     "Here is an arithmetic sequence.", {"10, 9, 8, 7, 6, …", "Which term is 3?"}, {"3 is the 8th term."},
     {"The nth term is 11 − n.", "11 − n = 3", "−n = 3 − 11 = −8", "n = 8"},
     R"({"kind":"which-term","first":10,"difference":-1,"terms":[10,9,8,7,6],"target":3,"position":8})"},
    {"highest draws: which term, the largest target", WhichTerm, {kTop, kTop, kTop, kTop},
     "Here is an arithmetic sequence.", {"20, 29, 38, 47, 56, …", "Which term is 281?"}, {"281 is the 30th term."},
     {"The nth term is 9n + 11.", "9n + 11 = 281", "9n = 281 − 11 = 270", "n = 270 ÷ 9 = 30"},
     R"({"kind":"which-term","first":20,"difference":9,"terms":[20,29,38,47,56],"target":281,"position":30})"},
};
// clang-format on

} // namespace

WORKED_EXAMPLES_TEST(ArithmeticProgressions, arithmeticprogressions, kExamples)
