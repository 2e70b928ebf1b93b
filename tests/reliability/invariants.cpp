#include "invariants.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <numeric>
#include <string_view>
#include <variant>
#include <vector>

namespace reliability {
namespace {

// Wide enough for every product the checks form (a million-times factor of a 9-digit value).
__extension__ typedef __int128 Int;

// --- Exact decimals ---------------------------------------------------------------------------

// A decimal read exactly: units / 10^scale.
struct Exact {
    Int units = 0;
    int scale = 0;
};

Int power10(int n)
{
    Int p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

// Plain digits with a minus sign when negative: no blank, no plus sign, no leading zero, no -0.
std::optional<long long> readWhole(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (!allDigits(digits) || digits.size() > 15 || (digits.size() > 1 && digits.front() == '0'))
        return std::nullopt;
    long long value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    if (negative && value == 0)
        return std::nullopt;
    return negative ? -value : value;
}

// The general text of a number: "57.12345", "0.25", "-8", "1.7E-05". No trailing zeros after
// the point, a 0 before the point below 1, at most maxDigits significant digits.
std::optional<Exact> readGeneral(std::string_view text, int maxDigits)
{
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    int exponent = 0;
    if (const std::size_t e = text.find('E'); e != std::string_view::npos) {
        const std::string_view power = text.substr(e + 1);
        if (power.size() < 3 || (power[0] != '+' && power[0] != '-') || !allDigits(power.substr(1)))
            return std::nullopt;
        exponent = std::stoi(std::string(power.substr(1))) * (power[0] == '-' ? -1 : 1);
        text = text.substr(0, e);
        // The mantissa has one digit before its point, and it is not 0.
        if (text.empty() || text[0] == '0' || (text.size() > 1 && text[1] != '.'))
            return std::nullopt;
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (!allDigits(whole) || (whole.size() > 1 && whole[0] == '0'))
        return std::nullopt;
    if (point != std::string_view::npos && (!allDigits(fraction) || fraction.back() == '0'))
        return std::nullopt;

    Exact value;
    std::string digits = std::string(whole) + std::string(fraction);
    for (char c : digits)
        value.units = value.units * 10 + (c - '0');
    value.scale = static_cast<int>(fraction.size()) - exponent;
    if (value.scale < 0) {
        value.units *= power10(-value.scale);
        value.scale = 0;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first != std::string::npos && static_cast<int>(digits.size() - first) > maxDigits)
        return std::nullopt;
    if (negative) {
        if (value.units == 0)
            return std::nullopt;
        value.units = -value.units;
    }
    return value;
}

// Digits, a point and exactly `decimals` digits: "57.12", "0.0124", "35.40".
std::optional<Exact> readFixed(std::string_view text, int decimals)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || static_cast<int>(text.size() - point - 1) != decimals)
        return std::nullopt;
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = text.substr(point + 1);
    if (!allDigits(whole) || (whole.size() > 1 && whole[0] == '0') || !allDigits(fraction))
        return std::nullopt;
    Exact value{0, decimals};
    for (char c : whole)
        value.units = value.units * 10 + (c - '0');
    for (char c : fraction)
        value.units = value.units * 10 + (c - '0');
    return value;
}

// Whether value is exactly numerator / denominator.
bool equals(const Exact& value, Int numerator, Int denominator)
{
    return value.units * denominator == numerator * power10(value.scale);
}

// numerator / denominator (both not negative) to `decimals` places, halves rounded up.
Exact roundHalfUp(Int numerator, Int denominator, int decimals)
{
    const Int scaled = numerator * power10(decimals);
    return {(2 * scaled + denominator) / (2 * denominator), decimals};
}

std::string digitsOf(Int value)
{
    if (value == 0)
        return "0";
    std::string text;
    const bool negative = value < 0;
    if (negative)
        value = -value;
    while (value > 0) {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    }
    return negative ? "-" + text : text;
}

// A not-negative exact decimal written with exactly its scale's decimals.
std::string fixedText(const Exact& value)
{
    std::string digits = digitsOf(value.units);
    if (value.scale == 0)
        return digits;
    if (static_cast<int>(digits.size()) <= value.scale)
        digits.insert(0, static_cast<std::size_t>(value.scale + 1) - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(value.scale), ".");
    return digits;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

bool consume(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// --- Estimation -------------------------------------------------------------------------------

constexpr std::string_view kWriteLead = "Write the following number correct to ";
constexpr std::string_view kEstimateLead =
    "Estimate both numbers to 1 significant figure and then calculate the ";

enum class EstimationAsk { Places, Figures, Estimate };

struct Instruction {
    EstimationAsk ask;
    int count = 0;       // places or figures
    std::string_view op; // for an estimate: " + ", " - " or " x "
};

std::optional<Instruction> readInstruction(std::string_view text)
{
    if (consume(text, kEstimateLead)) {
        if (text == "sum...")
            return Instruction{EstimationAsk::Estimate, 0, " + "};
        if (text == "difference...")
            return Instruction{EstimationAsk::Estimate, 0, " - "};
        if (text == "product...")
            return Instruction{EstimationAsk::Estimate, 0, " x "};
        return std::nullopt;
    }
    if (!consume(text, kWriteLead) || text.size() < 2 || !isDigit(text[0]) || text[1] != ' ')
        return std::nullopt;
    const int count = text[0] - '0';
    text.remove_prefix(2);
    if (text == (count == 1 ? "decimal place..." : "decimal places...") && count >= 1 && count <= 4)
        return Instruction{EstimationAsk::Places, count, {}};
    if (text == (count == 1 ? "significant figure..." : "significant figures...") && count >= 1 && count <= 5)
        return Instruction{EstimationAsk::Figures, count, {}};
    return std::nullopt;
}

// Whole numbers rounded to one significant figure, halves up: 347 -> 300, 95 -> 100.
long long oneFigure(long long x)
{
    long long unit = 1;
    while (x / unit >= 10)
        unit *= 10;
    return (x + unit / 2) / unit * unit;
}

std::string checkPlaces(const Instruction& ask, const EstimationTexts& t)
{
    // A number below 2 too small for seven decimals shows five instead.
    std::optional<Exact> q = readGeneral(t.question, 7);
    if (!q) {
        q = readFixed(t.question, 5);
        // (A draw small enough reads 0.00000, a question whose answer is plainly 0.0 and so on.)
        if (!q || q->units >= 10000)
            return "question " + quoted(t.question) + " is not a number as the screen writes one";
    }
    if (q->scale > 7)
        return "question " + quoted(t.question) + " needs more than seven decimals";
    if (q->units < 0)
        return "question " + quoted(t.question) + " is negative";
    // Kind 1 draws from 1 to below 101, kind 2 below 2; seven figures write the very top of the
    // first range (100.99999237) as 101.
    if (q->units > 101 * power10(q->scale))
        return "question " + quoted(t.question) + " is above 101";
    const std::string expected = fixedText(roundHalfUp(q->units, power10(q->scale), ask.count));
    if (t.answer != expected)
        return "answer " + quoted(t.answer) + " to " + std::to_string(ask.count) + " places of " +
               quoted(t.question) + " should be " + quoted(expected);
    return {};
}

std::string checkWholeFigures(const Instruction& ask, const EstimationTexts& t)
{
    const std::optional<long long> n = readWhole(t.question);
    if (!n || *n < 10 || *n > 20000)
        return "question " + quoted(t.question) + " is not a whole number from 10 to 20000";
    const int length = static_cast<int>(t.question.size());
    if (ask.count > length)
        return "asks " + std::to_string(ask.count) + " figures of the " + std::to_string(length) + "-digit " +
               quoted(t.question);
    const long long unit = static_cast<long long>(power10(length - ask.count));
    const std::string expected = std::to_string((*n + unit / 2) / unit * unit);
    if (t.answer != expected)
        return "answer " + quoted(t.answer) + " to " + std::to_string(ask.count) + " figures of " +
               quoted(t.question) + " should be " + quoted(expected);
    return {};
}

std::string checkDecimalFigures(const Instruction& ask, const EstimationTexts& t)
{
    // Seven decimals, or the short form of at most four.
    std::optional<Exact> q = readFixed(t.question, 7);
    if (!q) {
        q = readGeneral(t.question, 7);
        if (q && q->scale > 4)
            q.reset();
    }
    if (!q || !t.question.starts_with("0."))
        return "question " + quoted(t.question) + " is not a decimal below 1 as the screen writes one";
    if (ask.count > 3)
        return "asks " + std::to_string(ask.count) + " figures of a decimal";
    if (q->units == 0)
        return "question " + quoted(t.question) + " has no significant figure";
    if (q->units * 10 >= 8 * power10(q->scale))
        return "question " + quoted(t.question) + " is not below 0.8";
    // The decimal place of the first significant digit, then that of the last kept one.
    int first = 1;
    while (q->units * power10(first) < power10(q->scale))
        ++first;
    Exact rounded = roundHalfUp(q->units, power10(q->scale), first + ask.count - 1);
    // A carry (0.0996 -> 0.10) moves the first figure one place left, so one decimal fewer.
    if (rounded.units == power10(ask.count)) {
        rounded.units /= 10;
        --rounded.scale;
    }
    const std::string expected = fixedText(rounded);
    if (t.answer != expected)
        return "answer " + quoted(t.answer) + " to " + std::to_string(ask.count) + " figures of " +
               quoted(t.question) + " should be " + quoted(expected);
    return {};
}

std::string checkEstimate(const Instruction& ask, const EstimationTexts& t)
{
    const std::size_t gap = t.question.find(ask.op);
    if (gap == std::string::npos)
        return "question " + quoted(t.question) + " does not use the operation the instruction names";
    const std::optional<long long> a = readWhole(std::string_view(t.question).substr(0, gap));
    const std::optional<long long> b = readWhole(std::string_view(t.question).substr(gap + 3));
    if (!a || !b || *a < 10 || *a > 600 || *b < 10 || *b > 50)
        return "question " + quoted(t.question) + " is not a from 10 to 600 and b from 10 to 50";
    const long long ra = oneFigure(*a);
    const long long rb = oneFigure(*b);
    const std::string answer = std::to_string(ra) + std::string(ask.op) + std::to_string(rb);
    if (t.answer != answer)
        return "answer " + quoted(t.answer) + " to " + quoted(t.question) + " should be " + quoted(answer);
    const long long value = ask.op == " + " ? ra + rb : ask.op == " - " ? ra - rb : ra * rb;
    const std::string result = "= " + std::to_string(value);
    if (!t.result || *t.result != result)
        return "result " + quoted(t.result.value_or("(none)")) + " of " + quoted(t.question) + " should be " +
               quoted(result);
    return {};
}

// --- Units ------------------------------------------------------------------------------------

enum class Written { General, TwoDecimals, WholeOrTwoDecimals };

// One conversion: the answer is q x times / per. `multiple`: the question asks for n x per, so
// that the answer is the whole number n.
struct Conversion {
    int mode;
    std::string_view question;
    std::string_view unit;
    Int times;
    Int per;
    int low;
    int high;
    bool multiple;
    Written written;
};

constexpr Written G = Written::General;
constexpr Written F = Written::TwoDecimals;
constexpr Written W = Written::WholeOrTwoDecimals;

// Each factor as a fraction: 3.6 is 36 / 10, a centimetre is 100 / 3048 of a foot.
constexpr Conversion kConversions[] = {
    {1, " km to metres", " m", 1000, 1, 1, 100, false, G},
    {1, " km to centimetres", " cm", 100000, 1, 1, 100, false, G},
    {1, " km to millimetres", " mm", 1000000, 1, 1, 100, false, G},
    {1, " m to centimetres", " cm", 100, 1, 1, 100, false, G},
    {1, " m to millimetres", " mm", 1000, 1, 1, 100, false, G},
    {1, " cm to millimetres", " mm", 10, 1, 1, 100, false, G},
    {1, " m to kilometres", " km", 1, 1000, 1, 100, false, G},
    {1, " cm to kilometres", " km", 1, 100000, 1, 100, false, G},
    {1, " mm to kilometres", " km", 1, 1000000, 1, 100, false, G},
    {1, " cm to metres", " m", 1, 100, 1, 100, false, G},
    {1, " mm to metres", " m", 1, 1000, 1, 100, false, G},
    {1, " mm to centimetres", " cm", 1, 10, 1, 100, false, G},
    {2, " miles to yards", " yards", 1760, 1, 2, 99, false, G},
    {2, " miles to feet", " feet", 5280, 1, 2, 99, false, G},
    {2, " miles to inches", " inches", 63360, 1, 2, 99, false, G},
    {2, " yards to feet", " feet", 3, 1, 2, 99, false, G},
    {2, " yards to inches", " inches", 36, 1, 2, 99, false, G},
    {2, " feet to inches", " inches", 12, 1, 2, 99, false, G},
    {2, " miles to furlongs", " furlongs", 8, 1, 2, 99, false, G},
    {2, " chains to yards", " yards", 22, 1, 2, 99, false, G},
    {2, " furlongs to poles", " poles", 40, 1, 2, 99, false, G},
    {2, " chains to links", " links", 100, 1, 2, 99, false, G},
    {2, " yards to miles", " miles", 1, 1760, 2, 99, true, G},
    {2, " feet to miles", " miles", 1, 5280, 2, 99, true, G},
    {2, " inches to miles", " miles", 1, 63360, 2, 99, true, G},
    {2, " feet to yards", " yards", 1, 3, 2, 99, true, G},
    {2, " inches to yards", " yards", 1, 36, 2, 99, true, G},
    {2, " inches to feet", " feet", 1, 12, 2, 99, true, G},
    {2, " furlongs to miles", " miles", 1, 8, 2, 99, true, G},
    {2, " yards to chains", " chains", 1, 22, 2, 99, true, G},
    {2, " poles to furlongs", " furlongs", 1, 40, 2, 99, true, G},
    {2, " links to chains", " chains", 1, 100, 2, 99, true, G},
    {3, " m/sec to km/h", " km/h", 36, 10, 1, 30, false, G},
    {3, " km/h to m/sec", " m/sec", 5, 18, 10, 200, false, W},
    {3, " cm/sec to m/sec", " m/sec", 1, 100, 1, 50, false, G},
    {3, " m/sec to cm/sec", " cm/sec", 100, 1, 1, 50, false, G},
    {3, " cm/sec to m/min", " m/min", 6, 10, 1, 50, false, G},
    {3, " m/min to cm/sec", " cm/sec", 5, 3, 1, 50, false, W},
    {4, " feet to centimetres", " cm", 3048, 100, 2, 99, false, G},
    {4, " inches to centimetres", " cm", 254, 100, 2, 99, false, G},
    {4, " yards to centimetres", " cm", 9144, 100, 2, 99, false, G},
    {4, " miles to kilometres", " km", 161, 100, 2, 99, false, G},
    {4, " centimetres to feet", " feet", 100, 3048, 2, 99, false, F},
    {4, " centimetres to inches", " inches", 100, 254, 2, 99, false, F},
    {4, " centimetres to yards", " yards", 100, 9144, 2, 99, false, F},
    {4, " kilometres to miles", " miles", 100, 161, 2, 99, false, F},
};

// --- Parallel lines ---------------------------------------------------------------------------

constexpr std::string_view kDegree = "\u00B0";

// a, d, e and h are the obtuse angles of the figure; b, c, f and g the acute ones.
bool obtuse(int index)
{
    return index == 0 || index == 3 || index == 4 || index == 7;
}

std::string letter(int index)
{
    return std::string(1, static_cast<char>('a' + index));
}

// --- Polygons ---------------------------------------------------------------------------------

struct PolygonName {
    std::string_view asked; // in the question
    std::string_view name;  // in the solutions
    std::string_view fraction;
};

// 3 to 12 sides. The eleven-sided polygon is a hendecagon (an enneagon has nine sides).
constexpr PolygonName kPolygons[] = {
    {"an equilateral triangle", "equilateral triangle", "third"},
    {"a square", "square", "quarter"},
    {"a regular pentagon", "regular pentagon", "fifth"},
    {"a regular hexagon", "regular hexagon", "sixth"},
    {"a regular heptagon", "regular heptagon", "seventh"},
    {"a regular octagon", "regular octagon", "eighth"},
    {"a regular nonagon", "regular nonagon", "ninth"},
    {"a regular decagon", "regular decagon", "tenth"},
    {"a regular hendecagon", "regular hendecagon", "eleventh"},
    {"a regular dodecagon", "regular dodecagon", "twelfth"},
};

constexpr std::string_view kCountWords[] = {"zero", "one",   "two",   "three", "four", "five",
                                            "six",  "seven", "eight", "nine",  "ten"};

const PolygonName& polygon(int sides)
{
    return kPolygons[sides - 3];
}

// The interior angle as a solution states it, up to its unit: a whole number, or a whole number
// and a proper fraction in lowest terms followed by the angle rounded to a tenth, as in
// "128 4/7° (about 128.6°)". Either way exactly (n - 2) x 180 / n.
std::string checkInteriorAngle(int sides, std::string_view text, std::string_view unit)
{
    const std::string wrong =
        "interior angle " + quoted(text) + " is not exactly that of " + std::to_string(sides) + " sides";
    const std::size_t end = text.find(unit);
    if (end == std::string_view::npos)
        return wrong;
    const std::string_view exact = text.substr(0, end);
    std::string_view rounded = text.substr(end + unit.size());
    const std::size_t blank = exact.find(' ');
    const std::size_t slash = exact.find('/');
    const std::optional<long long> whole = readWhole(exact.substr(0, blank));
    std::optional<long long> numerator = 0, denominator = 1;
    if (blank != std::string_view::npos) {
        if (slash == std::string_view::npos || slash < blank)
            return wrong;
        numerator = readWhole(exact.substr(blank + 1, slash - blank - 1));
        denominator = readWhole(exact.substr(slash + 1));
        if (!numerator || !denominator || *numerator <= 0 || *numerator >= *denominator ||
            std::gcd(*numerator, *denominator) != 1)
            return wrong;
    }
    const long long sum = (sides - 2) * 180LL;
    if (!whole || (*whole * *denominator + *numerator) * sides != sum * *denominator)
        return wrong;
    if (*numerator == 0)
        return rounded.empty() ? std::string() : wrong;
    const std::string tail = std::string(unit) + ")";
    if (!consume(rounded, " (about ") || !rounded.ends_with(tail))
        return wrong;
    const std::optional<Exact> tenths = readFixed(rounded.substr(0, rounded.size() - tail.size()), 1);
    if (!tenths || tenths->units != roundHalfUp(sum, sides, 1).units)
        return "interior angle " + quoted(text) + " is not rounded to a tenth";
    return {};
}

} // namespace

// --- Estimation -------------------------------------------------------------------------------

bool isEstimateInstruction(const std::string& instruction)
{
    const std::optional<Instruction> ask = readInstruction(instruction);
    return ask && ask->ask == EstimationAsk::Estimate;
}

std::string checkEstimation(const EstimationTexts& texts, int mode)
{
    const std::optional<Instruction> ask = readInstruction(texts.instruction);
    if (!ask)
        return "instruction " + quoted(texts.instruction) + " is not one the activity gives";
    const bool allowed = mode == 4 || (mode == 1 && ask->ask == EstimationAsk::Places) ||
                         (mode == 2 && ask->ask == EstimationAsk::Figures) ||
                         (mode == 3 && ask->ask == EstimationAsk::Estimate);
    if (!allowed)
        return "instruction " + quoted(texts.instruction) + " in mode " + std::to_string(mode);
    switch (ask->ask) {
    case EstimationAsk::Places:
        return checkPlaces(*ask, texts);
    case EstimationAsk::Figures:
        return texts.question.find('.') == std::string::npos ? checkWholeFigures(*ask, texts)
                                                             : checkDecimalFigures(*ask, texts);
    case EstimationAsk::Estimate:
        return checkEstimate(*ask, texts);
    }
    return {};
}

// --- Mappings ---------------------------------------------------------------------------------

namespace {

struct Rule {
    enum Shape { Linear, Divide, Square, Cube } shape = Linear;
    long long a = 1;       // Linear: a x + c
    long long c = 0;       // the constant, with its sign
    long long divisor = 1; // Divide
    int firstLow = 1, firstHigh = 10, firstFactor = 1;
    int stepLow = 1, stepHigh = 4, stepFactor = 1; // stepFactor -1: the domain descends
    bool plusMinus = false;
};

// The rule as written, or nullopt. Checks the constant's range for its kind as it reads it.
std::optional<Rule> readRule(std::string_view text, int mode)
{
    Rule r;
    const auto constant = [&](std::string_view rest, long long low, long long high, bool minus) -> bool {
        const std::optional<long long> c = readWhole(rest);
        if (!c || *c < low || *c > high)
            return false;
        r.c = minus ? -*c : *c;
        return true;
    };
    const bool powersAllowed = mode != 3;
    if (text == "x\u00B2" || text == "x\u00B3") {
        if (mode != 1)
            return std::nullopt;
        r.shape = text == "x\u00B2" ? Rule::Square : Rule::Cube;
    } else if (text.starts_with("x\u00B2 + ") || text.starts_with("x\u00B3 + ")) {
        if (!powersAllowed)
            return std::nullopt;
        r.shape = text.starts_with("x\u00B2") ? Rule::Square : Rule::Cube;
        if (!constant(text.substr(std::string_view("x\u00B2 + ").size()), 1, 10, false))
            return std::nullopt;
        r.plusMinus = r.shape == Rule::Square && mode == 2;
    } else if (text.starts_with("x/")) {
        const std::optional<long long> d = readWhole(text.substr(2));
        if (!d || (*d != 2 && *d != 3 && *d != 4 && *d != 5 && *d != 10))
            return std::nullopt;
        r.shape = Rule::Divide;
        r.divisor = *d;
        r.firstLow = 1;
        r.firstHigh = 6;
        if (*d == 3)
            r.firstFactor = r.stepFactor = 3;
        return r;
    } else if (text.starts_with("x + ")) {
        if (!constant(text.substr(4), 1, 10, false))
            return std::nullopt;
        return r;
    } else if (text.starts_with("x - ")) {
        if (!constant(text.substr(4), 1, 5, true))
            return std::nullopt;
        r.firstLow = 16;
        r.firstHigh = 25;
        r.stepFactor = -1;
        return r;
    } else {
        const std::size_t x = text.find('x');
        if (x == std::string_view::npos)
            return std::nullopt;
        const std::optional<long long> a = readWhole(text.substr(0, x));
        if (!a)
            return std::nullopt;
        r.a = *a;
        const std::string_view rest = text.substr(x + 1);
        if (rest.empty()) {
            if (*a < 2 || *a > 10)
                return std::nullopt;
            r.firstHigh = 6;
            return r;
        }
        if ((*a != 2 && *a != 3 && *a != 5 && *a != 10) || rest.size() < 3)
            return std::nullopt;
        const bool minus = rest.starts_with(" - ");
        if (!minus && !rest.starts_with(" + "))
            return std::nullopt;
        if (!constant(rest.substr(3), 1, 10, minus))
            return std::nullopt;
        return r;
    }
    // The powers.
    r.firstHigh = r.shape == Rule::Square ? 4 : 3;
    r.stepHigh = r.shape == Rule::Square ? 4 : 3;
    return r;
}

} // namespace

std::string checkMapping(const MappingTexts& texts, int mode)
{
    const std::optional<Rule> rule = readRule(texts.rule, mode);
    if (!rule)
        return "rule " + quoted(texts.rule) + " is not one of mode " + std::to_string(mode);
    std::array<long long, 5> domain{};
    for (std::size_t i = 0; i < 5; ++i) {
        std::string_view text = texts.domain[i];
        if (rule->plusMinus && !consume(text, "\u00B1"))
            return "domain value " + quoted(texts.domain[i]) + " of " + quoted(texts.rule) +
                   " lacks its \u00B1";
        const std::optional<long long> v = readWhole(text);
        if (!v || *v < 0)
            return "domain value " + quoted(texts.domain[i]) + " is not a whole number";
        domain[i] = *v;
    }
    const long long first = domain[0];
    if (first % rule->firstFactor != 0 || first / rule->firstFactor < rule->firstLow ||
        first / rule->firstFactor > rule->firstHigh)
        return "first domain value " + std::to_string(first) + " is out of range for " + quoted(texts.rule);
    const long long step = (domain[1] - domain[0]) * (rule->stepFactor < 0 ? -1 : 1);
    const long long factor = rule->stepFactor < 0 ? 1 : rule->stepFactor;
    if (step % factor != 0 || step / factor < rule->stepLow || step / factor > rule->stepHigh)
        return "domain step " + std::to_string(step) + " is out of range for " + quoted(texts.rule);
    for (std::size_t i = 0; i < 5; ++i) {
        if (domain[i] != first + static_cast<long long>(i) * step * (rule->stepFactor < 0 ? -1 : 1))
            return "domain value " + std::to_string(i) + " breaks the steps of " + quoted(texts.rule);
        const std::optional<Exact> image = readGeneral(texts.range[i], 15);
        if (!image)
            return "range value " + quoted(texts.range[i]) + " is not a number as the screen writes one";
        const Int v = domain[i];
        Int numerator = 0;
        Int denominator = 1;
        switch (rule->shape) {
        case Rule::Linear:
            numerator = rule->a * v + rule->c;
            break;
        case Rule::Divide:
            numerator = v;
            denominator = rule->divisor;
            break;
        case Rule::Square:
            numerator = v * v + rule->c;
            break;
        case Rule::Cube:
            numerator = v * v * v + rule->c;
            break;
        }
        if (!equals(*image, numerator, denominator))
            return "range value " + quoted(texts.range[i]) + " is not " + quoted(texts.rule) + " of " +
                   quoted(texts.domain[i]);
    }
    return {};
}

// --- Units ------------------------------------------------------------------------------------

std::string checkConversion(const std::string& question, const std::string& answer, int mode)
{
    const std::size_t blank = question.find(' ');
    const std::optional<long long> q =
        blank == std::string::npos ? std::nullopt : readWhole(std::string_view(question).substr(0, blank));
    if (!q)
        return "question " + quoted(question) + " does not start with a whole quantity and one blank";
    const std::string_view asked = std::string_view(question).substr(blank);
    const Conversion* conversion = nullptr;
    for (const Conversion& c : kConversions) {
        if (c.mode == mode && c.question == asked)
            conversion = &c;
    }
    if (!conversion)
        return "question " + quoted(question) + " is not a conversion of mode " + std::to_string(mode);
    long long n = *q;
    if (conversion->multiple) {
        if (*q % static_cast<long long>(conversion->per) != 0)
            return "question " + quoted(question) + " is not a whole number of the larger unit";
        n = *q / static_cast<long long>(conversion->per);
    }
    if (n < conversion->low || n > conversion->high)
        return "quantity of " + quoted(question) + " is out of its range";
    if (!answer.ends_with(conversion->unit) || answer.size() == conversion->unit.size())
        return "answer " + quoted(answer) + " to " + quoted(question) + " does not end in" +
               quoted(conversion->unit);
    const std::string_view number =
        std::string_view(answer).substr(0, answer.size() - conversion->unit.size());
    const Int numerator = *q * conversion->times;
    const Int denominator = conversion->per;
    const bool whole = numerator % denominator == 0;
    if (conversion->written == Written::General ||
        (conversion->written == Written::WholeOrTwoDecimals && whole)) {
        // Even the smallest answers (1 mm is 0.000001 km) are written plainly.
        const std::optional<Exact> value =
            number.find('E') == std::string_view::npos ? readGeneral(number, 15) : std::nullopt;
        if (!value || !equals(*value, numerator, denominator))
            return "answer " + quoted(answer) + " to " + quoted(question) + " is not exactly " +
                   digitsOf(numerator) + "/" + digitsOf(denominator);
        return {};
    }
    const std::string expected = fixedText(roundHalfUp(numerator, denominator, 2));
    if (number != expected)
        return "answer " + quoted(answer) + " to " + quoted(question) + " should read " + quoted(expected);
    return {};
}

// --- Parallel lines ---------------------------------------------------------------------------

namespace {

struct GivenAngle {
    int index = -1;
    long long size = 0;
};

// The one caption that is not its letter: a blank, the size and the degree sign.
std::variant<GivenAngle, std::string> givenAngle(const AngleCaptions& captions)
{
    GivenAngle given;
    for (int i = 0; i < 8; ++i) {
        if (captions[static_cast<std::size_t>(i)] == letter(i))
            continue;
        if (given.index >= 0)
            return "angles " + letter(given.index) + " and " + letter(i) + " both carry a size";
        std::string_view text = captions[static_cast<std::size_t>(i)];
        if (!consume(text, " ") || !text.ends_with(kDegree))
            return "caption " + quoted(captions[static_cast<std::size_t>(i)]) + " of angle " + letter(i) +
                   " is neither its letter nor a size in degrees";
        const std::optional<long long> size = readWhole(text.substr(0, text.size() - kDegree.size()));
        if (!size)
            return "caption " + quoted(captions[static_cast<std::size_t>(i)]) + " holds no whole size";
        given = {i, *size};
    }
    if (given.index < 0)
        return std::string("no angle carries a size");
    return given;
}

} // namespace

std::string checkParallelQuestion(const AngleCaptions& captions, const std::string& question)
{
    const auto given = givenAngle(captions);
    if (const auto* problem = std::get_if<std::string>(&given))
        return *problem;
    const GivenAngle g = std::get<GivenAngle>(given);
    const bool inRange = obtuse(g.index) ? (g.size >= 95 && g.size <= 174) : (g.size >= 10 && g.size <= 77);
    if (!inRange)
        return "angle " + letter(g.index) + " of " + std::to_string(g.size) + " degrees is out of its range";
    std::vector<std::string> others;
    for (int i = 0; i < 8; ++i) {
        if (i != g.index)
            others.push_back(letter(i));
    }
    std::string expected =
        "If the given angle = " + std::to_string(g.size) + std::string(kDegree) + ", what are angles ";
    for (std::size_t i = 0; i + 1 < others.size(); ++i)
        expected += others[i] + (i + 2 < others.size() ? ", " : " and ");
    expected += others.back() + "?";
    if (question != expected)
        return "question " + quoted(question) + " should be " + quoted(expected);
    return {};
}

std::string checkParallelAnswer(const AngleCaptions& captions, const std::string& firstLine,
                                const std::string& secondLine)
{
    const auto given = givenAngle(captions);
    if (const auto* problem = std::get_if<std::string>(&given))
        return "a solution is shown but " + *problem;
    const GivenAngle g = std::get<GivenAngle>(given);
    // Angles of one group (vertically opposite or corresponding) are equal; an angle of the other
    // group lies beside one of them on a straight line.
    const auto size = [&](int i) { return obtuse(i) == obtuse(g.index) ? g.size : 180 - g.size; };
    const auto item = [&](int i) {
        return letter(i) + " = " + std::to_string(size(i)) + std::string(kDegree);
    };
    std::string first = "Given angle = " + std::to_string(g.size) + std::string(kDegree) + ", ";
    for (int i = 0; i < 4; ++i) {
        if (i != g.index)
            first += item(i) + ", ";
    }
    std::string second;
    for (int i = 4; i < 8; ++i) {
        if (i != g.index)
            second += (second.empty() ? "" : ", ") + item(i);
    }
    second += ".";
    if (firstLine != first || secondLine != second)
        return "solution " + quoted(firstLine + secondLine) + " should be " + quoted(first + second);
    return {};
}

// --- Polygons ---------------------------------------------------------------------------------

int polygonSidesAsked(const std::string& question)
{
    for (int sides = 3; sides <= 12; ++sides) {
        if (question == "What are the interior angles of " + std::string(polygon(sides).asked) + "?")
            return sides;
    }
    return 0;
}

std::string checkTrianglesSolution(int sides, const std::string& text, const std::string& explanation)
{
    const PolygonName& p = polygon(sides);
    if (sides == 3) {
        if (text.find("equilateral triangle") == std::string::npos || !text.ends_with("60\u00B0."))
            return "triangle solution " + quoted(text) +
                   " is not about the equilateral triangle's 60 degrees";
        return {};
    }
    const std::string lead =
        "A " + std::string(p.name) + " can be divided into " + std::string(kCountWords[sides - 2]) + " ";
    const std::string tail = "interior angles of the " + std::string(p.name) + ".";
    if (!text.starts_with(lead) || !text.ends_with(tail))
        return "solution " + quoted(text) + " does not divide the " + std::string(p.name) + " into " +
               std::string(kCountWords[sides - 2]) + " triangles";
    // From six sides on, the triangles from one vertex are not all isosceles.
    if ((text.find("isosceles") != std::string::npos) != (sides == 4 || sides == 5))
        return "solution " + quoted(text) + " calls the triangles isosceles wrongly";
    std::string_view rest = explanation;
    const std::string start = "As " + std::to_string(sides - 2) + " times 180\u00B0 equals " +
                              std::to_string(sides) + " times the interior angle, the interior angle is ";
    if (!consume(rest, start) || !rest.ends_with("."))
        return "explanation " + quoted(explanation) + " does not reason from " + std::to_string(sides) +
               " sides";
    return checkInteriorAngle(sides, rest.substr(0, rest.size() - 1), kDegree);
}

std::string checkCentreAngleSolution(int sides, const std::string& text)
{
    const PolygonName& p = polygon(sides);
    std::string_view rest = text;
    const std::string start =
        "From the red isosceles triangle we can see that angles a plus b must equal 180 "
        "degrees. But angle b is one " +
        std::string(p.fraction) + " of 360 degrees";
    if (!consume(rest, start))
        return "solution " + quoted(text) + " does not take the " + std::string(p.fraction) +
               " of 360 degrees";
    const std::string middle =
        ", therefore angle a, the interior angle of the " + std::string(p.name) + ", is ";
    if (!consume(rest, middle) || !rest.ends_with("."))
        return "solution " + quoted(text) + " does not conclude for the " + std::string(p.name);
    return checkInteriorAngle(sides, rest.substr(0, rest.size() - 1), " degrees");
}

std::string checkPolygonFigure(const shell::Figure& figure, int sides, FigureCounts others)
{
    constexpr double cx = 6000, cy = 4500, radius = 2250;
    const double side = 2 * radius * std::sin(std::numbers::pi / sides);
    FigureCounts counted;
    int outline = 0;
    for (const shell::Segment& s : figure) {
        if (s.colour == shell::colour::yellow) {
            ++outline;
            for (const shell::PointTwips& p : {s.from, s.to}) {
                if (std::abs(std::hypot(p.x - cx, p.y - cy) - radius) > 0.5)
                    return "an outline corner lies off the circle";
            }
            if (std::abs(std::hypot(s.to.x - s.from.x, s.to.y - s.from.y) - side) > 0.5)
                return "an outline side is not a side of a regular " + std::to_string(sides) + "-gon";
        } else if (s.colour == shell::colour::black) {
            ++counted.black;
        } else if (s.colour == shell::colour::red) {
            ++counted.red;
        } else if (s.colour == shell::colour::green) {
            ++counted.green;
        } else {
            return "a line of an unexpected colour";
        }
    }
    if (outline != sides)
        return "the outline has " + std::to_string(outline) + " sides, the question " + std::to_string(sides);
    if (counted.black != others.black || counted.red != others.red || counted.green != others.green)
        return "the figure has " + std::to_string(counted.black) + " black, " + std::to_string(counted.red) +
               " red and " + std::to_string(counted.green) + " green lines, not " +
               std::to_string(others.black) + ", " + std::to_string(others.red) + " and " +
               std::to_string(others.green);
    return {};
}

// --- The activities' number forms ---------------------------------------------------------------

std::optional<long long> readN(std::string_view text)
{
    const bool negative = consume(text, "\u2212");
    std::string digits;
    for (const std::string& group : split(text, ",")) {
        // Groups after the first have three digits, and only numbers from 10,000 up have groups.
        if (!digits.empty() && group.size() != 3)
            return std::nullopt;
        digits += group;
    }
    const std::optional<long long> value = allDigits(digits) ? readWhole(digits) : std::nullopt;
    if (!value || (text.find(',') != std::string_view::npos) != (*value >= 10000) ||
        (negative && *value == 0))
        return std::nullopt;
    return negative ? -*value : *value;
}

std::optional<long long> readPence(std::string_view text)
{
    if (text.ends_with('p')) {
        const std::optional<long long> pence = readWhole(text.substr(0, text.size() - 1));
        return pence && *pence >= 1 && *pence <= 99 ? pence : std::nullopt;
    }
    if (!consume(text, "£"))
        return std::nullopt;
    const std::size_t point = text.find('.');
    const std::optional<long long> pounds = readN(text.substr(0, point));
    if (!pounds || *pounds < 1)
        return std::nullopt;
    if (point == std::string_view::npos)
        return *pounds * 100;
    const std::string_view pence = text.substr(point + 1);
    if (pence.size() != 2 || !allDigits(pence) || pence == "00")
        return std::nullopt;
    return *pounds * 100 + (pence[0] - '0') * 10 + (pence[1] - '0');
}

std::vector<std::string> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        parts.emplace_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.emplace_back(text);
    return parts;
}

std::optional<std::vector<long long>> readNs(std::string_view text, std::string_view separator)
{
    std::vector<long long> values;
    for (const std::string& part : split(text, separator)) {
        const std::optional<long long> value = readN(part);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::string checkKind(const shell::Activity& activity, int mode, const shell::Exercise& exercise)
{
    const shell::Json data = shell::Json(exercise.fields)["data"];
    const std::string kind = data["kind"].isText() ? data["kind"].text() : std::string();
    const std::string_view name = activity.modes[static_cast<std::size_t>(mode)].sheetName;
    if (name != "mixed")
        return kind == name ? std::string() : "data.kind " + quoted(kind) + " in mode " + std::string(name);
    for (const shell::Mode& other : activity.modes) {
        if (other.sheetName != "mixed" && other.sheetName == kind)
            return {};
    }
    return "Mixed drew the kind " + quoted(kind);
}

std::string checkFactorPairs(const std::vector<shell::Line>& working, long long n)
{
    std::vector<std::vector<long long>> listed;
    for (const shell::Line& line : working) {
        for (const shell::Cell& cell : line.cells)
            listed.push_back(readNs(cell.text, " \u00d7 ").value_or(std::vector<long long>()));
    }
    std::vector<std::vector<long long>> pairs;
    for (long long f = 1; f * f <= n; ++f) {
        if (n % f == 0)
            pairs.push_back({f, n / f});
    }
    return listed == pairs ? std::string() : "the cells are not the factor pairs of " + std::to_string(n);
}

} // namespace reliability
