#include "arithmeticprogressions/activity.h"

#include "shell/core/numberforms.h"

#include <array>
#include <string>
#include <string_view>

namespace arithmeticprogressions {
namespace {

using shell::RandomSource;
using shell::forms::N;

enum Kind { NextTerms, NthTerm, WhichTerm };
constexpr int kMixed = 3;

constexpr std::array<shell::Mode, 4> kModes{{
    {"Next terms", "next-terms"},
    {"nth term", "nth-term"},
    {"Which term?", "which-term"},
    {"Mixed", "mixed"},
}};

constexpr std::array<std::string_view, 3> kInstructions{
    "Write down the next two terms.",
    "Find the nth term of this sequence.",
    "Here is an arithmetic sequence.",
};

const std::string kMinus(shell::forms::kMinus);

// The rows of the nth term table: the label and its colon in the first 1500 twips, then five
// values right-aligned in cells 1200 twips wide.
constexpr double kLabelWidth = 1500;
constexpr double kValueWidth = 1200;

// Term n is a + (n − 1)d, which is dn + c.
struct Sequence {
    long long first = 0;
    long long difference = 0;

    long long term(long long n) const { return first + (n - 1) * difference; }
    long long constant() const { return first - difference; }
};

Sequence drawSequence(RandomSource& draws)
{
    for (;;) {
        const int t = shell::drawWhole(draws, 4, 1);
        const int k = shell::drawWhole(draws, 9, 1);
        const int d = t == 1 ? -k : k;
        // A falling sequence starts high enough that its terms stay near zero.
        const int a = d < 0 ? shell::drawWhole(draws, 31, 10) : shell::drawWhole(draws, 31, -10);
        // Leaves out 1, 2, 3, …, whose nth term would be n itself.
        if (d != 1 || a != 1)
            return {a, d};
    }
}

// d times n, where n is "n" or a number put in its place: "3n", "n", "−n"; "3 × 5", "5", "−5".
std::string times(long long d, const std::string& n)
{
    if (d == 1)
        return n;
    if (d == -1)
        return kMinus + n;
    return N(d) + (n == "n" ? n : " × " + n);
}

// The nth term rule with n as given: "3n + 2", "4n − 6", "n − 5", "7n"; a falling sequence
// leads with its constant, which is then always positive: "23 − 3n", "12 − n".
std::string rule(const Sequence& s, const std::string& n)
{
    const long long d = s.difference;
    const long long c = s.constant();
    if (d < 0)
        return N(c) + " " + kMinus + " " + times(-d, n);
    std::string text = times(d, n);
    if (c > 0)
        text += " + " + N(c);
    else if (c < 0)
        text += " " + kMinus + " " + N(-c);
    return text;
}

shell::Line tableRow(const std::string& label, const std::array<long long, 5>& values)
{
    shell::Line row(label + ":");
    row.cells.reserve(values.size() + 1);
    row.cells.push_back({row.text, 0, kLabelWidth, shell::Align::Left, {}});
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string value = N(values[i]);
        row.text += (i == 0 ? " " : ", ") + value;
        row.cells.push_back({value,
                             kLabelWidth + kValueWidth * static_cast<double>(i),
                             kValueWidth,
                             shell::Align::Right,
                             {}});
    }
    return row;
}

void nextTermsWorking(const Sequence& s, shell::Exercise& e)
{
    const long long d = s.difference;
    const std::string step = N(d < 0 ? -d : d);
    const std::string sign = d < 0 ? " " + kMinus + " " : " + ";
    e.working = {
        "The terms go " + std::string(d < 0 ? "down" : "up") + " by " + step + " each time.",
        N(s.term(5)) + sign + step + " = " + N(s.term(6)),
        N(s.term(6)) + sign + step + " = " + N(s.term(7)),
    };
    e.answer = {N(s.term(6)) + " and " + N(s.term(7))};
}

void nthTermWorking(const Sequence& s, shell::Exercise& e)
{
    const long long d = s.difference;
    const long long c = s.constant();
    const std::string dn = times(d, "n");
    e.working.reserve(6);
    e.working.push_back("The difference is " + N(d) + ", so compare with " + dn + ".");
    e.working.push_back(tableRow("n", {1, 2, 3, 4, 5}));
    if (d != 1)
        e.working.push_back(tableRow(dn, {d, 2 * d, 3 * d, 4 * d, 5 * d}));
    e.working.push_back(tableRow("Term", {s.term(1), s.term(2), s.term(3), s.term(4), s.term(5)}));
    if (c > 0)
        e.working.push_back("Each term is " + N(c) + " more than " + dn + ".");
    else if (c < 0)
        e.working.push_back("Each term is " + N(-c) + " less than " + dn + ".");
    else
        e.working.push_back("Each term equals " + dn + ".");
    e.working.push_back("Check n = 5: " + rule(s, "5") + " = " + N(s.term(5)));
    e.answer = {"nth term = " + rule(s, "n")};
}

void whichTermWorking(const Sequence& s, long long position, shell::Exercise& e)
{
    const long long d = s.difference;
    const long long c = s.constant();
    const long long target = s.term(position);
    const std::string dn = times(d, "n");
    e.working = {"The nth term is " + rule(s, "n") + ".", rule(s, "n") + " = " + N(target)};
    if (c > 0)
        e.working.push_back(dn + " = " + N(target) + " " + kMinus + " " + N(c) + " = " + N(target - c));
    else if (c < 0)
        e.working.push_back(dn + " = " + N(target) + " + " + N(-c) + " = " + N(target - c));
    if (d == -1)
        e.working.push_back("n = " + N(position));
    else if (d != 1)
        e.working.push_back("n = " + N(target - c) + " " + std::string(shell::forms::kDivide) + " " +
                            shell::forms::Br(d) + " = " + N(position));
    e.answer = {N(target) + " is the " + shell::forms::Ord(position) + " term."};
}

shell::Exercise exercise(int mode, RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    const Sequence s = drawSequence(draws);
    const bool asksWhich = kind == WhichTerm;
    const long long position = asksWhich ? shell::drawWhole(draws, 23, 8) : 0;

    shell::Exercise e;
    e.instruction = kInstructions[static_cast<std::size_t>(kind)];
    std::string terms;
    std::array<long long, 5> shown{};
    for (int n = 1; n <= 5; ++n) {
        shown[static_cast<std::size_t>(n - 1)] = s.term(n);
        terms += N(s.term(n)) + ", ";
    }
    e.question = {terms + "\u2026"};
    if (asksWhich)
        e.question.emplace_back("Which term is " + N(s.term(position)) + "?");

    if (kind == NextTerms)
        nextTermsWorking(s, e);
    else if (kind == NthTerm)
        nthTermWorking(s, e);
    else
        whichTermWorking(s, position, e);

    shell::setStandardFields(e, shell::Json::object({
                                    {"kind", kModes[static_cast<std::size_t>(kind)].sheetName},
                                    {"first", s.first},
                                    {"difference", s.difference},
                                    {"terms", shell::Json::list(shown)},
                                    {"target", asksWhich ? shell::Json(s.term(position)) : shell::Json()},
                                    {"position", asksWhich ? shell::Json(position) : shell::Json()},
                                }));
    return e;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "arithmeticprogressions",
    .sheet = "arithmetic-progressions",
    .caption = "Arithmetic Progressions",
    .menu = 1,
    .position = 0,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (the working lines), data: kind\n"
                "(next-terms, nth-term or which-term), first, difference, terms (the five\n"
                "shown), target (the number asked about, or null), position (its place, or null)",
    .intro = shell::instructionOfMode<kInstructions>,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace arithmeticprogressions
