#include "trialandimprovement/activity.h"

#include "shell/core/numberforms.h"

#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace trialandimprovement {
namespace {

using shell::drawWhole;
using shell::Json;
using shell::forms::N;

enum Kind { kPlus, kMinus, kTwoPlaces, kMixed };

constexpr std::array<shell::Mode, 4> kModes{{
    {"x\u00b3 + ax", "plus"},
    {"x\u00b3 \u2212 ax", "minus"},
    {"To 2 d.p.", "two-dp"},
    {"Mixed", "mixed"},
}};

std::string instruction(int places)
{
    return "Use trial and improvement. Give x to " + std::to_string(places) + " d.p.";
}

// The cubic f(x) = x³ + ax or x³ − ax, which rises on [2, 6] for the coefficients drawn.
struct Cubic {
    bool plus = true;
    long long a = 1;

    double at(double x) const { return x * x * x + (plus ? a : -a) * x; }
    // 10⁹·f(x) exactly, for x = X/1000.
    long long billionthsAt(long long thousandths) const
    {
        const long long x = thousandths;
        return x * x * x + (plus ? a : -a) * x * 1000000;
    }
    std::string text() const
    {
        return std::string("x\u00b3 ") + (plus ? "+ " : "\u2212 ") + (a == 1 ? std::string() : N(a)) + "x";
    }
};

constexpr long long kBillion = 1000000000;

// The trials as the table shows them: the cubic over the values column, then a row per trial
// (x, the value, the verdict), the halfway value last.
struct Table {
    std::string heading;
    std::vector<std::array<std::string, 3>> rows;
};

shell::Drawing tableFigure(const Table& table, shell::FigureState state)
{
    // In twips: a header row, then 8 rows, and the columns' edges.
    constexpr double kTop = 2250;
    constexpr double kRow = 480;
    constexpr std::array<double, 4> kColumns{1200, 3000, 6000, 8400};
    constexpr shell::FontStyle kFont{20.25};
    constexpr double kLine = 2 * shell::kTwipsPerPixel;
    shell::Drawing drawing;
    drawing.area = {kColumns[0], kTop, kColumns[3] - kColumns[0], 9 * kRow};
    drawing.add(shell::LineMark{{kColumns[0], kTop + kRow}, {kColumns[3], kTop + kRow}, shell::colour::white, kLine});
    for (double x : {kColumns[1], kColumns[2]})
        drawing.add(shell::LineMark{{x, kTop}, {x, kTop + 9 * kRow}, shell::colour::white, kLine});
    const auto row = [&](std::size_t index, const std::array<std::string, 3>& texts, shell::Rgb colour) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            drawing.add(shell::TextMark{{kColumns[i], kTop + kRow * static_cast<double>(index), kColumns[i + 1] - kColumns[i], kRow},
                                        texts[i], kFont, colour, shell::Align::Centre, std::nullopt});
    };
    row(0, {"x", table.heading, "Result"}, shell::colour::white);
    if (state == shell::FigureState::Solution) {
        for (std::size_t i = 0; i < table.rows.size(); ++i)
            row(i + 1, table.rows[i], i + 1 == table.rows.size() ? shell::colour::orange : shell::colour::yellow);
    }
    return drawing;
}

// The values are worked in whole thousandths (x) and billionths (f), and written from them
// exactly, as forms::D and forms::R would write them; none is negative.

// thousandths / 1000 without trailing zeros: "3", "3.35", "3.325".
std::string decimal(long long thousandths)
{
    char text[24];
    char* end = std::to_chars(text, text + sizeof text, thousandths / 1000).ptr;
    long long rest = thousandths % 1000;
    if (rest != 0)
        *end++ = '.';
    for (long long unit = 100; rest != 0; unit /= 10) {
        *end++ = static_cast<char>('0' + rest / unit);
        rest %= unit;
    }
    return std::string(text, end);
}

// units / 10^scale rounded half up to `places` decimals, all of them written: "46.38", "3.0".
std::string rounded(long long units, int scale, int places)
{
    long long unit = 1;
    for (int i = places; i < scale; ++i)
        unit *= 10;
    const long long kept = (units + unit / 2) / unit;
    long long whole = 1;
    for (int i = 0; i < places; ++i)
        whole *= 10;
    char text[32];
    char* end = std::to_chars(text, text + sizeof text, kept / whole).ptr;
    *end++ = '.';
    for (long long digit = whole / 10; digit >= 1; digit /= 10)
        *end++ = static_cast<char>('0' + kept / digit % 10);
    return std::string(text, end);
}

// Whether x lies within `distance` of a multiple of `step`.
bool near(double x, double step, double distance)
{
    return std::fabs(x - step * std::round(x / step)) < distance;
}

// Draws the cubic, k and the interval, and tries values in it until the answer is settled.
shell::Exercise make(int kind, shell::RandomSource& draws)
{
    const int places = kind == kTwoPlaces ? 2 : 1;
    Cubic f;
    long long k = 0;
    double root = 0;
    for (;;) {
        f.plus = kind == kTwoPlaces ? drawWhole(draws, 2, 0) == 0 : kind == kPlus;
        f.a = drawWhole(draws, f.plus ? 6 : 4, 1);
        const int n = drawWhole(draws, 4, 2);
        const auto low = static_cast<long long>(f.at(n));
        const auto high = static_cast<long long>(f.at(n + 1));
        k = drawWhole(draws, static_cast<int>(high - low - 1), static_cast<int>(low + 1));
        double lo = n;
        double hi = n + 1;
        while (hi - lo > 1e-9) {
            const double mid = (lo + hi) / 2;
            (f.at(mid) < static_cast<double>(k) ? lo : hi) = mid;
        }
        root = (lo + hi) / 2;
        // Away from every value that will be tried, so no trial lands on k or rounds onto it.
        if (places == 1 ? !near(root, 0.05, 0.005) : !near(root, 0.005, 0.0005))
            break;
    }
    const long long step = places == 1 ? 1000 : 100; // thousandths
    const auto low = static_cast<long long>(std::floor(root * 1000 / static_cast<double>(step))) * step;
    const long long high = low + step;

    auto table = std::make_shared<Table>();
    table->heading = f.text();
    table->rows.reserve(8);
    const auto tryAt = [&](long long x) {
        const long long value = f.billionthsAt(x);
        const bool tooBig = value > k * kBillion;
        table->rows.push_back({decimal(x),
                               x % 1000 == 0 ? N(value / kBillion) : rounded(value, 9, places + 1),
                               tooBig ? "too big" : "too small"});
        return tooBig;
    };
    tryAt(low);
    tryAt(high);
    long long lo = low;
    long long hi = high;
    const long long tenth = step / 10;
    if (tryAt(low + step / 2)) {
        hi = low + step / 2;
        for (long long x = hi - tenth; x > low && tryAt(x); x -= tenth)
            hi = x;
        lo = hi - tenth;
    } else {
        lo = low + step / 2;
        for (long long x = lo + tenth; x < high && !tryAt(x); x += tenth)
            lo = x;
        hi = lo + tenth;
    }
    const long long middle = (lo + hi) / 2;
    const bool middleTooBig = tryAt(middle);
    const std::string answer = rounded(middleTooBig ? lo : hi, 3, places);

    shell::Exercise e;
    e.instruction = instruction(places);
    shell::Line interval("There is a solution between " + decimal(low) + " and " + decimal(high) + ".");
    interval.place = shell::TwipRect{240, 1710, 9720, 520};
    interval.style = shell::TextStyle{21.75};
    e.question = {table->heading + " = " + N(k), std::move(interval)};
    e.working.reserve(table->rows.size());
    for (const auto& [x, value, verdict] : table->rows) {
        std::string line;
        line.reserve(x.size() + value.size() + verdict.size() + 4);
        e.working.emplace_back(line.append(x).append(": ").append(value).append(", ").append(verdict));
    }
    e.answer = {"x = " + answer + " to " + std::to_string(places) + " d.p.",
                "x is between " + (middleTooBig ? decimal(lo) + " and " + decimal(middle)
                                                : decimal(middle) + " and " + decimal(hi)) +
                    "."};
    e.layout.workingShown = false;
    e.figure = [table = std::shared_ptr<const Table>(std::move(table))](shell::FigureState state,
                                                                        const shell::TextMeasure&) {
        return tableFigure(*table, state);
    };
    shell::setStandardFields(e, Json::object({
                                    {"kind", kModes[static_cast<std::size_t>(kind)].sheetName},
                                    {"form", f.plus ? "plus" : "minus"},
                                    {"a", f.a},
                                    {"k", k},
                                    {"low", static_cast<double>(low) / 1000},
                                    {"high", static_cast<double>(high) / 1000},
                                    {"places", places},
                                    {"root", root},
                                    {"answer", answer},
                                }));
    return e;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    return make(shell::kindOfMode(mode, kMixed, draws), draws);
}

shell::SheetIntro intro(int mode)
{
    shell::SheetIntro intro;
    if (mode != kMixed)
        intro.instruction = instruction(mode == kTwoPlaces ? 2 : 1);
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "trialandimprovement",
    .sheet = "trial-and-improvement",
    .caption = "Trial and Improvement",
    .menu = 2,
    .position = 1,
    .modes = kModes,
    .jsonHelp = "instruction, question (the equation and its interval), answer,\n"
                "solution (a line per trial), data: kind (plus, minus or two-dp), form\n"
                "(plus or minus), a, k, low, high, places (1 or 2), root, answer",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace trialandimprovement
