#include "mappings/mappingquestions.h"

#include <cstdint>
#include <iterator>
#include <string_view>

#include "shell/core/numbertext.h"
#include "shell/core/randomsource.h"

namespace mappings {
namespace {

using shell::numtext::general;
using shell::numtext::readNumber;
using shell::numtext::whole;

constexpr std::string_view kPlusMinus = "\u00B1";
// Where the rule text takes its constant, written as a plain whole number.
constexpr std::string_view kConstSlot = "{c}";

// Whole numbers from low to high, all equally likely.
struct Span {
    int low;
    int high;
};

struct Kind {
    std::string_view rule;
    std::optional<Span> c;
    Span first;
    int firstFactor; // the drawn first value is multiplied by this
    Span s;
    int stepFactor; // the domain moves by stepFactor * s per row
    double (*image)(double v, double c);
    bool plusMinus = false; // domain shown as "±" and a positive number
};

// clang-format off
constexpr Kind kAllModes[] = {
    // rule text,   c,           first,  factor, s, step factor, range value
    {"x + {c}",     Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return v + c; }},
    {"x - {c}",     Span{1, 5},  {16, 25}, 1, {1, 4}, -1, [](double v, double c) { return v - c; }},
    {"{c}x",        Span{2, 10}, {1, 6},   1, {1, 4},  1, [](double v, double c) { return v * c; }},
    {"x/2",         {},          {1, 6},   1, {1, 4},  1, [](double v, double) { return v / 2; }},
    // Multiples of 3 in the domain keep every image whole.
    {"x/3",         {},          {1, 6},   3, {1, 4},  3, [](double v, double) { return v / 3; }},
    {"x/4",         {},          {1, 6},   1, {1, 4},  1, [](double v, double) { return v / 4; }},
    {"x/5",         {},          {1, 6},   1, {1, 4},  1, [](double v, double) { return v / 5; }},
    {"x/10",        {},          {1, 6},   1, {1, 4},  1, [](double v, double) { return v / 10; }},
    {"2x + {c}",    Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return 2 * v + c; }},
    {"3x + {c}",    Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return 3 * v + c; }},
    {"5x + {c}",    Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return 5 * v + c; }},
    {"10x + {c}",   Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return 10 * v + c; }},
    {"2x - {c}",    Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return 2 * v - c; }},
    {"3x - {c}",    Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return 3 * v - c; }},
    {"5x - {c}",    Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return 5 * v - c; }},
    {"10x - {c}",   Span{1, 10}, {1, 10},  1, {1, 4},  1, [](double v, double c) { return 10 * v - c; }},
};

// Kinds 17 to 20 of Find the Range.
constexpr Kind kFindRangeOnly[] = {
    {"x\u00B2",           {},          {1, 4}, 1, {1, 4}, 1, [](double v, double) { return v * v; }},
    {"x\u00B2 + {c}",     Span{1, 10}, {1, 4}, 1, {1, 4}, 1, [](double v, double c) { return v * v + c; }},
    {"x\u00B3",           {},          {1, 3}, 1, {1, 3}, 1, [](double v, double) { return v * v * v; }},
    {"x\u00B3 + {c}",     Span{1, 10}, {1, 3}, 1, {1, 3}, 1, [](double v, double c) { return v * v * v + c; }},
};

// Kinds 17 and 18 of Find the Domain. Both signs of x give the same square, so that kind shows
// each domain value as "±" and a positive number.
constexpr Kind kFindDomainOnly[] = {
    {"x\u00B2 + {c}",     Span{1, 10}, {1, 4}, 1, {1, 4}, 1, [](double v, double c) { return v * v + c; }, true},
    {"x\u00B3 + {c}",     Span{1, 10}, {1, 3}, 1, {1, 3}, 1, [](double v, double c) { return v * v * v + c; }},
};
// clang-format on

constexpr int kAllModesCount = static_cast<int>(std::size(kAllModes));

const Kind& kindRow(Mode mode, int kind)
{
    if (kind <= kAllModesCount)
        return kAllModes[kind - 1];
    if (mode == Mode::FindRange)
        return kFindRangeOnly[kind - kAllModesCount - 1];
    return kFindDomainOnly[kind - kAllModesCount - 1];
}

int draw(shell::RandomSource& draws, Span span)
{
    return shell::drawWhole(draws, span.high - span.low + 1, span.low);
}

std::string ruleText(std::string_view pattern, int c)
{
    std::string text(pattern);
    if (const auto at = text.find(kConstSlot); at != std::string::npos)
        text.replace(at, kConstSlot.size(), whole(c));
    return text;
}

// Every value after the first is read back from the text of the first domain value, and every
// image from the text of its own domain value, as the labels are the only store of the values.
void fillColumns(Question& q, const Kind& row, int first)
{
    q.domain[0] = whole(first);
    const auto step = static_cast<std::int16_t>(row.stepFactor * q.stepsize);
    for (int i = 1; i < 5; ++i) {
        const auto offset = static_cast<std::int16_t>(i * step);
        q.domain[i] = general(readNumber(q.domain[0]) + offset);
    }
    for (int i = 0; i < 5; ++i)
        q.range[i] = general(row.image(readNumber(q.domain[i]), q.ruleconst));
}

void fillPlusMinus(Question& q, const Kind& row, int first)
{
    const std::string sign(kPlusMinus);
    q.domain[0] = sign + whole(first);
    for (int i = 1; i < 5; ++i)
        q.domain[i] = sign + general(static_cast<double>(first + q.stepsize * i));
    q.range[0] = general(row.image(first, q.ruleconst));
    // "±" is two bytes in UTF-8: skip the whole character, or the read-back finds no number.
    for (int i = 1; i < 5; ++i) {
        const double w = readNumber(std::string_view(q.domain[i]).substr(kPlusMinus.size()));
        q.range[i] = general(row.image(w, q.ruleconst));
    }
}

} // namespace

Question calculate(Mode mode, shell::RandomSource& draws)
{
    Question q;
    int kinds = 0;
    switch (mode) {
    case Mode::FindRange:
        kinds = kAllModesCount + static_cast<int>(std::size(kFindRangeOnly));
        q.hidden = Column::Range;
        break;
    case Mode::FindDomain:
        kinds = kAllModesCount + static_cast<int>(std::size(kFindDomainOnly));
        q.hidden = Column::Domain;
        break;
    case Mode::Mixed:
        kinds = kAllModesCount;
        break;
    default:
        return q;
    }

    draws.reseed();
    q.kind = shell::drawWhole(draws, kinds, 1);
    if (mode == Mode::Mixed) {
        q.mixchoice = shell::drawWhole(draws, 2, 1);
        q.hidden = *q.mixchoice == 1 ? Column::Domain : Column::Range;
    }

    const Kind& row = kindRow(mode, q.kind);
    const int first = draw(draws, row.first) * row.firstFactor;
    if (row.c)
        q.ruleconst = draw(draws, *row.c);
    q.stepsize = draw(draws, row.s);

    q.rule = ruleText(row.rule, q.ruleconst);
    if (row.plusMinus)
        fillPlusMinus(q, row, first);
    else
        fillColumns(q, row, first);
    return q;
}

} // namespace mappings
