#include "perfectnumbers/activity.h"

#include "shell/core/numberforms.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace perfectnumbers {
namespace {

using shell::RandomSource;
using shell::forms::N;

enum Kind { Factors, Classify };
constexpr int kMixed = 2;

constexpr std::array<shell::Mode, 3> kModes{{
    {"Factors", "factors"},
    {"Classify", "classify"},
    {"Mixed", "mixed"},
}};

constexpr std::array<std::string_view, 2> kInstructions{
    "List all the factors of this number.",
    "Perfect, abundant or deficient?",
};

// The two hints under a number to classify, in twips: white, smaller than the question.
constexpr std::array<std::string_view, 2> kHints{
    "Add the factors that are less than the number.",
    "Equal: perfect, more: abundant, less: deficient",
};
constexpr std::array<double, 2> kHintTops{1710, 2200};
constexpr double kHintHeight = 490;
constexpr shell::TextStyle kHintStyle{20.25, shell::colour::white, shell::Align::Centre};

constexpr std::array<long long, 3> kPerfect{6, 28, 496};
const std::string kTimes = " " + std::string(shell::forms::kTimes) + " ";

// Every factor of n, 1 and n included, in increasing order.
std::vector<long long> factorsOf(long long n)
{
    std::vector<long long> small;
    std::vector<long long> large;
    for (long long f = 1; f * f <= n; ++f) {
        if (n % f != 0)
            continue;
        small.push_back(f);
        if (f * f != n)
            large.push_back(n / f);
    }
    small.insert(small.end(), large.rbegin(), large.rend());
    return small;
}

long long properSum(const std::vector<long long>& factors)
{
    long long sum = 0;
    for (std::size_t i = 0; i + 1 < factors.size(); ++i)
        sum += factors[i];
    return sum;
}

std::string joined(std::vector<long long>::const_iterator from, std::vector<long long>::const_iterator to,
                   std::string_view between)
{
    std::string text;
    for (auto it = from; it != to; ++it)
        text += (it == from ? "" : std::string(between)) + N(*it);
    return text;
}

long long drawToClassify(RandomSource& draws)
{
    const int g = shell::drawWhole(draws, 5, 1);
    if (g == 1)
        return kPerfect[static_cast<std::size_t>(shell::drawWhole(draws, 3, 0))];
    // Perfect numbers are too rare to draw: abundant and deficient ones are drawn until found.
    const bool abundant = g <= 3;
    for (;;) {
        const long long n = shell::drawWhole(draws, 99, 2);
        const long long sum = properSum(factorsOf(n));
        if (abundant ? sum > n : sum < n)
            return n;
    }
}

long long drawToFactorise(RandomSource& draws)
{
    for (;;) {
        const long long n = shell::drawWhole(draws, 89, 12);
        if (factorsOf(n).size() >= 4)
            return n;
    }
}

void factorsWorking(long long n, const std::vector<long long>& factors, shell::Exercise& e)
{
    const auto root = static_cast<long long>(std::sqrt(static_cast<double>(n)));
    e.working.emplace_back("Factor pairs of " + N(n) + ":");
    std::vector<std::string> pairs;
    for (long long f = 1; f <= root; ++f) {
        if (n % f == 0)
            pairs.push_back(N(f) + kTimes + N(n / f));
    }
    for (shell::Line& row : shell::threeCellRows(pairs))
        e.working.push_back(std::move(row));
    const std::string stop = "Stop at " + N(root) + ", as ";
    if (root * root == n)
        e.working.emplace_back(stop + N(root) + kTimes + N(root) + " = " + N(n) + ".");
    else
        e.working.emplace_back(stop + N(root + 1) + kTimes + N(root + 1) + " = " +
                               N((root + 1) * (root + 1)) + " > " + N(n) + ".");
    // More than ten factors take two answer lines of six.
    if (factors.size() > 10)
        e.answer = {joined(factors.begin(), factors.begin() + 6, ", ") + ",",
                    joined(factors.begin() + 6, factors.end(), ", ")};
    else
        e.answer = {joined(factors.begin(), factors.end(), ", ")};
}

std::string_view classifyWorking(long long n, const std::vector<long long>& factors, shell::Exercise& e)
{
    const auto proper = factors.end() - 1;
    const long long sum = properSum(factors);
    const auto count = proper - factors.begin();
    e.working = {"Factors of " + N(n) + ", leaving out " + N(n) + ":", joined(factors.begin(), proper, ", ")};
    if (count == 1) {
        e.working.emplace_back("Sum = 1");
    } else if (count <= 7) {
        e.working.emplace_back(joined(factors.begin(), proper, " + ") + " = " + N(sum));
    } else {
        e.working.emplace_back(joined(factors.begin(), factors.begin() + 6, " + "));
        e.working.emplace_back("+ " + joined(factors.begin() + 6, proper, " + ") + " = " + N(sum));
    }
    std::string_view classification;
    if (sum == n) {
        classification = "perfect";
        e.working.emplace_back("The sum is " + N(n) + " itself, so " + N(n) + " is perfect.");
    } else if (sum > n) {
        classification = "abundant";
        e.working.emplace_back(N(sum) + " is more than " + N(n) + ", so " + N(n) + " is abundant.");
    } else {
        classification = "deficient";
        e.working.emplace_back(N(sum) + " is less than " + N(n) + ", so " + N(n) + " is deficient.");
    }
    e.answer = {N(n) + " is " + std::string(classification) + "."};
    return classification;
}

shell::Exercise exercise(int mode, RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    const long long n = kind == Factors ? drawToFactorise(draws) : drawToClassify(draws);
    const std::vector<long long> factors = factorsOf(n);

    shell::Exercise e;
    e.instruction = kInstructions[static_cast<std::size_t>(kind)];
    e.question = {N(n)};
    shell::Json classification;
    if (kind == Factors) {
        factorsWorking(n, factors, e);
    } else {
        for (std::size_t i = 0; i < kHints.size(); ++i) {
            shell::Line hint{std::string(kHints[i])};
            hint.place = shell::TwipRect{240, kHintTops[i], 9720, kHintHeight};
            hint.style = kHintStyle;
            e.question.push_back(std::move(hint));
        }
        e.layout.working = shell::kPanelBelowThreeLines;
        classification = classifyWorking(n, factors, e);
    }

    shell::setStandardFields(e, shell::Json::object({
                                    {"kind", kModes[static_cast<std::size_t>(kind)].sheetName},
                                    {"number", n},
                                    {"factors", shell::Json::list(factors)},
                                    {"sum", properSum(factors)},
                                    {"classification", classification},
                                }));
    return e;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "perfectnumbers",
    .sheet = "perfect-numbers",
    .caption = "Perfect Numbers",
    .menu = 1,
    .position = 2,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (the working lines), data: kind\n"
                "(factors or classify), number, factors (all, in increasing order), sum (of\n"
                "the factors below the number), classification (perfect, abundant or\n"
                "deficient; null for factors)",
    .intro = shell::instructionOfMode<kInstructions>,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace perfectnumbers
