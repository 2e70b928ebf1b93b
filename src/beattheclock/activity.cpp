#include "beattheclock/activity.h"

#include "beattheclock/rounds.h"
#include "shell/core/numberforms.h"

#include <array>

namespace beattheclock {
namespace {

constexpr std::array<shell::Mode, 4> kModes{{
    {"Times tables", "tables"},
    {"Four operations", "four-operations"},
    {"Squares and roots", "squares-roots"},
    {"Mixed", "mixed"},
}};

constexpr std::string_view kInstruction = "Answer each question as fast as you can.";

// Hands out the items of one round after another, numbering the rounds from 1.
class RoundMaker final : public shell::QuestionMaker {
public:
    shell::Exercise make(int mode, shell::RandomSource& draws) override
    {
        if (m_round.size() == kRoundLength)
            m_round.clear();
        if (m_round.empty())
            ++m_rounds;
        const Item item = drawItem(mode, m_round, draws);
        m_round.push_back(item);

        shell::Exercise e;
        e.instruction = kInstruction;
        e.question = {item.text()};
        e.answer = {shell::forms::N(item.answer())};
        const bool twoNumbers = item.b != 0;
        shell::setStandardFields(e, shell::Json::object({
                                        {"kind", item.kind()},
                                        {"a", item.a},
                                        {"b", twoNumbers ? shell::Json(item.b) : shell::Json()},
                                        {"round", m_rounds},
                                        {"position", static_cast<int>(m_round.size())},
                                    }));
        return e;
    }

private:
    std::vector<Item> m_round;
    int m_rounds = 0;
};

std::unique_ptr<shell::QuestionMaker> rounds()
{
    return std::make_unique<RoundMaker>();
}

shell::SheetIntro sheetIntro(int)
{
    shell::SheetIntro intro;
    intro.instruction = kInstruction;
    return intro;
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "beattheclock",
    .sheet = "beat-the-clock",
    .caption = "Beat the Clock",
    .menu = 4,
    .position = 1,
    .modes = kModes,
    .jsonHelp = "instruction, question (the item), answer, solution (empty),\n"
                "data: kind (multiply, divide, add, subtract, square, root, cube), a, b\n"
                "(null for square, root and cube), round (from 1), position (1-10);\n"
                "--count N makes rounds of ten, the last maybe short",
    .intro = sheetIntro,
    .questions = rounds,
    .shortQuestions = true,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace beattheclock
