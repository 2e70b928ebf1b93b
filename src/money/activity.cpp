#include "money/activity.h"

#include "money/moneyquestions.h"

#include <array>

namespace money {
namespace {

constexpr std::array<shell::Mode, 4> kModes{{
    {"Change", "change"},
    {"Best buy", "best-buy"},
    {"Exchange rates", "exchange"},
    {"Mixed", "mixed"},
}};
constexpr int kMixed = 3;

shell::Exercise exercise(int mode, shell::RandomSource& draws)
{
    const int kind = shell::kindOfMode(mode, kMixed, draws);
    return makeQuestion(static_cast<Kind>(kind), draws);
}

constexpr std::array<shell::Activity, 1> kActivities{{{
    .screen = "money",
    .sheet = "money",
    .caption = "Money",
    .menu = 3,
    .position = 1,
    .modes = kModes,
    .jsonHelp = "instruction, question, answer, solution (working lines),\n"
                "data {kind; change: shop, items [{item, quantity, price}],\n"
                "note; best-buy: product, measure, base, size_a, price_a,\n"
                "size_b, price_b; exchange: currency, symbol, rate\n"
                "(hundredths per £1), pounds, direction}; money in pence",
    .questions = shell::freshQuestions<exercise>,
}}};

} // namespace

std::span<const shell::Activity> activities()
{
    return kActivities;
}

} // namespace money
