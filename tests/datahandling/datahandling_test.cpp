// Data: the worked examples with their rejections and extreme draws, and the table's solution.
#include "datahandling/activity.h"
#include "workedexample.h"

namespace {

using shell::FigureState;
using testing_support::drawAt, testing_support::drawFor, testing_support::inMixed, testing_support::kTop,
    testing_support::operator+, testing_support::WorkedExample;

enum { kList, kTable, kChart, kMixed };
enum { kGoals = 1, kPets, kSiblings, kShoes, kDice };
enum { kMean, kMedian, kMode, kRange };

const shell::Activity& activity()
{
    return datahandling::activities()[0];
}

std::vector<float> numbers(const std::vector<int>& values)
{
    std::vector<float> draws;
    for (const int v : values)
        draws.push_back(drawFor(v, 1, 20));
    return draws;
}

std::vector<float> listed(const std::vector<int>& values)
{
    return std::vector<float>{drawFor(static_cast<int>(values.size()), 5, 9)} + numbers(values);
}

std::vector<float> counted(int context, const std::vector<int>& frequencies)
{
    std::vector<float> draws{drawFor(context, 1, 5)};
    for (const int f : frequencies)
        draws.push_back(drawFor(f, 0, 10));
    return draws;
}

const std::string kFindAll = "Find the mean, median, mode and range.";
const std::vector<std::string> kPetsRows{"Pets | Frequency", "0 | 6", "1 | 8", "2 | 4", "3 | 0", "4 | 2"};
const std::vector<std::string> kGoalsRows{
    "Goals | Frequency", "0 | 3", "1 | 7", "2 | 5", "3 | 3", "4 | 2", "5 | 0"};
const char* const kPetsData =
    R"({"kind":"chart","context":"pets","values":[0,1,2,3,4],"frequencies":[6,8,4,0,2],)";

// clang-format off
const WorkedExample kChartMode{"a chart's mode", kChart, counted(kPets, {6, 8, 4, 0, 2}) + std::vector<float>{drawAt(kMode, 4)},
    "Pets owned by each pupil", std::vector<std::string>{"Find the mode."} + kPetsRows, {"Mode = 1"},
    {"The tallest bar is at 1 (frequency 8)", "Mode = 1"},
    std::string(kPetsData) + R"("statistic":"mode"})"};
const WorkedExample kExamples[] = {
    {"an even count's median lies between the middle numbers", kList, listed({12, 5, 9, 12, 20, 8}), kFindAll,
     {"12, 5, 9, 12, 20, 8"}, {"Mean = 11, median = 10.5", "Mode = 12, range = 15"},
     {"In order: 5, 8, 9, 12, 12, 20", "Mean = total ÷ 6 = 66 ÷ 6 = 11",
      "Median = (9 + 12) ÷ 2 = 10.5 (3rd and 4th values)", "Mode = 12 (it occurs twice)", "Range = 20 − 5 = 15"},
     R"({"kind":"list","values":[12,5,9,12,20,8]})"},
    {"two modes, two different numbers and a mean of many decimals are drawn again; the fewest and extreme numbers",
     kList, listed({1, 1, 2, 2, 3}) + listed({4, 4, 4, 6, 6}) + listed({1, 2, 3, 4, 5, 5}) +
                std::vector<float>{0, 0, 0, 0, kTop, drawFor(2, 1, 20)}, kFindAll,
     {"1, 1, 1, 20, 2"}, {"Mean = 5, median = 1", "Mode = 1, range = 19"},
     {"In order: 1, 1, 1, 2, 20", "Mean = total ÷ 5 = 25 ÷ 5 = 5", "Median = 3rd value = 1",
      "Mode = 1 (it occurs 3 times)", "Range = 20 − 1 = 19"}, R"({"kind":"list","values":[1,1,1,20,2]})"},
    {"the most numbers split five and four", kList,
     std::vector<float>{kTop, kTop, kTop} + numbers({1, 2, 3, 4, 5, 6, 11}), kFindAll,
     {"20, 20, 1, 2, 3,", "4, 5, 6, 11"}, {"Mean = 8, median = 5", "Mode = 20, range = 19"},
     {"In order: 1, 2, 3, 4, 5, 6, 11, 20, 20", "Mean = total ÷ 9 = 72 ÷ 9 = 8", "Median = 5th value = 5",
      "Mode = 20 (it occurs twice)", "Range = 20 − 1 = 19"}, R"({"kind":"list","values":[20,20,1,2,3,4,5,6,11]})"},
    {"a table", kTable, counted(kGoals, {3, 7, 5, 3, 2, 0}), kFindAll,
     std::vector<std::string>{"Goals scored in each match"} + kGoalsRows,
     {"Mean = 1.7, median = 1.5", "Mode = 1, range = 4"},
     {"Mean = 34 ÷ 20 = 1.7", "Median: the 10th and 11th values are 1 and 2, so 1.5",
      "Mode = 1 (highest frequency, 7)", "Range = 4 − 0 = 4"},
     R"({"kind":"table","context":"goals","values":[0,1,2,3,4,5],"frequencies":[3,7,5,3,2,0]})"},
    {"no values, too many, one value and two modes are drawn again; equal middle values", kTable,
     std::vector<float>(7, 0) + std::vector<float>(7, kTop) + counted(kGoals, {10, 0, 0, 0, 0, 0}) +
         counted(kPets, {4, 4, 2, 0, 0}) + counted(kDice, {3, 1, 1, 7, 2, 6}), kFindAll,
     {"Scores from rolling a dice", "Score | Frequency", "1 | 3", "2 | 1", "3 | 1", "4 | 7", "5 | 2", "6 | 6"},
     {"Mean = 4.1, median = 4", "Mode = 4, range = 5"},
     {"Mean = 82 ÷ 20 = 4.1", "Median: the 10th and 11th values are both 4, so 4", "Mode = 4 (highest frequency, 7)",
      "Range = 6 − 1 = 5"}, R"({"kind":"table","context":"dice","values":[1,2,3,4,5,6],"frequencies":[3,1,1,7,2,6]})"},
    {"a chart's median from the running totals", kChart,
     counted(kShoes, {2, 4, 8, 6, 3, 2}) + std::vector<float>{drawAt(kMedian, 4)}, "Shoe sizes of a group of pupils",
     {"Find the median.", "Shoe size | Frequency", "3 | 2", "4 | 4", "5 | 8", "6 | 6", "7 | 3", "8 | 2"},
     {"Median = 5"}, {"Number of values = 2 + 4 + 8 + 6 + 3 + 2 = 25", "Running totals: 2, 6, 14, 20, 23, 25",
      "Median: the 13th value is 5"},
     R"({"kind":"chart","context":"shoes","values":[3,4,5,6,7,8],"frequencies":[2,4,8,6,3,2],"statistic":"median"})"},
    {"a chart's mean", kChart, counted(kPets, {6, 8, 4, 0, 2}) + std::vector<float>{0}, "Pets owned by each pupil",
     std::vector<std::string>{"Find the mean."} + kPetsRows, {"Mean = 1.2"},
     {"Number of values = 6 + 8 + 4 + 0 + 2 = 20", "Total = 0×6 + 1×8 + 2×4 + 3×0 + 4×2 = 24", "Mean = 24 ÷ 20 = 1.2"},
     std::string(kPetsData) + R"("statistic":"mean"})"},
    kChartMode,
    {"a chart's range leaves out a last value without a bar", kChart,
     counted(kGoals, {3, 7, 5, 3, 2, 0}) + std::vector<float>{kTop}, "Goals scored in each match",
     std::vector<std::string>{"Find the range."} + kGoalsRows, {"Range = 4"},
     {"Values with bars run from 0 to 4", "Range = 4 − 0 = 4"},
     R"({"kind":"chart","context":"goals","values":[0,1,2,3,4,5],"frequencies":[3,7,5,3,2,0],"statistic":"range"})"},
    inMixed(kChartMode, kMixed, drawAt(kChart, 3)),
};
// clang-format on

template <class T>
std::vector<T> marksOf(int mode, const std::vector<float>& draws, FigureState state)
{
    return testing_support::marksOf<T>(activity(), mode, draws, state, testing_support::FixedMeasure());
}

std::vector<std::string> textsOf(const std::vector<shell::TextMark>& marks)
{
    std::vector<std::string> texts;
    for (const shell::TextMark& mark : marks)
        texts.push_back(mark.text);
    return texts;
}

TEST(Data, TheTablesSolutionAddsProductsAndTotalsOutlinedInOrange)
{
    const std::vector<float> goals = counted(kGoals, {3, 7, 5, 3, 2, 0});
    EXPECT_TRUE(marksOf<shell::BoxMark>(kTable, goals, FigureState::Question).empty());
    const auto outlines = marksOf<shell::BoxMark>(kTable, goals, FigureState::Solution);
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[1].outline, shell::colour::orange);
    const std::vector<std::string> solved =
        textsOf(marksOf<shell::TextMark>(kTable, goals, FigureState::Solution));
    const std::vector<std::string> products{"0", "7", "10", "9", "8", "0"};
    for (std::size_t row = 0; row < products.size(); ++row)
        EXPECT_EQ(solved.at(2 + 3 * row + 2), products[row]);
    EXPECT_EQ(std::vector<std::string>(solved.end() - 4, solved.end()),
              (std::vector<std::string>{"Goals × frequency", "Total", "20", "34"}));
}

} // namespace

WORKED_EXAMPLES_TEST(Data, datahandling, kExamples)
