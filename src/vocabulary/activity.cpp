#include "vocabulary/activity.h"

#include "vocabulary/words.h"

#include <algorithm>
#include <array>
#include <deque>
#include <vector>

namespace vocabulary {
namespace {

constexpr int kMixed = 3;
constexpr std::size_t kHistory = 19; // targets not asked again until 19 others have been
constexpr int kRows = 4;
constexpr std::array<std::string_view, kRows> kLetters{"A", "B", "C", "D"};

constexpr std::array<shell::Mode, 4> kModes{{
    {"Number and data", "number"},
    {"Algebra", "algebra"},
    {"Shape and space", "shape"},
    {"Mixed", "mixed"},
}};

constexpr std::string_view kInstruction = "Which word matches this definition?";

// The definition wraps onto the two question lines.
constexpr shell::TwipRect kDefinitionPlace{240, 840, 9720, 1740};

// The option rows, in twips: a row's Top, its letter and term, the frame round the right one
// and the definition under a wrong one. Each text is centred down a band one em high from its
// Top. The frame reaches 80 lower and the definitions stand 30 lower than a frame of 560 and
// definitions 540 below the Top would, so that descenders cross neither.
constexpr double kFirstRowTop = 2640;
constexpr double kRowPitch = 1000;
constexpr double kLetterLeft = 480;
constexpr double kTermLeft = 1080;
constexpr double kTermWidth = 9000;
constexpr double kFrameLeft = 360;
constexpr double kFrameAbove = 30;
constexpr double kFrameWidth = 9720;
constexpr double kFrameHeight = 640;
constexpr double kDefinitionBelow = 570;
const shell::FontStyle kLetterFont{27.75, true};
const shell::FontStyle kTermFont{27.75};
const shell::FontStyle kWrongDefinitionFont{18};

constexpr std::string_view kStrandNames[] = {"number", "algebra", "shape"};

std::string row(int letter, const Word& word)
{
    return std::string(kLetters[static_cast<std::size_t>(letter)]) + "  " + std::string(word.term);
}

// The options in rows A to D, and the row of the right one.
struct Question {
    std::array<int, kRows> rows{}; // word indices
    int correct = 0;
};

double rowTop(int row)
{
    return kFirstRowTop + kRowPitch * row;
}

shell::Drawing optionRows(const Question& q, shell::FigureState state)
{
    shell::Drawing drawing;
    drawing.area = {kFrameLeft - 60, rowTop(0) - kFrameAbove - 60, kFrameWidth + 120, kRowPitch * kRows};
    const bool solved = state == shell::FigureState::Solution;
    if (solved) {
        drawing.add(shell::BoxMark{{kFrameLeft, rowTop(q.correct) - kFrameAbove, kFrameWidth, kFrameHeight},
                                   std::nullopt, shell::colour::orange, 3 * shell::kTwipsPerPixel});
    }
    for (int r = 0; r < kRows; ++r) {
        const Word& word = kWords[static_cast<std::size_t>(q.rows[static_cast<std::size_t>(r)])];
        const double top = rowTop(r);
        const double em = kTermFont.points * shell::kTwipsPerPoint;
        drawing.add(shell::TextMark{{kLetterLeft, top, kTermLeft - kLetterLeft, em},
                                    std::string(kLetters[static_cast<std::size_t>(r)]), kLetterFont,
                                    shell::colour::yellow, shell::Align::Left, std::nullopt, false});
        drawing.add(shell::TextMark{{kTermLeft, top, kTermWidth, em}, std::string(word.term), kTermFont,
                                    shell::colour::yellow, shell::Align::Left, std::nullopt, false});
        if (solved && r != q.correct) {
            drawing.add(shell::TextMark{{kFrameLeft, top + kDefinitionBelow, kFrameWidth,
                                         kWrongDefinitionFont.points * shell::kTwipsPerPoint},
                                        std::string(word.definition), kWrongDefinitionFont, shell::colour::white,
                                        shell::Align::Left, std::nullopt, false});
        }
    }
    return drawing;
}

// Remembers the last targets of one screen or one worksheet run, so none comes back too soon.
class WordMaker final : public shell::QuestionMaker {
public:
    shell::Exercise make(int mode, shell::RandomSource& draws) override
    {
        std::vector<int> pool;
        for (int i = 0; i < static_cast<int>(kWords.size()); ++i) {
            const Strand strand = kFamilies[static_cast<std::size_t>(kWords[static_cast<std::size_t>(i)].family)].strand;
            if ((mode == kMixed || static_cast<int>(strand) == mode) &&
                std::find(m_history.begin(), m_history.end(), i) == m_history.end())
                pool.push_back(i);
        }
        const int target = pool[static_cast<std::size_t>(shell::drawWhole(draws, static_cast<int>(pool.size()), 0))];
        const Word& word = kWords[static_cast<std::size_t>(target)];

        std::vector<int> allowed;
        for (int i = 0; i < static_cast<int>(kWords.size()); ++i) {
            const Word& other = kWords[static_cast<std::size_t>(i)];
            if (other.family == word.family && i != target &&
                std::find(word.excluded.begin(), word.excluded.end(), other.term) == word.excluded.end())
                allowed.push_back(i);
        }
        std::vector<int> wrong;
        while (wrong.size() < kRows - 1) {
            const int pick = allowed[static_cast<std::size_t>(shell::drawWhole(draws, static_cast<int>(allowed.size()), 0))];
            if (std::find(wrong.begin(), wrong.end(), pick) == wrong.end())
                wrong.push_back(pick);
        }

        Question q;
        q.correct = shell::drawWhole(draws, kRows, 0);
        for (int r = 0, next = 0; r < kRows; ++r)
            q.rows[static_cast<std::size_t>(r)] = r == q.correct ? target : wrong[static_cast<std::size_t>(next++)];

        m_history.push_back(target);
        if (m_history.size() > kHistory)
            m_history.pop_front();
        return exercise(q);
    }

private:
    static shell::Exercise exercise(const Question& q)
    {
        const Word& target = kWords[static_cast<std::size_t>(q.rows[static_cast<std::size_t>(q.correct)])];
        shell::Exercise e;
        e.instruction = kInstruction;
        shell::Line definition(std::string(target.definition));
        definition.place = kDefinitionPlace;
        definition.wrap = true;
        e.question = {std::move(definition)};
        shell::Json::Array options;
        for (int r = 0; r < kRows; ++r) {
            const Word& word = kWords[static_cast<std::size_t>(q.rows[static_cast<std::size_t>(r)])];
            e.described.push_back(row(r, word));
            options.emplace_back(word.term);
            if (r != q.correct)
                e.working.emplace_back(row(r, word) + ": " + std::string(word.definition));
        }
        e.answer = {row(q.correct, target)};
        // The definitions under the wrong options show the working on screen.
        e.layout.workingShown = false;
        e.figure = [q](shell::FigureState state, const shell::TextMeasure&) { return optionRows(q, state); };
        const Family& family = kFamilies[static_cast<std::size_t>(target.family)];
        shell::setStandardFields(e, shell::Json::object({
                                        {"kind", kStrandNames[static_cast<std::size_t>(family.strand)]},
                                        {"term", target.term},
                                        {"family", family.name},
                                        {"options", std::move(options)},
                                        {"correct", kLetters[static_cast<std::size_t>(q.correct)]},
                                    }));
        return e;
    }

    std::deque<int> m_history;
};

std::unique_ptr<shell::QuestionMaker> words()
{
    return std::make_unique<WordMaker>();
}

shell::SheetIntro sheetIntro(int)
{
    shell::SheetIntro intro;
    intro.instruction = kInstruction;
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "vocabulary",
    .sheet = "vocabulary",
    .caption = "Mathematical Vocabulary",
    .menu = 4,
    .position = 3,
    .modes = kModes,
    .jsonHelp = "instruction, question (the definition, then the options \"A  term\" to\n"
                "\"D  term\"), answer, solution (each wrong option with its definition),\n"
                "data: kind (the strand), term, family, options (A to D), correct (the letter)",
    .intro = sheetIntro,
    .questions = words,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace vocabulary
