#include "geometricprogressions/activity.h"

#include "shell/core/numberforms.h"

#include <array>
#include <string>
#include <string_view>

namespace geometricprogressions {
namespace {

using shell::RandomSource;
using shell::forms::Br;
using shell::forms::N;

enum Kind { NextTerms, FillGaps, NthTerm };
constexpr int kMixed = 3;

constexpr std::array<shell::Mode, 4> kModes{{
    {"Next terms", "next-terms"},
    {"Fill the gaps", "fill-gaps"},
    {"nth term", "nth-term"},
    {"Mixed", "mixed"},
}};

constexpr std::array<std::string_view, 3> kInstructions{
    "Write down the next two terms.",
    "Fill the gaps in this geometric sequence.",
    "Find the nth term of this sequence.",
};

// Each ratio p/q with the first terms that go with it: `step` × (1..count). A halving ratio
// starts at a multiple of 32, so the six terms stay whole.
struct Ratio {
    int p;
    int q;
    int count;
    int step;
};
constexpr std::array<Ratio, 8> kRatios{{
    {2, 1, 12, 1},
    {3, 1, 6, 1},
    {4, 1, 5, 1},
    {5, 1, 4, 1},
    {-2, 1, 10, 1},
    {-3, 1, 5, 1},
    {1, 2, 5, 32},
    {3, 2, 3, 32},
}};

const std::string kTimes = " " + std::string(shell::forms::kTimes) + " ";
const std::string kDivide = " " + std::string(shell::forms::kDivide) + " ";
constexpr std::string_view kPowerNMinus1 = "\u207f\u207b\u00b9"; // ⁿ⁻¹
constexpr std::string_view kPowerN = "\u207f";                   // ⁿ
constexpr std::string_view kCubed = "\u00b3";                    // ³

struct Sequence {
    Ratio ratio;
    long long first = 0;
    std::array<long long, 6> terms{};
};

Sequence drawSequence(RandomSource& draws, bool firstAboveOne)
{
    for (;;) {
        Sequence s;
        s.ratio = kRatios[static_cast<std::size_t>(shell::drawWhole(draws, 8, 0))];
        s.first = static_cast<long long>(s.ratio.step) * shell::drawWhole(draws, s.ratio.count, 1);
        // A first term of 1 would show "1 × r × r × r".
        if (firstAboveOne && s.first == 1)
            continue;
        long long numerator = s.first;
        long long denominator = 1;
        for (long long& term : s.terms) {
            term = numerator / denominator;
            numerator *= s.ratio.p;
            denominator *= s.ratio.q;
        }
        return s;
    }
}

shell::Exercise exercise(int mode, RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    const Sequence s = drawSequence(draws, kind == FillGaps);
    const auto& t = s.terms;
    const Ratio& ratio = s.ratio;
    const std::string r = shell::forms::D(static_cast<double>(ratio.p) / ratio.q);
    const std::string rb = Br(r);
    const std::string cubed =
        shell::forms::D(static_cast<double>(ratio.p * ratio.p * ratio.p) / (ratio.q * ratio.q * ratio.q));

    shell::Exercise e;
    e.instruction = kInstructions[static_cast<std::size_t>(kind)];
    if (kind == FillGaps)
        e.question = {N(t[0]) + ", ?, ?, " + N(t[3]) + ", \u2026"};
    else
        e.question = {N(t[0]) + ", " + N(t[1]) + ", " + N(t[2]) + ", " + N(t[3]) + ", \u2026"};

    if (kind == NextTerms) {
        e.working = {
            "Common ratio = " + N(t[1]) + kDivide + N(t[0]) + " = " + r,
            N(t[3]) + kTimes + rb + " = " + N(t[4]),
            N(t[4]) + kTimes + rb + " = " + N(t[5]),
        };
        e.answer = {N(t[4]) + " and " + N(t[5])};
    } else if (kind == FillGaps) {
        e.working = {
            N(t[0]) + " \u00d7 r \u00d7 r \u00d7 r = " + N(t[3]),
            "r" + std::string(kCubed) + " = " + N(t[3]) + kDivide + N(t[0]) + " = " + cubed,
            "r = " + r + ", because " + rb + std::string(kCubed) + " = " + cubed,
            N(t[0]) + kTimes + rb + " = " + N(t[1]),
            N(t[1]) + kTimes + rb + " = " + N(t[2]),
        };
        e.answer = {N(t[1]) + " and " + N(t[2])};
    } else {
        const std::string a = N(s.first);
        std::string rule = (s.first == 1 ? std::string() : a + kTimes) + rb + std::string(kPowerNMinus1);
        if (ratio.q == 1 && s.first == ratio.p)
            rule += " = " + rb + std::string(kPowerN);
        const std::string check = s.first == 1 ? rb + std::string(kCubed) + " = " + N(t[3])
                                               : a + kTimes + rb + std::string(kCubed) + " = " + a + kTimes +
                                                     Br(cubed) + " = " + N(t[3]);
        e.working = {
            "First term a = " + a,
            "Common ratio r = " + N(t[1]) + kDivide + N(t[0]) + " = " + r,
            "nth term = a \u00d7 r" + std::string(kPowerNMinus1) + " = " + rule,
            "Check n = 4:",
            check,
        };
        e.answer = {"nth term = " + rule};
    }

    const shell::Json ratioValue =
        ratio.q == 1 ? shell::Json(ratio.p) : shell::Json(static_cast<double>(ratio.p) / ratio.q);
    shell::setStandardFields(e, shell::Json::object({
                                    {"kind", kModes[static_cast<std::size_t>(kind)].sheetName},
                                    {"first", s.first},
                                    {"ratio", ratioValue},
                                    {"terms", shell::Json::list(t)},
                                }));
    return e;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "geometricprogressions",
    .sheet = "geometric-progressions",
    .caption = "Geometric Progressions",
    .menu = 1,
    .position = 1,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (the working lines), data: kind\n"
                "(next-terms, fill-gaps or nth-term), first, ratio (2, 3, 4, 5, -2, -3, 0.5\n"
                "or 1.5), terms (the first six)",
    .intro = shell::instructionOfMode<kInstructions>,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace geometricprogressions
