// Vocabulary questions from scripted draws (the worked examples, a redrawn wrong option, a term
// whose family excludes all but three), the screen's memory of recent targets and the word
// list's own rules.
#include "vocabulary/activity.h"
#include "vocabulary/words.h"
#include "workedexample.h"

#include <algorithm>
#include <regex>
#include <set>

namespace {

using testing_support::drawFor, testing_support::WorkedExample;

enum Mode { Number, Algebra, Shape, Mixed };

const std::string kWhich = "Which word matches this definition?";

// clang-format off
const WorkedExample kExamples[] = {
    {"trapezium", Shape, {drawFor(11, 1, 49), drawFor(5, 1, 6), drawFor(6, 1, 6), drawFor(2, 1, 6), drawFor(2, 1, 4)},
     kWhich,
     {"A quadrilateral with exactly one pair of parallel sides", "A  kite", "B  trapezium", "C  arrowhead",
     "D  rectangle"},
     {"B  trapezium"}, {"A  kite: A quadrilateral with two pairs of equal adjacent sides",
     "C  arrowhead: A concave quadrilateral with two pairs of equal sides",
     "D  rectangle: A quadrilateral with four right angles"},
     R"({"kind":"shape","term":"trapezium","family":"quadrilaterals","options":["kite","trapezium","arrowhead","rectangle"],"correct":"B"})"},
    {"median, after a wrong option drawn twice", Number, {drawFor(35, 1, 44), drawFor(1, 1, 5), drawFor(3, 1, 5),
     drawFor(1, 1, 5), drawFor(4, 1, 5), drawFor(4, 1, 4)}, kWhich,
     {"The middle value when the values are put in order", "A  mean", "B  range", "C  outlier", "D  median"},
     {"D  median"}, {"A  mean: The total of all values divided by how many there are",
     "B  range: The largest value minus the smallest value",
     "C  outlier: A value far above or far below the rest of the data"},
     R"({"kind":"number","term":"median","family":"averages and spread","options":["mean","range","outlier","median"],"correct":"D"})"},
    {"coefficient", Algebra, {drawFor(6, 1, 31), drawFor(4, 1, 6), drawFor(5, 1, 6), drawFor(1, 1, 6), drawFor(3, 1,
     4)}, kWhich,
     {"The number multiplying a letter, such as 3 in 3x", "A  identity", "B  term", "C  coefficient", "D  expression"},
     {"C  coefficient"}, {"A  identity: A statement true for every value of the letters",
     "B  term: One part of an expression, such as 5x in 5x + 3",
     "D  expression: Terms combined with no equals sign, such as 3x + 2"},
     R"({"kind":"algebra","term":"coefficient","family":"algebra words","options":["identity","term","coefficient","expression"],"correct":"C"})"},
    {"kite, whose family leaves three wrong options", Mixed, {drawFor(85, 1, 124), drawFor(3, 1, 3), drawFor(2, 1, 3),
     drawFor(1, 1, 3), 0}, kWhich,
     {"A quadrilateral with two pairs of equal adjacent sides", "A  kite", "B  trapezium", "C  parallelogram",
     "D  rectangle"},
     {"A  kite"}, {"B  trapezium: A quadrilateral with exactly one pair of parallel sides",
     "C  parallelogram: A quadrilateral with two pairs of parallel sides",
     "D  rectangle: A quadrilateral with four right angles"},
     R"({"kind":"shape","term":"kite","family":"quadrilaterals","options":["kite","trapezium","parallelogram","rectangle"],"correct":"A"})"},
};
// clang-format on

// One maker, as one screen keeps it: no target comes back within 20 questions.
TEST(VocabularyQuestions, RecentTargetsWait)
{
    shell::ClockRandom draws(124);
    const auto maker = vocabulary::activities()[0].questions();
    std::vector<std::string> targets;
    for (int i = 0; i < 4000; ++i) {
        const std::string term = maker->make(i % 4, draws).fields.back().second["term"].text();
        const auto recent = targets.end() - std::min<std::ptrdiff_t>(19, std::ssize(targets));
        EXPECT_EQ(std::find(recent, targets.end(), term), targets.end()) << term << " again at " << i;
        targets.push_back(term);
    }
}

TEST(VocabularyWords, TheListKeepsItsRules)
{
    using vocabulary::kFamilies;
    using vocabulary::kWords;
    std::set<std::string_view> terms;
    std::set<std::string_view> definitions;
    int lastFamily = 0;
    for (const vocabulary::Word& word : kWords) {
        SCOPED_TRACE(std::string(word.term));
        EXPECT_TRUE(terms.insert(word.term).second) << "a term twice";
        EXPECT_TRUE(definitions.insert(word.definition).second) << "a definition twice";
        const std::regex own("\\b" + std::string(word.term) + "\\b", std::regex::icase);
        EXPECT_FALSE(std::regex_search(std::string(word.definition), own)) << "the definition names its term";
        EXPECT_LE(std::count_if(word.definition.begin(), word.definition.end(),
                                [](char c) { return (c & 0xc0) != 0x80; }),
                  60);
        // Each family's terms stand together, so a family belongs to one strand.
        EXPECT_TRUE(word.family == lastFamily || word.family == lastFamily + 1);
        lastFamily = word.family;

        int allowed = 0;
        for (const vocabulary::Word& other : kWords) {
            const bool excluded =
                std::find(word.excluded.begin(), word.excluded.end(), other.term) != word.excluded.end();
            allowed += other.family == word.family && other.term != word.term && !excluded;
        }
        EXPECT_GE(allowed, 3);
        for (const std::string_view excluded : word.excluded) {
            const auto found = std::find_if(kWords.begin(), kWords.end(),
                                            [&](const vocabulary::Word& w) { return w.term == excluded; });
            EXPECT_TRUE(excluded.empty() || (found != kWords.end() && found->family == word.family))
                << excluded;
        }
    }
    EXPECT_EQ(lastFamily + 1, static_cast<int>(kFamilies.size()));
}

} // namespace

WORKED_EXAMPLES_TEST(VocabularyQuestions, vocabulary, kExamples)
