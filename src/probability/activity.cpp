#include "probability/activity.h"

#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace probability {
namespace {

using shell::drawWhole;
using shell::Drawing;
using shell::FigureState;
using shell::Json;
using shell::forms::Fr;
using shell::forms::N;

enum Kind { kOneEvent, kNotOr, kTwoPicks, kDice };

constexpr std::array<shell::Mode, 4> kModes{{
    {"One event", "one-event"},
    {"Not / or", "not-or"},
    {"Two picks", "two-picks"},
    {"Two dice", "dice"},
}};

constexpr const char* kOneCounter = "Take one counter at random.";
constexpr const char* kTwoDice = "Two fair six-sided dice are thrown.";

struct Colour {
    const char* name;
    const char* capitalised;
    shell::Rgb rgb;
};
constexpr std::array<Colour, 4> kColours{{
    {"yellow", "Yellow", shell::colour::yellow},
    {"white", "White", shell::colour::white},
    {"black", "Black", shell::colour::black},
    {"orange", "Orange", shell::colour::orange},
}};

// "5/12", unsimplified.
std::string over(long long numerator, long long denominator)
{
    return N(numerator) + "/" + N(denominator);
}

// A fraction as it stands, then its lowest terms when they differ: "20/132 = 5/33".
std::string simplified(long long numerator, long long denominator)
{
    const std::string lowest = Fr(numerator, denominator);
    const std::string stands = over(numerator, denominator);
    return lowest == stands ? stands : stands + " = " + lowest;
}

shell::Line placed(std::string text, shell::TwipRect place, double points)
{
    shell::Line line(std::move(text));
    line.place = place;
    line.style = shell::TextStyle{points};
    return line;
}

enum class Event { Colour, Not, Or, Both, Then };

// Two or three colours, each with its count, in the order the counts line names them.
struct Bag {
    Event event = Event::Colour;
    bool replacement = true;
    std::size_t size = 0;
    std::array<const Colour*, 3> colours{};
    std::array<int, 3> counts{};
    int x = 0;            // the first colour asked about, an index into colours
    std::optional<int> y; // the second, for "or" and "then"
};

Bag drawBag(int kind, shell::RandomSource& draws)
{
    for (;;) {
        Bag bag;
        if (kind == kNotOr)
            bag.event = drawWhole(draws, 2, 0) == 0 ? Event::Not : Event::Or;
        if (kind == kTwoPicks) {
            bag.event = drawWhole(draws, 2, 0) == 0 ? Event::Both : Event::Then;
            bag.replacement = drawWhole(draws, 2, 0) == 0;
        }
        const int m = bag.event == Event::Or ? 3 : drawWhole(draws, 2, 2);
        bag.size = static_cast<std::size_t>(m);
        // Each colour from those not yet drawn, in the list's order.
        std::array<const Colour*, 4> left{&kColours[0], &kColours[1], &kColours[2], &kColours[3]};
        for (std::size_t i = 0; i < bag.size; ++i) {
            const auto at = left.begin() + drawWhole(draws, static_cast<int>(left.size() - i), 0);
            bag.colours[i] = *at;
            std::rotate(at, at + 1, left.end());
        }
        int total = 0;
        for (std::size_t i = 0; i < bag.size; ++i) {
            bag.counts[i] = drawWhole(draws, 8, 1);
            total += bag.counts[i];
        }
        if (total > (kind == kTwoPicks ? 12 : 16))
            continue;
        bag.x = drawWhole(draws, m, 0);
        if (bag.event == Event::Or || bag.event == Event::Then) {
            const int y = drawWhole(draws, m - 1, 0);
            bag.y = y < bag.x ? y : y + 1;
        }
        if (bag.event == Event::Both && !bag.replacement && bag.counts[static_cast<std::size_t>(bag.x)] == 1)
            continue;
        return bag;
    }
}

// The row of counters centred on the stage, each colour's group a little apart; the solution
// rings the counters that count.
Drawing counters(const Bag& bag, FigureState state)
{
    constexpr double kY = 1950;
    constexpr double kPitch = 480;
    constexpr double kGroupGap = 240;
    int total = 0;
    for (std::size_t group = 0; group < bag.size; ++group)
        total += bag.counts[group];
    const double span = (total - 1) * kPitch + static_cast<double>(bag.size - 1) * kGroupGap;
    Drawing drawing;
    drawing.area = {600, kY - 300, 9000, 600};
    double x = 5100 - span / 2;
    for (std::size_t group = 0; group < bag.size; ++group) {
        const Colour& colour = *bag.colours[group];
        const int index = static_cast<int>(group);
        const bool counts = bag.event == Event::Not ? index != bag.x : index == bag.x || index == bag.y;
        for (int i = 0; i < bag.counts[group]; ++i) {
            const shell::Rgb edge = colour.rgb == shell::colour::black ? shell::colour::white : shell::colour::black;
            drawing.add(shell::CircleMark{{x, kY}, 200, colour.rgb, edge});
            if (counts && state == FigureState::Solution)
                drawing.add(shell::CircleMark{{x, kY}, 260, std::nullopt, shell::colour::white,
                                              3 * shell::kTwipsPerPixel});
            x += kPitch;
        }
        x += kGroupGap;
    }
    return drawing;
}

shell::Exercise bagExercise(int kind, shell::RandomSource& draws)
{
    const Bag bag = drawBag(kind, draws);
    const auto count = [&](int index) { return static_cast<long long>(bag.counts[static_cast<std::size_t>(index)]); };
    const auto name = [&](int index) { return std::string(bag.colours[static_cast<std::size_t>(index)]->name); };
    long long total = 0;
    std::string countsLine;
    std::vector<long long> terms;
    for (std::size_t i = 0; i < bag.size; ++i) {
        total += bag.counts[i];
        terms.push_back(bag.counts[i]);
        countsLine += (i > 0 ? ", " : "") + N(bag.counts[i]) + " " + bag.colours[i]->name;
    }
    const std::string X = name(bag.x);
    const std::string Y = bag.y ? name(*bag.y) : std::string();
    const long long nX = count(bag.x);
    const long long nY = bag.y ? count(*bag.y) : 0;
    const std::string pX = over(nX, total);
    const std::string times = " \u00d7 ";

    shell::Exercise e;
    e.instruction = kind != kTwoPicks   ? kOneCounter
                    : bag.replacement ? "Take two counters, with replacement."
                                      : "Take two counters, without replacement.";
    e.working = {"Total: " + shell::forms::Sum(terms) + " = " + N(total) + " counters"};
    std::string event;
    long long numerator = 0;
    long long denominator = total;
    switch (bag.event) {
    case Event::Colour:
        event = "P(" + X + ")";
        numerator = nX;
        e.working.push_back(std::string(bag.colours[static_cast<std::size_t>(bag.x)]->capitalised) +
                            " counters: " + N(nX));
        e.working.push_back(event + " = " + simplified(numerator, denominator));
        break;
    case Event::Not:
        event = "P(not " + X + ")";
        numerator = total - nX;
        e.working.push_back("P(" + X + ") = " + pX);
        e.working.push_back(event + " = 1 \u2212 " + pX + " = " + simplified(numerator, denominator));
        break;
    case Event::Or:
        event = "P(" + X + " or " + Y + ")";
        numerator = nX + nY;
        e.working.push_back("P(" + X + ") = " + pX + ", P(" + Y + ") = " + over(nY, total));
        e.working.push_back(event + " = " + pX + " + " + over(nY, total));
        e.working.push_back("= " + simplified(numerator, denominator));
        break;
    case Event::Both:
        event = "P(both " + X + ")";
        if (bag.replacement) {
            numerator = nX * nX;
            denominator = total * total;
            e.working.push_back("P(" + X + ") = " + pX + " each time");
            e.working.push_back(event + " = " + pX + times + pX);
        } else {
            numerator = nX * (nX - 1);
            denominator = total * (total - 1);
            e.working.push_back("P(first " + X + ") = " + pX);
            e.working.push_back("P(second " + X + ") = " + over(nX - 1, total - 1));
            e.working.push_back(event + " = " + pX + times + over(nX - 1, total - 1));
        }
        e.working.push_back("= " + simplified(numerator, denominator));
        break;
    case Event::Then: {
        event = "P(" + X + " then " + Y + ")";
        const long long second = bag.replacement ? total : total - 1;
        numerator = nX * nY;
        denominator = total * second;
        e.working.push_back("P(" + X + " first) = " + pX);
        e.working.push_back("P(" + Y + " second) = " + over(nY, second));
        e.working.push_back(event + " = " + pX + times + over(nY, second));
        e.working.push_back("= " + simplified(numerator, denominator));
        break;
    }
    }
    e.question = {placed(countsLine, {240, 840, 9720, 700}, 27.75), placed(event + " = ?", {240, 2350, 9720, 870}, 36)};
    e.answer = {event + " = " + Fr(numerator, denominator)};
    e.layout.working = {240, 3300, 9720};
    e.figure = [bag](FigureState state, const shell::TextMeasure&) { return counters(bag, state); };

    constexpr std::array<const char*, 5> kEvents{"colour", "not", "or", "both", "then"};
    const long long common = shell::forms::gcd(numerator, denominator);
    Json::Array colours;
    Json::Array counts;
    for (std::size_t i = 0; i < bag.size; ++i) {
        colours.emplace_back(bag.colours[i]->name);
        counts.emplace_back(bag.counts[i]);
    }
    Json data = Json::object({{"kind", kModes[static_cast<std::size_t>(kind)].sheetName},
                              {"probability", Json::array({numerator / common, denominator / common})},
                              {"event", kEvents[static_cast<std::size_t>(bag.event)]},
                              {"colours", std::move(colours)},
                              {"counts", std::move(counts)},
                              {"first", X},
                              {"second", bag.y ? Json(Y) : Json()}});
    if (kind == kTwoPicks)
        data.add("replacement", bag.replacement);
    shell::setStandardFields(e, std::move(data));
    return e;
}

enum class Dice { Total, TotalMore, Product };

bool inEvent(Dice event, int target, int first, int second)
{
    switch (event) {
    case Dice::Total:
        return first + second == target;
    case Dice::TotalMore:
        return first + second > target;
    case Dice::Product:
        return first * second == target;
    }
    return false;
}

// The 36 outcomes as a grid of totals or products, the first die across and the second down; the
// solution fills in every cell and marks those in the event.
Drawing diceGrid(Dice event, int target, FigureState state)
{
    constexpr double kLeft = 600;
    constexpr double kTop = 2000;
    constexpr double kCell = 540;
    constexpr shell::FontStyle kFont{18};
    const bool product = event == Dice::Product;
    Drawing drawing;
    drawing.area = {kLeft, kTop, 7 * kCell, 7 * kCell};
    const auto cell = [&](int column, int row) {
        return shell::TwipRect{kLeft + column * kCell, kTop + row * kCell, kCell, kCell};
    };
    const auto write = [&](int column, int row, std::string text, shell::Rgb colour) {
        drawing.add(shell::TextMark{cell(column, row), std::move(text), kFont, colour, shell::Align::Centre, std::nullopt});
    };
    if (state == FigureState::Solution) {
        for (int first = 1; first <= 6; ++first) {
            for (int second = 1; second <= 6; ++second) {
                if (inEvent(event, target, first, second))
                    drawing.add(shell::BoxMark{cell(first, second), shell::colour::orange, std::nullopt});
            }
        }
    }
    for (int i = 0; i <= 7; ++i) {
        drawing.add(shell::LineMark{{kLeft + i * kCell, kTop}, {kLeft + i * kCell, kTop + 7 * kCell}, shell::colour::white});
        drawing.add(shell::LineMark{{kLeft, kTop + i * kCell}, {kLeft + 7 * kCell, kTop + i * kCell}, shell::colour::white});
    }
    write(0, 0, product ? "\u00d7" : "+", shell::colour::white);
    for (int i = 1; i <= 6; ++i) {
        write(i, 0, N(i), shell::colour::white);
        write(0, i, N(i), shell::colour::white);
    }
    if (state == FigureState::Solution) {
        for (int first = 1; first <= 6; ++first) {
            for (int second = 1; second <= 6; ++second) {
                const bool marked = inEvent(event, target, first, second);
                write(first, second, N(product ? first * second : first + second),
                      marked ? shell::colour::black : shell::colour::yellow);
            }
        }
    }
    return drawing;
}

constexpr std::array<int, 13> kProducts{2, 3, 4, 5, 6, 8, 10, 12, 15, 18, 20, 24, 30};

shell::Exercise diceExercise(shell::RandomSource& draws)
{
    const auto event = static_cast<Dice>(drawWhole(draws, 3, 0));
    const int target = event == Dice::Total       ? drawWhole(draws, 9, 3)
                       : event == Dice::TotalMore ? drawWhole(draws, 5, 6)
                                                  : kProducts[static_cast<std::size_t>(drawWhole(draws, 13, 0))];
    int outcomes = 0;
    for (int first = 1; first <= 6; ++first) {
        for (int second = 1; second <= 6; ++second)
            outcomes += inEvent(event, target, first, second) ? 1 : 0;
    }
    const std::string T = N(target);
    const std::string ev = event == Dice::Total       ? "P(total = " + T + ")"
                           : event == Dice::TotalMore ? "P(total > " + T + ")"
                                                      : "P(product = " + T + ")";
    const std::string have = event == Dice::Total       ? " have a total of "
                             : event == Dice::TotalMore ? " have a total over "
                                                        : " have a product of ";
    shell::Exercise e;
    e.instruction = kTwoDice;
    e.question = {ev + " = ?"};
    e.working = {"6 \u00d7 6 = 36 outcomes,", "all equally likely.", N(outcomes) + have + T + ".",
                 ev + " = " + over(outcomes, 36)};
    const std::string lowest = Fr(outcomes, 36);
    if (lowest != over(outcomes, 36))
        e.working.push_back("= " + lowest);
    e.answer = {ev + " = " + lowest};
    e.layout.working = {4620, 2000, 5340};
    e.figure = [event, target](FigureState state, const shell::TextMeasure&) { return diceGrid(event, target, state); };
    const long long common = shell::forms::gcd(outcomes, 36);
    constexpr std::array<const char*, 3> kEvents{"total", "total-more", "product"};
    shell::setStandardFields(e, Json::object({{"kind", "dice"},
                                              {"probability", Json::array({outcomes / common, 36 / common})},
                                              {"event", kEvents[static_cast<std::size_t>(event)]},
                                              {"target", target},
                                              {"outcomes", outcomes}}));
    return e;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    return mode == kDice ? diceExercise(draws) : bagExercise(mode, draws);
}

shell::SheetIntro intro(int mode)
{
    shell::SheetIntro intro;
    if (mode != kTwoPicks)
        intro.instruction = mode == kDice ? kTwoDice : kOneCounter;
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "probability",
    .sheet = "probability",
    .caption = "Probability",
    .menu = 2,
    .position = 4,
    .modes = kModes,
    .jsonHelp = "instruction, question (the counters and the event, or the event),\n"
                "answer, solution (the working), data: kind (one-event, not-or,\n"
                "two-picks or dice), probability ([numerator, denominator]); event\n"
                "(colour, not, or, both or then), colours, counts, first, second,\n"
                "replacement (two-picks) for counters; event (total, total-more or\n"
                "product), target, outcomes for dice",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace probability
