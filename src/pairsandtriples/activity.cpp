#include "pairsandtriples/activity.h"

#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace pairsandtriples {
namespace {

using shell::RandomSource;
using shell::forms::Br;
using shell::forms::N;

enum Kind { Pairs, Negatives, Triples, Pythagoras };

constexpr std::array<shell::Mode, 4> kModes{{
    {"Pairs", "pairs"},
    {"Negatives", "negatives"},
    {"Triples", "triples"},
    {"Pythagoras", "pythagoras"},
}};

constexpr std::array<std::string_view, 4> kInstructions{
    "Find the two numbers.",
    "Find the two numbers.",
    "Find the three positive whole numbers.",
    "Complete the Pythagorean triple.",
};

const std::string kMinus(shell::forms::kMinus);
const std::string kTimes = " " + std::string(shell::forms::kTimes) + " ";
constexpr std::string_view kSquared = "\u00b2";

// The base triples, each with the largest multiple asked of it.
struct Triple {
    long long a;
    long long b;
    long long c;
    int largestMultiple;
};
constexpr std::array<Triple, 7> kTriples{{
    {3, 4, 5, 5},
    {5, 12, 13, 3},
    {8, 15, 17, 2},
    {7, 24, 25, 2},
    {20, 21, 29, 1},
    {12, 35, 37, 1},
    {9, 40, 41, 1},
}};

// The question lines and the JSON data of a question about a sum and a product.
void askSumAndProduct(Kind kind, long long sum, long long product, const std::vector<long long>& numbers,
                      shell::Exercise& e)
{
    e.question = {"Sum = " + N(sum), "Product = " + N(product)};
    shell::setStandardFields(e, shell::Json::object({
                                    {"kind", kModes[kind].sheetName},
                                    {"sum", sum},
                                    {"product", product},
                                    {"numbers", shell::Json::list(numbers)},
                                }));
}

void pairQuestion(Kind kind, RandomSource& draws, shell::Exercise& e)
{
    long long x = 0;
    long long y = 0;
    for (;;) {
        if (kind == Pairs) {
            x = shell::drawWhole(draws, 12, 1);
            y = shell::drawWhole(draws, 12, 1);
            if (x != y)
                break;
        } else {
            x = shell::drawWhole(draws, 25, -12);
            y = shell::drawWhole(draws, 25, -12);
            if (x != y && x != 0 && y != 0 && (x < 0 || y < 0))
                break;
        }
    }
    if (x > y)
        std::swap(x, y);
    const long long sum = x + y;
    const long long product = x * y;
    if (kind == Negatives)
        e.working.emplace_back(product < 0 ? "Product < 0: one number is negative."
                                           : "Product > 0, sum < 0: both are negative.");
    const long long size = std::llabs(product);
    const long long small = std::min(std::llabs(x), std::llabs(y));
    e.working.emplace_back("Factor pairs of " + N(size) + ":");
    std::vector<std::string> pairs;
    int found = -1;
    for (long long f = 1; f * f <= size; ++f) {
        if (size % f != 0)
            continue;
        if (f == small)
            found = static_cast<int>(pairs.size());
        pairs.push_back(N(f) + kTimes + N(size / f));
    }
    for (shell::Line& row : shell::threeCellRows(pairs, found))
        e.working.push_back(std::move(row));
    e.working.emplace_back(N(x) + kTimes + Br(y) + " = " + N(product));
    e.working.emplace_back(N(x) + " + " + Br(y) + " = " + N(sum));
    e.answer = {N(x) + " and " + N(y)};
    askSumAndProduct(kind, sum, product, {x, y}, e);
}

struct FactorTriple {
    long long p;
    long long q;
    long long r;
    long long sum() const { return p + q + r; }
};

// Every (p, q, r) with p ≤ q ≤ r and pqr = product, by increasing p, then q.
std::vector<FactorTriple> factorTriples(long long product)
{
    std::vector<FactorTriple> triples;
    for (long long p = 1; p * p * p <= product; ++p) {
        if (product % p != 0)
            continue;
        for (long long q = p; p * q * q <= product; ++q) {
            if (product % (p * q) == 0)
                triples.push_back({p, q, product / (p * q)});
        }
    }
    return triples;
}

void tripleQuestion(RandomSource& draws, shell::Exercise& e)
{
    std::array<long long, 3> n{};
    std::vector<FactorTriple> triples;
    long long sum = 0;
    long long product = 0;
    for (;;) {
        for (long long& value : n)
            value = shell::drawWhole(draws, 12, 1);
        std::sort(n.begin(), n.end());
        sum = n[0] + n[1] + n[2];
        product = n[0] * n[1] * n[2];
        triples = factorTriples(product);
        // Too few triples give the answer away, too many fill the panel, and a second triple
        // with the same sum would be a second answer.
        const auto matching = std::count_if(triples.begin(), triples.end(),
                                            [sum](const FactorTriple& t) { return t.sum() == sum; });
        if (triples.size() >= 3 && triples.size() <= 10 && matching == 1)
            break;
    }
    e.working.emplace_back("Factor triples of " + N(product) + " and their sums:");
    std::vector<std::string> sums;
    int found = -1;
    for (const FactorTriple& t : triples) {
        if (t.sum() == sum)
            found = static_cast<int>(sums.size());
        sums.push_back(N(t.p) + " + " + N(t.q) + " + " + N(t.r) + " = " + N(t.sum()));
    }
    for (shell::Line& row : shell::twoCellRows(sums, found))
        e.working.push_back(std::move(row));
    const std::string numbers = N(n[0]) + ", " + N(n[1]) + " and " + N(n[2]);
    e.working.emplace_back("The numbers are " + numbers + ".");
    e.answer = {numbers};
    askSumAndProduct(Triples, sum, product, {n.begin(), n.end()}, e);
}

void pythagorasQuestion(RandomSource& draws, shell::Exercise& e)
{
    const Triple& base = kTriples[static_cast<std::size_t>(shell::drawWhole(draws, 7, 0))];
    const int k = shell::drawWhole(draws, base.largestMultiple, 1);
    const int missing = shell::drawWhole(draws, 3, 0);
    const std::array<long long, 3> sides{k * base.a, k * base.b, k * base.c};
    const std::array<std::string, 3> letters{"a", "b", "c"};

    shell::Line law("a" + std::string(kSquared) + " + b" + std::string(kSquared) + " = c" +
                    std::string(kSquared));
    law.style = shell::TextStyle{36, shell::colour::white, shell::Align::Centre};
    std::string known;
    for (std::size_t i = 0; i < 3; ++i)
        known += (i > 0 ? ", " : "") + letters[i] + " = " +
                 (static_cast<int>(i) == missing ? std::string("?") : N(sides[i]));
    e.question = {law, known};

    const auto square = [](long long v) { return N(v) + std::string(kSquared); };
    const std::string& letter = letters[static_cast<std::size_t>(missing)];
    const long long value = sides[static_cast<std::size_t>(missing)];
    const long long c = sides[2];
    if (missing == 2) {
        const long long a = sides[0];
        const long long b = sides[1];
        e.working.emplace_back("c" + std::string(kSquared) + " = " + square(a) + " + " + square(b) + " = " +
                               N(a * a) + " + " + N(b * b) + " = " + N(c * c));
    } else {
        const long long other = sides[static_cast<std::size_t>(1 - missing)];
        e.working.emplace_back(letter + std::string(kSquared) + " = " + square(c) + " " + kMinus + " " +
                               square(other) + " = " + N(c * c) + " " + kMinus + " " + N(other * other) +
                               " = " + N(value * value));
    }
    e.working.emplace_back(letter + " = \u221a" + N(value * value) + " = " + N(value));
    if (k > 1)
        e.working.emplace_back("It is " + N(k) + kTimes + "the triple " + N(base.a) + ", " + N(base.b) +
                               ", " + N(base.c) + ".");
    e.answer = {letter + " = " + N(value)};
    shell::setStandardFields(e, shell::Json::object({
                                    {"kind", kModes[Pythagoras].sheetName},
                                    {"a", sides[0]},
                                    {"b", sides[1]},
                                    {"c", sides[2]},
                                    {"missing", letter},
                                    {"triple", shell::Json::array({base.a, base.b, base.c})},
                                    {"multiplier", k},
                                }));
}

shell::Exercise exercise(int mode, RandomSource& draws)
{
    shell::Exercise e;
    e.instruction = kInstructions[static_cast<std::size_t>(mode)];
    if (mode == Pairs || mode == Negatives)
        pairQuestion(static_cast<Kind>(mode), draws, e);
    else if (mode == Triples)
        tripleQuestion(draws, e);
    else
        pythagorasQuestion(draws, e);
    return e;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "pairsandtriples",
    .sheet = "pairs-and-triples",
    .caption = "Pairs and Triples",
    .menu = 1,
    .position = 4,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (the working lines), data: kind\n"
                "(the mode); pairs, negatives, triples: sum, product, numbers (increasing);\n"
                "pythagoras: a, b, c, missing (a, b or c), triple (the base triple),\n"
                "multiplier",
    .intro = shell::instructionOfMode<kInstructions>,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace pairsandtriples
