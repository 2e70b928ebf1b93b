#include "datahandling/activity.h"

#include "datahandling/averages.h"
#include "shell/core/numberforms.h"

#include <array>
#include <string>

namespace datahandling {
namespace {

using shell::Drawing;
using shell::FigureState;
using shell::FontStyle;
using shell::textMark;
using shell::TextMeasure;
using shell::TwipRect;
using shell::forms::D;
using shell::forms::N;
using shell::forms::Ord;
using shell::forms::Sub;

constexpr std::string_view kInstruction = "Find the mean, median, mode and range.";
constexpr std::array<std::string_view, 3> kKindNames{"list", "table", "chart"};
constexpr std::array<std::string_view, 4> kStatisticNames{"mean", "median", "mode", "range"};
constexpr std::array<std::string_view, 4> kStatisticCaptions{"Mean", "Median", "Mode", "Range"};
constexpr int kMixed = 3;

// The table's title stands under the instruction, above the table's header row (twips); at 24 pt
// its descenders stay clear of the header row's top line.
constexpr TwipRect kTitlePlace{240, 660, 9720, 600};
constexpr shell::TextStyle kTitleStyle{24, shell::colour::yellow, shell::Align::Centre};
constexpr shell::Panel kTableWorking{240, 4920, 9720, shell::kSmallWorkingPitch, shell::kSmallWorkingPoints};
constexpr shell::Panel kChartWorking{240, 5220, 9720, shell::kSmallWorkingPitch, shell::kSmallWorkingPoints};

std::string joined(const std::vector<int>& values, std::size_t from, std::size_t to,
                   std::string_view separator)
{
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += (i > from ? std::string(separator) : std::string()) + N(values[i]);
    return text;
}

std::string joined(const std::vector<int>& values, std::string_view separator = ", ")
{
    return joined(values, 0, values.size(), separator);
}

std::string timesOccurs(int count)
{
    return count == 2 ? "(it occurs twice)" : "(it occurs " + N(count) + " times)";
}

std::string meanLine(const Summary& s)
{
    return "Mean = " + N(s.total) + " \u00f7 " + N(s.count) + " = " + D(s.mean());
}

std::string rangeLine(const Summary& s)
{
    return "Range = " + Sub(s.largest, s.smallest) + " = " + N(s.range());
}

// How the median of a table or a chart is read from the position of the middle values.
std::string medianSentence(const Summary& s)
{
    const int n = s.count;
    if (n % 2 == 1)
        return "Median: the " + Ord((n + 1) / 2) + " value is " + N(s.lowerMiddle);
    const std::string values = "Median: the " + Ord(n / 2) + " and " + Ord(n / 2 + 1) + " values are ";
    if (s.lowerMiddle == s.upperMiddle)
        return values + "both " + N(s.lowerMiddle) + ", so " + N(s.lowerMiddle);
    return values + N(s.lowerMiddle) + " and " + N(s.upperMiddle) + ", so " + D(s.median());
}

std::vector<std::string> fourAnswers(const Summary& s)
{
    return {"Mean = " + D(s.mean()) + ", median = " + D(s.median()),
            "Mode = " + N(s.mode) + ", range = " + N(s.range())};
}

std::vector<std::string> rowsDescribed(const DataQuestion& q)
{
    std::vector<std::string> rows{std::string(q.context->shortName) + " | Frequency"};
    for (std::size_t i = 0; i < q.values.size(); ++i)
        rows.push_back(N(q.values[i]) + " | " + N(q.frequencies[i]));
    return rows;
}

// A rectangle of the text's own size, centred across at x below a top edge (twips).
TwipRect centredFromTop(const TextMeasure& measure, std::string_view text, const FontStyle& font, double x,
                        double top)
{
    const shell::TextSize size = measure.measure(text, font);
    return {x - size.width / 2, top, size.width, size.height};
}

// The frequency table: the values and their frequencies, and on Solution a column of products
// and a row of totals, both outlined in orange.
constexpr double kTableLeft = 600;
constexpr double kColumnEdges[] = {600, 2700, 5100, 9900};
constexpr double kHeaderTop = 1260;
constexpr double kRowHeight = 450;
constexpr double kTableLineWidth = 2 * shell::kTwipsPerPixel;
constexpr FontStyle kHeaderFont{18, true};
constexpr FontStyle kEntryFont{21.75};
constexpr FontStyle kTotalFont{21.75, true};

Drawing tableFigure(const DataQuestion& q, const Summary& s, FigureState state)
{
    const bool solved = state == FigureState::Solution;
    const int rows = static_cast<int>(q.values.size()) + (solved ? 2 : 1);
    const double right = kColumnEdges[solved ? 3 : 2];
    const double bottom = kHeaderTop + kRowHeight * rows;
    Drawing drawing;
    drawing.area = {kTableLeft - 30, kHeaderTop - 30, right - kTableLeft + 60, bottom - kHeaderTop + 60};
    const auto line = [&](double x1, double y1, double x2, double y2, shell::Rgb colour) {
        drawing.add(shell::LineMark{{x1, y1}, {x2, y2}, colour, kTableLineWidth, shell::LineCap::Round});
    };
    for (int row = 0; row <= rows; ++row)
        line(kTableLeft, kHeaderTop + kRowHeight * row, right, kHeaderTop + kRowHeight * row,
             shell::colour::white);
    for (int column = 0; column < (solved ? 4 : 3); ++column)
        line(kColumnEdges[column], kHeaderTop, kColumnEdges[column], bottom, shell::colour::white);
    if (solved) {
        drawing.add(shell::BoxMark{
            {kColumnEdges[2], kHeaderTop, kColumnEdges[3] - kColumnEdges[2], bottom - kHeaderTop},
            std::nullopt,
            shell::colour::orange,
            kTableLineWidth});
        drawing.add(shell::BoxMark{{kTableLeft, bottom - kRowHeight, right - kTableLeft, kRowHeight},
                                   std::nullopt,
                                   shell::colour::orange,
                                   kTableLineWidth});
    }
    const auto cell = [&](int column, int row, std::string text, const FontStyle& font, shell::Rgb colour) {
        const TwipRect place{kColumnEdges[column], kHeaderTop + kRowHeight * row,
                             kColumnEdges[column + 1] - kColumnEdges[column], kRowHeight};
        drawing.add(textMark(place, std::move(text), font, colour));
    };
    const std::string name(q.context->shortName);
    cell(0, 0, name, kHeaderFont, shell::colour::white);
    cell(1, 0, "Frequency", kHeaderFont, shell::colour::white);
    for (std::size_t i = 0; i < q.values.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        cell(0, row, N(q.values[i]), kEntryFont, shell::colour::yellow);
        cell(1, row, N(q.frequencies[i]), kEntryFont, shell::colour::yellow);
        if (solved)
            cell(2, row, N(q.values[i] * q.frequencies[i]), kTotalFont, shell::colour::white);
    }
    if (solved) {
        cell(2, 0, name + " \u00d7 frequency", kHeaderFont, shell::colour::white);
        cell(0, rows - 1, "Total", kTotalFont, shell::colour::white);
        cell(1, rows - 1, N(s.count), kTotalFont, shell::colour::white);
        cell(2, rows - 1, N(s.total), kTotalFont, shell::colour::white);
    }
    return drawing;
}

// The bar chart: frequency up the axis at X 1800 (200 twips a unit, 0 at Y 4200), the values
// along the axis at Y 4200 in equal slots; on Solution each bar's frequency above it.
constexpr double kAxisX = 1800;
constexpr double kAxisY = 4200;
constexpr double kAxisEnd = 8700;
constexpr double kUnit = 200;
constexpr int kGridLines = 12;
constexpr FontStyle kAxisFont{15.75};
constexpr FontStyle kCategoryFont{18};
constexpr FontStyle kFrequencyFont{18, true};

Drawing chartFigure(const DataQuestion& q, FigureState state, const TextMeasure& measure)
{
    Drawing drawing;
    drawing.area = {720, 1560, 8040, 3600};
    const auto white = shell::colour::white;
    for (int k = 1; k <= kGridLines; ++k)
        drawing.add(shell::LineMark{
            {kAxisX, kAxisY - kUnit * k}, {kAxisEnd, kAxisY - kUnit * k}, shell::colour::black});
    const double slot = (kAxisEnd - kAxisX) / static_cast<double>(q.values.size());
    for (std::size_t i = 0; i < q.values.size(); ++i) {
        const double centre = kAxisX + slot * (static_cast<double>(i) + 0.5);
        const double height = kUnit * q.frequencies[i];
        const double width = slot * 6 / 10;
        if (height > 0)
            drawing.add(shell::BoxMark{{centre - width / 2, kAxisY - height, width, height},
                                       shell::colour::yellow,
                                       shell::colour::black});
    }
    const double axisWidth = 3 * shell::kTwipsPerPixel;
    drawing.add(shell::LineMark{{kAxisX, kAxisY}, {kAxisX, kAxisY - kUnit * kGridLines}, white, axisWidth});
    drawing.add(shell::LineMark{{kAxisX, kAxisY}, {kAxisEnd, kAxisY}, white, axisWidth});
    for (int k = 0; k <= kGridLines; k += 2) {
        const std::string number = N(k);
        const shell::TextSize size = measure.measure(number, kAxisFont);
        drawing.add(
            textMark({1740 - size.width, kAxisY - kUnit * k - size.height / 2, size.width, size.height},
                     number, kAxisFont, white, shell::Align::Right));
    }
    const shell::TextSize frequency = measure.measure("Frequency", kAxisFont);
    // Turned a quarter, the text's height runs across the stage and its width up it.
    shell::TextMark axisName =
        textMark({1020 - frequency.height / 2, 3000 - frequency.width / 2, frequency.height, frequency.width},
                 "Frequency", kAxisFont, white);
    axisName.quarterTurn = true;
    drawing.add(axisName);
    for (std::size_t i = 0; i < q.values.size(); ++i) {
        const double centre = kAxisX + slot * (static_cast<double>(i) + 0.5);
        const std::string value = N(q.values[i]);
        drawing.add(textMark(centredFromTop(measure, value, kCategoryFont, centre, 4260), value,
                             kCategoryFont, white));
        if (state == FigureState::Solution) {
            const std::string f = N(q.frequencies[i]);
            const shell::TextSize size = measure.measure(f, kFrequencyFont);
            const double bottom = kAxisY - kUnit * q.frequencies[i] - 40;
            drawing.add(textMark({centre - size.width / 2, bottom - size.height, size.width, size.height}, f,
                                 kFrequencyFont, white));
        }
    }
    const std::string name(q.context->shortName);
    drawing.add(
        textMark(centredFromTop(measure, name, kCategoryFont, 5250, 4680), name, kCategoryFont, white));
    return drawing;
}

shell::Exercise listExercise(const DataQuestion& q, const Summary& s)
{
    shell::Exercise e;
    e.instruction = kInstruction;
    const std::size_t n = q.values.size();
    if (n >= 7) {
        const std::size_t first = (n + 1) / 2;
        e.question = {joined(q.values, 0, first, ", ") + ",", joined(q.values, first, n, ", ")};
    } else {
        e.question = {joined(q.values)};
    }
    e.answer = fourAnswers(s);
    const std::string count = N(s.count);
    const std::string median = s.count % 2 == 1
                                   ? "Median = " + Ord((s.count + 1) / 2) + " value = " + N(s.lowerMiddle)
                                   : "Median = (" + N(s.lowerMiddle) + " + " + N(s.upperMiddle) +
                                         ") \u00f7 2 = " + D(s.median()) + " (" + Ord(s.count / 2) + " and " +
                                         Ord(s.count / 2 + 1) + " values)";
    e.working = {"In order: " + joined(s.sorted),
                 "Mean = total \u00f7 " + count + " = " + N(s.total) + " \u00f7 " + count + " = " +
                     D(s.mean()),
                 median, "Mode = " + N(s.mode) + " " + timesOccurs(s.modeCount), rangeLine(s)};
    return e;
}

shell::Exercise tableExercise(const DataQuestion& q, const Summary& s)
{
    shell::Exercise e;
    e.instruction = kInstruction;
    shell::Line title(std::string(q.context->title));
    title.place = kTitlePlace;
    title.style = kTitleStyle;
    e.question = {title};
    e.described = rowsDescribed(q);
    e.answer = fourAnswers(s);
    e.working = {meanLine(s), medianSentence(s),
                 "Mode = " + N(s.mode) + " (highest frequency, " + N(s.modeCount) + ")", rangeLine(s)};
    e.layout.working = kTableWorking;
    e.figure = [q, s](FigureState state, const TextMeasure&) { return tableFigure(q, s, state); };
    return e;
}

shell::Exercise chartExercise(const DataQuestion& q, const Summary& s)
{
    const auto statistic = static_cast<std::size_t>(q.statistic);
    shell::Exercise e;
    e.instruction = q.context->title;
    e.question = {"Find the " + std::string(kStatisticNames[statistic]) + "."};
    e.described = rowsDescribed(q);
    const std::string caption(kStatisticCaptions[statistic]);
    const std::string numberOfValues =
        "Number of values = " + joined(q.frequencies, " + ") + " = " + N(s.count);
    switch (q.statistic) {
    case Statistic::Mean: {
        std::string products;
        for (std::size_t i = 0; i < q.values.size(); ++i)
            products += (i > 0 ? " + " : "") + N(q.values[i]) + "\u00d7" + N(q.frequencies[i]);
        e.answer = {caption + " = " + D(s.mean())};
        e.working = {numberOfValues, "Total = " + products + " = " + N(s.total), meanLine(s)};
        break;
    }
    case Statistic::Median: {
        std::vector<int> running;
        for (const int f : q.frequencies)
            running.push_back((running.empty() ? 0 : running.back()) + f);
        e.answer = {caption + " = " + D(s.median())};
        e.working = {numberOfValues, "Running totals: " + joined(running), medianSentence(s)};
        break;
    }
    case Statistic::Mode:
        e.answer = {caption + " = " + N(s.mode)};
        e.working = {"The tallest bar is at " + N(s.mode) + " (frequency " + N(s.modeCount) + ")",
                     "Mode = " + N(s.mode)};
        break;
    case Statistic::Range:
        e.answer = {caption + " = " + N(s.range())};
        e.working = {"Values with bars run from " + N(s.smallest) + " to " + N(s.largest), rangeLine(s)};
        break;
    }
    e.layout.working = kChartWorking;
    e.figure = [q](FigureState state, const TextMeasure& measure) { return chartFigure(q, state, measure); };
    return e;
}

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const Kind kind = static_cast<Kind>(shell::kindOfMode(mode, kMixed, draws));
    const DataQuestion q = kind == Kind::List ? drawList(draws) : drawFrequencies(kind, draws);
    const Summary s = summarise(q);
    shell::Exercise e = kind == Kind::List    ? listExercise(q, s)
                        : kind == Kind::Table ? tableExercise(q, s)
                                              : chartExercise(q, s);
    shell::Json data = shell::Json::object({{"kind", kKindNames[static_cast<std::size_t>(kind)]}});
    if (kind != Kind::List)
        data.add("context", q.context->key);
    data.add("values", shell::Json::list(q.values));
    if (kind != Kind::List)
        data.add("frequencies", shell::Json::list(q.frequencies));
    if (kind == Kind::Chart)
        data.add("statistic", kStatisticNames[static_cast<std::size_t>(q.statistic)]);
    shell::setStandardFields(e, std::move(data));
    return e;
}

shell::SheetIntro intro(int mode)
{
    shell::SheetIntro sheet;
    // Lists and tables share their instruction; a chart's is its title.
    if (mode == static_cast<int>(Kind::List) || mode == static_cast<int>(Kind::Table))
        sheet.instruction = kInstruction;
    return sheet;
}

constexpr std::array<shell::Mode, 4> kModes{{
    {"From a list", "list"},
    {"Frequency table", "table"},
    {"Bar chart", "chart"},
    {"Mixed", "mixed"},
}};

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "data",
    .sheet = "data",
    .caption = "Data",
    .menu = 5,
    .position = 0,
    .modes = kModes,
    .jsonHelp = "instruction, question (the list's lines, or the title or question line,\n"
                "then the table's rows \"value | frequency\"), answer, solution,\n"
                "data: kind (list, table, chart), values, and for tables and charts\n"
                "context (goals, pets, siblings, shoes, dice) and frequencies; a chart's\n"
                "statistic (mean, median, mode, range)",
    .intro = intro,
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace datahandling
