#include "whatnumber/whatnumberquestions.h"

#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace whatnumber {
namespace {

namespace forms = shell::forms;

const std::string kInstructionSteps = "I think of a number. What is my number?";
const std::string kInstructionClues = "I am a two-digit number. Who am I?";

enum class Op { Add, Subtract, Multiply, Divide };

struct Step {
    Op op;
    int value;
};

std::string symbol(Op op)
{
    switch (op) {
    case Op::Add:
        return "+";
    case Op::Subtract:
        return std::string(forms::kMinus);
    case Op::Multiply:
        return std::string(forms::kTimes);
    case Op::Divide:
        break;
    }
    return std::string(forms::kDivide);
}

Step inverse(Step step)
{
    constexpr std::array<Op, 4> kInverse{Op::Subtract, Op::Add, Op::Divide, Op::Multiply};
    return {kInverse[static_cast<std::size_t>(step.op)], step.value};
}

// "× 4"
std::string written(Step step)
{
    return symbol(step.op) + " " + std::to_string(step.value);
}

// The value after the step, or nothing when it is not a whole number.
std::optional<int> apply(Step step, int x)
{
    switch (step.op) {
    case Op::Add:
        return x + step.value;
    case Op::Subtract:
        return x - step.value;
    case Op::Multiply:
        return x * step.value;
    case Op::Divide:
        break;
    }
    if (x % step.value != 0)
        return std::nullopt;
    return x / step.value;
}

// "I add 5 to it" as the first step, "add 5" after "then I".
std::string firstStep(Step step)
{
    const std::string v = std::to_string(step.value);
    constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kWords{
        {{"I add ", " to it"},
         {"I subtract ", " from it"},
         {"I multiply it by ", ""},
         {"I divide it by ", ""}}};
    const auto& [before, after] = kWords[static_cast<std::size_t>(step.op)];
    return std::string(before) + v + std::string(after);
}

std::string laterStep(Step step)
{
    constexpr std::array<std::string_view, 4> kWords{"add ", "subtract ", "multiply by ", "divide by "};
    return std::string(kWords[static_cast<std::size_t>(step.op)]) + std::to_string(step.value);
}

// The function machine, in twips: the start, a box per operation and the result, left to right,
// with the inverse operations beneath it on the solution.
constexpr double kBoxWidth = 1500;
constexpr double kBoxHeight = 750;
constexpr double kBoxPitch = 2100;
constexpr double kForwardTop = 3650;
constexpr double kBackwardTop = 4550;
constexpr double kArrowGap = 60;
constexpr double kHead = 180;
constexpr shell::FontStyle kBoxFont{27.75};

void addRow(shell::Drawing& drawing, double left, double top, const std::vector<std::string>& texts,
            bool forwards)
{
    const std::size_t last = texts.size() - 1;
    for (std::size_t j = 0; j < texts.size(); ++j) {
        const shell::TwipRect box{left + kBoxPitch * static_cast<double>(j), top, kBoxWidth, kBoxHeight};
        const bool operation = j > 0 && j < last;
        if (operation)
            drawing.add(shell::BoxMark{box, shell::colour::orange, shell::colour::black, 30});
        else
            drawing.add(shell::BoxMark{box, std::nullopt, shell::colour::white, 45});
        drawing.add(shell::TextMark{box, texts[j], kBoxFont,
                                    operation ? shell::colour::black : shell::colour::yellow,
                                    shell::Align::Centre, std::nullopt, false});
        if (j == last)
            break;
        const double from = box.left + kBoxWidth + kArrowGap;
        const double to = box.left + kBoxPitch - kArrowGap;
        const double y = top + kBoxHeight / 2;
        const double tip = forwards ? to : from;
        const double base = forwards ? to - kHead : from + kHead;
        drawing.add(shell::LineMark{
            {forwards ? from : base, y}, {forwards ? base : to, y}, shell::colour::white, 45});
        drawing.add(shell::PolygonMark{
            {{tip, y}, {base, y - kHead / 2}, {base, y + kHead / 2}}, shell::colour::white, std::nullopt});
    }
}

shell::Drawing functionMachine(int x, const std::vector<Step>& steps, int y, shell::FigureState state)
{
    const double width = kBoxPitch * static_cast<double>(steps.size() + 2) - (kBoxPitch - kBoxWidth);
    const double left = 5100 - width / 2;
    std::vector<std::string> forward{"?"};
    std::vector<std::string> backward{std::to_string(x)};
    for (const Step& step : steps) {
        forward.push_back(written(step));
        backward.push_back(written(inverse(step)));
    }
    forward.push_back(std::to_string(y));
    backward.push_back(std::to_string(y));
    shell::Drawing drawing;
    const bool solved = state == shell::FigureState::Solution;
    constexpr double kMargin = 30;
    drawing.area = {left - kMargin, kForwardTop - kMargin, width + 2 * kMargin,
                    (solved ? kBackwardTop - kForwardTop : 0) + kBoxHeight + 2 * kMargin};
    addRow(drawing, left, kForwardTop, forward, true);
    if (solved)
        addRow(drawing, left, kBackwardTop, backward, false);
    return drawing;
}

void stepsQuestion(shell::Exercise& e, const std::vector<Step>& steps, int x)
{
    std::vector<int> values{x};
    for (const Step& step : steps)
        values.push_back(*apply(step, values.back()));
    const int y = values.back();

    e.instruction = kInstructionSteps;
    if (steps.size() == 1)
        e.question = {firstStep(steps[0]) + "."};
    else
        e.question = {firstStep(steps[0]) + ",", "then I " + laterStep(steps[1]) + "."};
    e.question.emplace_back("The answer is " + std::to_string(y) + ".");
    e.answer = {"My number is " + std::to_string(x)};
    std::string backwards;
    std::string check;
    for (std::size_t i = steps.size(); i-- > 0;) {
        backwards += (backwards.empty() ? "" : ", ") + std::to_string(values[i + 1]) + " " +
                     written(inverse(steps[i])) + " = " + std::to_string(values[i]);
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        check += (check.empty() ? "" : ", ") + std::to_string(values[i]) + " " + written(steps[i]) + " = " +
                 std::to_string(values[i + 1]);
    }
    e.working = {"Backwards: " + backwards, "Check: " + check};
    e.figure = [x, steps, y](shell::FigureState state, const shell::TextMeasure&) {
        return functionMachine(x, steps, y, state);
    };
    e.layout.working.top = 5450;
    shell::Json::Array stepData;
    for (const Step& step : steps)
        stepData.push_back(shell::Json::object({{"op", symbol(step.op)}, {"value", step.value}}));
    shell::setStandardFields(e, shell::Json::object({{"kind", steps.size() == 1 ? "one-step" : "two-steps"},
                                                     {"steps", std::move(stepData)},
                                                     {"result", y}}));
}

void oneStep(shell::Exercise& e, shell::RandomSource& draws)
{
    const Op op = static_cast<Op>(shell::drawWhole(draws, 4, 0));
    int x = 0;
    int v = 0;
    if (op == Op::Add) {
        x = shell::drawWhole(draws, 50, 1);
        v = shell::drawWhole(draws, 49, 2);
    } else if (op == Op::Subtract) {
        x = shell::drawWhole(draws, 51, 10);
        v = shell::drawWhole(draws, x - 2, 2);
    } else if (op == Op::Multiply) {
        x = shell::drawWhole(draws, 11, 2);
        v = shell::drawWhole(draws, 11, 2);
    } else {
        v = shell::drawWhole(draws, 11, 2);
        x = v * shell::drawWhole(draws, 11, 2);
    }
    stepsQuestion(e, {{op, v}}, x);
}

void twoSteps(shell::Exercise& e, shell::RandomSource& draws)
{
    // A scaling (× or ÷) and a shift (+ or −), in either order.
    constexpr std::array<std::pair<Op, Op>, 8> kPatterns{{{Op::Multiply, Op::Add},
                                                          {Op::Multiply, Op::Subtract},
                                                          {Op::Divide, Op::Add},
                                                          {Op::Divide, Op::Subtract},
                                                          {Op::Add, Op::Multiply},
                                                          {Op::Subtract, Op::Multiply},
                                                          {Op::Add, Op::Divide},
                                                          {Op::Subtract, Op::Divide}}};
    const auto [first, second] = shell::drawFrom(draws, kPatterns);
    const auto scaling = [](Op op) { return op == Op::Multiply || op == Op::Divide; };
    const auto inRange = [](std::optional<int> value) { return value && *value >= 1 && *value <= 100; };
    std::vector<Step> chosen;
    int x = 0;
    for (;;) {
        x = shell::drawWhole(draws, 20, 1);
        const int a = shell::drawWhole(draws, 9, 2);
        const int b = shell::drawWhole(draws, 20, 1);
        chosen = {{first, scaling(first) ? a : b}, {second, scaling(second) ? a : b}};
        const std::optional<int> middle = apply(chosen[0], x);
        if (inRange(middle) && inRange(apply(chosen[1], *middle)))
            break;
    }
    stepsQuestion(e, chosen, x);
}

// Clues about a two-digit number, in the order of their families: parity, special numbers,
// multiples, factors, digit sums and ranges.
enum class Family { Parity, Special, Multiple, Factor, DigitSum, Range };
enum class Special { Prime, Square, Cube, Triangular };

struct Clue {
    Family family;
    // 1 for odd and 0 for even; a Special; k; M; the digit sum; the bound of a range.
    int value = 0;
    bool more = false; // a range "more than" the bound, else "less than"
};

constexpr std::array<int, 7> kFactorsOf{60, 72, 84, 90, 96, 100, 120};
constexpr std::array<std::string_view, 4> kSpecialNames{"prime", "square", "cube", "triangular"};

bool isSpecial(Special special, int n)
{
    const auto root = [n](int power) {
        int r = 1;
        while ((power == 2 ? r * r : r * r * r) < n)
            ++r;
        return (power == 2 ? r * r : r * r * r) == n;
    };
    switch (special) {
    case Special::Prime:
        for (int d = 2; d * d <= n; ++d) {
            if (n % d == 0)
                return false;
        }
        return n > 1;
    case Special::Square:
        return root(2);
    case Special::Cube:
        return root(3);
    case Special::Triangular:
        break;
    }
    int r = 1;
    while (r * (r + 1) / 2 < n)
        ++r;
    return r * (r + 1) / 2 == n;
}

int digitSum(int n)
{
    return n / 10 + n % 10;
}

bool fits(const Clue& clue, int n)
{
    switch (clue.family) {
    case Family::Parity:
        return n % 2 == clue.value;
    case Family::Special:
        return isSpecial(static_cast<Special>(clue.value), n);
    case Family::Multiple:
        return n % clue.value == 0;
    case Family::Factor:
        return clue.value % n == 0;
    case Family::DigitSum:
        return digitSum(n) == clue.value;
    case Family::Range:
        break;
    }
    return clue.more ? n > clue.value : n < clue.value;
}

// The two-digit numbers as bits 10 to 99.
using Numbers = std::bitset<100>;

// The numbers each clue fits, worked out once: by family (ranges "more than" last), then value.
const Numbers& fitting(const Clue& clue)
{
    constexpr std::size_t kKinds = 7;
    constexpr std::size_t kValues = 121;
    static const auto table = [] {
        std::array<std::array<Numbers, kValues>, kKinds> numbers{};
        for (std::size_t kind = 0; kind < kKinds; ++kind) {
            const Family family = static_cast<Family>(std::min<std::size_t>(kind, 5));
            for (int value = family == Family::Multiple || family == Family::Factor ? 1 : 0;
                 value < static_cast<int>(kValues); ++value) {
                for (int n = 10; n <= 99; ++n)
                    numbers[kind][static_cast<std::size_t>(value)][static_cast<std::size_t>(n)] =
                        (family != Family::Special || value < 4) && fits({family, value, kind == 6}, n);
            }
        }
        return numbers;
    }();
    const std::size_t kind =
        static_cast<std::size_t>(clue.family) + (clue.family == Family::Range && clue.more);
    return table[kind][static_cast<std::size_t>(clue.value)];
}

std::vector<int> listed(const Numbers& numbers)
{
    std::vector<int> list;
    for (int n = 10; n <= 99; ++n) {
        if (numbers[static_cast<std::size_t>(n)])
            list.push_back(n);
    }
    return list;
}

// A short list of choices, ascending, that a draw picks from.
struct Choices {
    std::array<int, 7> values{};
    std::size_t count = 0;

    void add(int value) { values[count++] = value; }
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    int operator[](std::size_t i) const { return values[i]; }
    void erase(std::size_t i)
    {
        std::copy(values.begin() + static_cast<std::ptrdiff_t>(i + 1),
                  values.begin() + static_cast<std::ptrdiff_t>(count),
                  values.begin() + static_cast<std::ptrdiff_t>(i));
        --count;
    }
};

// What each number allows of the families that have choices: its special kinds, the k in 3..9
// dividing it and the M it divides, worked out once.
struct Offers {
    Choices specials;
    Choices multiples;
    Choices factors;
};

const Offers& offersOf(int n)
{
    static const auto table = [] {
        std::array<Offers, 100> offers{};
        for (int m = 10; m <= 99; ++m) {
            Offers& o = offers[static_cast<std::size_t>(m)];
            for (int special = 0; special < 4; ++special) {
                if (isSpecial(static_cast<Special>(special), m))
                    o.specials.add(special);
            }
            for (int k = 3; k <= 9; ++k) {
                if (m % k == 0)
                    o.multiples.add(k);
            }
            for (const int factor : kFactorsOf) {
                if (factor % m == 0)
                    o.factors.add(factor);
            }
        }
        return offers;
    }();
    return table[static_cast<std::size_t>(n)];
}

Choices familiesFor(int n, bool digitSums)
{
    const Offers& offers = offersOf(n);
    Choices families;
    families.add(static_cast<int>(Family::Parity));
    if (!offers.specials.empty())
        families.add(static_cast<int>(Family::Special));
    if (!offers.multiples.empty())
        families.add(static_cast<int>(Family::Multiple));
    if (!offers.factors.empty())
        families.add(static_cast<int>(Family::Factor));
    if (digitSums)
        families.add(static_cast<int>(Family::DigitSum));
    families.add(static_cast<int>(Family::Range));
    return families;
}

Clue parameters(Family family, int n, shell::RandomSource& draws)
{
    const Offers& offers = offersOf(n);
    switch (family) {
    case Family::Parity:
        return {family, n % 2};
    case Family::Special:
        return {family, shell::drawFrom(draws, offers.specials)};
    case Family::Multiple:
        return {family, shell::drawFrom(draws, offers.multiples)};
    case Family::Factor:
        return {family, shell::drawFrom(draws, offers.factors)};
    case Family::DigitSum:
        return {family, digitSum(n)};
    case Family::Range:
        break;
    }
    Choices ranges; // 1 for "more than", 0 for "less than"
    if (n >= 21)
        ranges.add(1);
    if (n <= 89)
        ranges.add(0);
    if (shell::drawFrom(draws, ranges) == 1)
        return {family, 10 * shell::drawWhole(draws, (n - 1) / 10 - 1, 2), true};
    return {family, 10 * shell::drawWhole(draws, 9 - n / 10, n / 10 + 1), false};
}

std::string clueText(const Clue& clue)
{
    const std::string value = std::to_string(clue.value);
    switch (clue.family) {
    case Family::Parity:
        return clue.value == 1 ? "I am odd." : "I am even.";
    case Family::Special:
        return "I am a " + std::string(kSpecialNames[static_cast<std::size_t>(clue.value)]) + " number.";
    case Family::Multiple:
        return "I am a multiple of " + value + ".";
    case Family::Factor:
        return "I am a factor of " + value + ".";
    case Family::DigitSum:
        return "My digits add up to " + value + ".";
    case Family::Range:
        break;
    }
    return (clue.more ? "I am more than " : "I am less than ") + value + ".";
}

shell::Json clueData(const Clue& clue)
{
    constexpr std::array<std::string_view, 5> kTypes{"parity", "special", "multiple", "factor", "digit-sum"};
    if (clue.family == Family::Parity)
        return shell::Json::object({{"type", "parity"}, {"value", clue.value == 1 ? "odd" : "even"}});
    if (clue.family == Family::Special)
        return shell::Json::object(
            {{"type", "special"}, {"value", kSpecialNames[static_cast<std::size_t>(clue.value)]}});
    if (clue.family == Family::Range)
        return shell::Json::object({{"type", clue.more ? "more-than" : "less-than"}, {"value", clue.value}});
    return shell::Json::object(
        {{"type", kTypes[static_cast<std::size_t>(clue.family)]}, {"value", clue.value}});
}

// The clues in the order the working takes them: those fitting fewest numbers alone first.
std::vector<std::size_t> workingOrder(const std::vector<Clue>& clues)
{
    std::vector<std::size_t> order(clues.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&clues](std::size_t a, std::size_t b) {
        return fitting(clues[a]).count() < fitting(clues[b]).count();
    });
    return order;
}

// One number fits every clue, each clue is needed, and the working's lists fit their lines.
bool fair(const std::vector<Clue>& clues)
{
    Numbers all;
    all.set();
    for (const Clue& clue : clues)
        all &= fitting(clue);
    if (all.count() != 1)
        return false;
    for (std::size_t dropped = 0; dropped < clues.size(); ++dropped) {
        Numbers others;
        others.set();
        for (std::size_t i = 0; i < clues.size(); ++i) {
            if (i != dropped)
                others &= fitting(clues[i]);
        }
        if (others.count() < 2)
            return false;
    }
    Numbers sofar;
    sofar.set();
    bool first = true;
    for (const std::size_t i : workingOrder(clues)) {
        sofar &= fitting(clues[i]);
        if (sofar.count() > (first ? 18U : 9U))
            return false;
        first = false;
    }
    return true;
}

std::string joined(std::vector<int>::const_iterator from, std::vector<int>::const_iterator to)
{
    std::string text;
    for (auto it = from; it != to; ++it)
        text += (it == from ? "" : ", ") + std::to_string(*it);
    return text;
}

constexpr std::size_t kNumbersPerLine = 9;
constexpr std::array<double, 3> kQuestionTops{840, 1710, 2580};

void clues(shell::Exercise& e, shell::RandomSource& draws)
{
    const int count = shell::drawFrom(draws, std::array{2, 3, 3});
    const bool digitSums = shell::drawWhole(draws, 2, 0) == 0;
    int n = 0;
    std::vector<Clue> chosen;
    do {
        Choices available;
        do {
            n = shell::drawWhole(draws, 90, 10);
            available = familiesFor(n, digitSums);
        } while (static_cast<int>(available.size()) < count);
        Choices families;
        for (int i = 0; i < count; ++i) {
            const std::size_t at =
                static_cast<std::size_t>(shell::drawWhole(draws, static_cast<int>(available.size()), 0));
            families.add(available[at]);
            available.erase(at);
        }
        std::sort(families.values.begin(), families.values.begin() + count);
        chosen.clear();
        for (std::size_t i = 0; i < families.size(); ++i)
            chosen.push_back(parameters(static_cast<Family>(families[i]), n, draws));
    } while (!fair(chosen));

    e.instruction = kInstructionClues;
    shell::Json::Array clueList;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        shell::Line line(std::to_string(i + 1) + ". " + clueText(chosen[i]));
        line.place = shell::TwipRect{240, kQuestionTops[i], 9720, 870};
        line.style = shell::TextStyle{30, shell::colour::yellow, shell::Align::Left};
        e.question.push_back(std::move(line));
        clueList.push_back(clueData(chosen[i]));
    }
    if (chosen.size() == 3)
        e.layout.working = shell::kPanelBelowThreeLines;
    e.answer = {"I am " + std::to_string(n)};
    e.working = {"Start with the clue that fits the fewest:"};
    Numbers sofar;
    sofar.set();
    for (const std::size_t i : workingOrder(chosen)) {
        sofar &= fitting(chosen[i]);
        const std::vector<int> list = listed(sofar);
        const std::string label = "Clue " + std::to_string(i + 1) + ": ";
        if (list.size() <= kNumbersPerLine) {
            e.working.emplace_back(label + joined(list.begin(), list.end()));
        } else {
            e.working.emplace_back(label + joined(list.begin(), list.begin() + kNumbersPerLine) + ",");
            e.working.emplace_back(joined(list.begin() + kNumbersPerLine, list.end()));
        }
    }
    shell::setStandardFields(e, shell::Json::object({{"kind", "clues"}, {"clues", std::move(clueList)}}));
}

} // namespace

shell::Exercise makeQuestion(Kind kind, shell::RandomSource& draws)
{
    shell::Exercise e;
    if (kind == Kind::OneStep)
        oneStep(e, draws);
    else if (kind == Kind::TwoSteps)
        twoSteps(e, draws);
    else
        clues(e, draws);
    return e;
}

} // namespace whatnumber
