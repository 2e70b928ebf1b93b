#include "quadraticequations/activity.h"

#include "shell/core/numberforms.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace quadraticequations {
namespace {

using shell::drawWhole;
using shell::Json;
using shell::forms::Br;
using shell::forms::Fr;
using shell::forms::gcd;
using shell::forms::N;
using shell::forms::R;

const std::string kMinus(shell::forms::kMinus);

enum Kind { kFactorise, kFactoriseA, kFormula, kMixed };

constexpr std::array<shell::Mode, 4> kModes{{
    {"x\u00b2 + bx + c", "factorise"},
    {"ax\u00b2 + bx + c", "factorise-a"},
    {"Formula", "formula"},
    {"Mixed", "mixed"},
}};

constexpr const char* kByFactorising = "Solve by factorising.";
constexpr const char* kByFormula = "Solve, giving x to 2 decimal places.";

// A term after the first: " + 5x", " − x", " − 3"; nothing for a coefficient of 0. A term with
// an unknown leaves out a coefficient of 1.
std::string term(long long coefficient, std::string_view unknown = {})
{
    if (coefficient == 0)
        return {};
    std::string text = coefficient < 0 ? " " + kMinus + " " : std::string(" + ");
    const long long size = std::llabs(coefficient);
    if (unknown.empty() || size != 1)
        text += N(size);
    return text.append(unknown);
}

std::string equation(long long a, long long b, long long c)
{
    return (a == 1 ? std::string() : N(a)) + "x\u00b2" + term(b, "x") + term(c) + " = 0";
}

// "(x + 5)", "(x − 3)".
std::string bracket(long long u)
{
    return "(x" + term(u) + ")";
}

// A question's working and answer, with the equation and roots its data name.
struct Solved {
    shell::Exercise exercise;
    long long a, b, c;
    std::vector<double> roots;
    std::vector<std::string> rootTexts;
};

Solved factorise(shell::RandomSource& draws)
{
    int p = 0;
    int q = 0;
    do {
        p = drawWhole(draws, 19, -9);
        q = drawWhole(draws, 19, -9);
    } while (p == 0 || q == 0);
    const long long r1 = std::min(p, q);
    const long long r2 = std::max(p, q);
    const long long b = -(r1 + r2);
    const long long c = r1 * r2;
    const long long u = -r1;
    const long long v = -r2;
    Solved s{{}, 1, b, c, {}, {}};
    shell::Exercise& e = s.exercise;
    e.working = {"Numbers with product " + N(c) + " and sum " + N(b) + ":", N(u) + " and " + N(v)};
    if (r1 == r2) {
        e.working.emplace_back(bracket(u) + "\u00b2 = 0, so x" + term(u) + " = 0");
        e.answer = {"x = " + N(r1) + " (a repeated root)"};
        s.roots = {static_cast<double>(r1)};
        s.rootTexts = {N(r1)};
    } else {
        e.working.emplace_back(bracket(u) + bracket(v) + " = 0");
        e.working.emplace_back("x" + term(u) + " = 0 or x" + term(v) + " = 0");
        e.answer = {"x = " + N(r1) + " or x = " + N(r2)};
        s.roots = {static_cast<double>(r1), static_cast<double>(r2)};
        s.rootTexts = {N(r1), N(r2)};
    }
    return s;
}

// (Ax + B)(x + C) = 0 multiplied out: its roots are −B/A, never whole, and −C.
Solved factoriseWithA(shell::RandomSource& draws)
{
    int A = 0;
    int B = 0;
    int C = 0;
    do {
        A = drawWhole(draws, 4, 2);
        B = drawWhole(draws, 19, -9);
        C = drawWhole(draws, 13, -6);
    } while (B == 0 || C == 0 || gcd(A, B) > 1);
    const long long a = A;
    const long long b = A * C + B;
    const long long c = B * C;
    Solved s{{}, a, b, c, {}, {}};
    shell::Exercise& e = s.exercise;
    e.working = {
        "a \u00d7 c = " + N(a) + " \u00d7 " + Br(c) + " = " + N(a * c),
        "Numbers with product " + N(a * c) + " and sum " + N(b) + ":",
        N(A * C) + " and " + N(B),
        N(a) + "x\u00b2" + term(A * C, "x") + term(B, "x") + term(B * C) + " = 0",
        // The 1 stays: "− 1(x + 3)".
        N(A) + "x" + bracket(C) + (B < 0 ? " " + kMinus + " " : std::string(" + ")) + N(std::abs(B)) + bracket(C) +
            " = 0",
        "(" + N(A) + "x" + term(B) + ")" + bracket(C) + " = 0",
    };
    std::pair<long long, long long> low{-B, A};
    std::pair<long long, long long> high{-C, 1};
    if (high.first * low.second < low.first * high.second)
        std::swap(low, high);
    s.rootTexts = {Fr(low.first, low.second), Fr(high.first, high.second)};
    s.roots = {static_cast<double>(low.first) / static_cast<double>(low.second),
               static_cast<double>(high.first) / static_cast<double>(high.second)};
    e.answer = {"x = " + s.rootTexts[0] + " or x = " + s.rootTexts[1]};
    return s;
}

bool isSquare(long long n)
{
    const auto root = static_cast<long long>(std::llround(std::sqrt(static_cast<double>(n))));
    return root * root == n;
}

// Within 0.0005 of a boundary of rounding to 2 decimal places, where a pupil who rounds √D on
// the way may land on the other side.
bool nearRoundingBoundary(double x)
{
    const double hundredths = 100 * std::fabs(x);
    const double fraction = hundredths - std::floor(hundredths);
    return fraction > 0.45 && fraction < 0.55;
}

// The value cut (not rounded) after 4 decimals, followed by "…": "1.3166…", "−5.3166…".
std::string cut(double x)
{
    const auto tenThousandths = static_cast<long long>(std::trunc(x * 10000));
    const long long size = std::llabs(tenThousandths);
    std::string decimals = std::to_string(size % 10000);
    decimals.insert(0, 4 - decimals.size(), '0');
    return (tenThousandths < 0 ? kMinus : std::string()) + N(size / 10000) + "." + decimals + "\u2026";
}

Solved formula(shell::RandomSource& draws)
{
    long long a = 0;
    long long b = 0;
    long long c = 0;
    long long discriminant = 0;
    double minus = 0;
    double plus = 0;
    for (;;) {
        a = drawWhole(draws, 3, 1);
        b = drawWhole(draws, 19, -9);
        c = drawWhole(draws, 19, -9);
        discriminant = b * b - 4 * a * c;
        if (b == 0 || c == 0 || discriminant <= 0 || isSquare(discriminant) || gcd(gcd(a, b), c) > 1)
            continue;
        const double root = std::sqrt(static_cast<double>(discriminant));
        minus = (static_cast<double>(-b) - root) / static_cast<double>(2 * a);
        plus = (static_cast<double>(-b) + root) / static_cast<double>(2 * a);
        if (!nearRoundingBoundary(minus) && !nearRoundingBoundary(plus))
            break;
    }
    Solved s{{}, a, b, c, {minus, plus}, {R(minus, 2), R(plus, 2)}};
    shell::Exercise& e = s.exercise;
    const std::string over = ") \u00f7 " + N(2 * a);
    const std::string sqrtD = "\u221a" + N(discriminant);
    e.working = {
        "a = " + N(a) + ", b = " + N(b) + ", c = " + N(c),
        "x = (" + kMinus + "b \u00b1 \u221a(b\u00b2 " + kMinus + " 4ac)) \u00f7 (2a)",
        "b\u00b2 " + kMinus + " 4ac = " + Br(b) + "\u00b2 " + kMinus + " 4 \u00d7 " + N(a) + " \u00d7 " + Br(c) +
            " = " + N(discriminant),
        "x = (" + N(-b) + " \u00b1 " + sqrtD + over,
        "x = (" + N(-b) + " + " + sqrtD + over + " = " + cut(plus),
        "x = (" + N(-b) + " " + kMinus + " " + sqrtD + over + " = " + cut(minus),
    };
    e.answer = {"x = " + s.rootTexts[0] + " or x = " + s.rootTexts[1]};
    return s;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    Solved s = kind == kFactorise ? factorise(draws) : kind == kFactoriseA ? factoriseWithA(draws) : formula(draws);
    shell::Exercise& e = s.exercise;
    e.instruction = kind == kFormula ? kByFormula : kByFactorising;
    e.question = {equation(s.a, s.b, s.c)};
    shell::setStandardFields(e, Json::object({
                                    {"kind", kModes[static_cast<std::size_t>(kind)].sheetName},
                                    {"a", s.a},
                                    {"b", s.b},
                                    {"c", s.c},
                                    {"roots", Json::list(s.roots)},
                                    {"root_texts", Json::list(s.rootTexts)},
                                }));
    return std::move(e);
}

shell::SheetIntro intro(int mode)
{
    shell::SheetIntro intro;
    if (mode != kMixed)
        intro.instruction = mode == kFormula ? kByFormula : kByFactorising;
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "quadraticequations",
    .sheet = "quadratic-equations",
    .caption = "Quadratic Equations",
    .menu = 2,
    .position = 0,
    .modes = kModes,
    .jsonHelp = "instruction, question (the equation), answer, solution (the working),\n"
                "data: kind (factorise, factorise-a or formula), a, b, c, roots (in\n"
                "increasing order, once for a repeated root), root_texts (as the answer\n"
                "writes them)",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace quadraticequations
