#include "money/moneyquestions.h"

#include "shell/core/numberforms.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace money {
namespace {

namespace forms = shell::forms;
using forms::M;
using forms::N;

const std::string kTimes(forms::kTimes);
const std::string kDivide(forms::kDivide);
const std::string kMinus(forms::kMinus);

// An item on sale and the range of its price in tens of pence.
struct Item {
    std::string_view one;
    std::string_view many;
    int low;
    int high;
};

struct Shop {
    std::string_view name;
    std::array<Item, 5> items;
};

constexpr std::array<Shop, 2> kShops{{
    {"stationery",
     {{{"pencil", "pencils", 2, 6},
       {"pen", "pens", 3, 9},
       {"ruler", "rulers", 4, 12},
       {"notebook", "notebooks", 10, 25},
       {"glue stick", "glue sticks", 6, 15}}}},
    {"café",
     {{{"apple", "apples", 2, 6},
       {"banana", "bananas", 2, 5},
       {"drink", "drinks", 6, 15},
       {"sandwich", "sandwiches", 15, 35},
       {"muffin", "muffins", 8, 20}}}},
}};
// Pence off a round price: £1.50, £1.49, £1.45.
constexpr std::array<int, 3> kPenceOff{0, 1, 5};
constexpr std::array<int, 3> kNotes{500, 1000, 2000};

struct Bought {
    const Item* item;
    int quantity;
    int price;
};

void change(shell::Exercise& e, shell::RandomSource& draws)
{
    const Shop* shop = nullptr;
    std::vector<Bought> bought;
    int total = 0;
    do {
        shop = &shell::drawFrom(draws, kShops);
        const int kinds = shell::drawWhole(draws, 2, 2);
        std::vector<int> indexes;
        for (int i = 0; i < kinds; ++i) {
            int index = 0;
            do
                index = shell::drawWhole(draws, 5, 0);
            while (std::find(indexes.begin(), indexes.end(), index) != indexes.end());
            indexes.push_back(index);
        }
        bought.clear();
        total = 0;
        for (const int index : indexes) {
            const Item& item = shop->items[static_cast<std::size_t>(index)];
            const int quantity = shell::drawWhole(draws, 4, 1);
            const int tens = shell::drawWhole(draws, item.high - item.low + 1, item.low);
            const int price = 10 * tens - shell::drawFrom(draws, kPenceOff);
            bought.push_back({&item, quantity, price});
            total += quantity * price;
        }
    } while (total >= 2000);
    std::vector<int> notes;
    std::copy_if(kNotes.begin(), kNotes.end(), std::back_inserter(notes),
                 [total](int note) { return note > total; });
    const int note = shell::drawFrom(draws, notes);

    e.instruction = "Find the total and the change from " + M(note) + ".";
    std::string sum;
    shell::Json::Array items;
    for (const Bought& b : bought) {
        const std::string_view name = b.quantity == 1 ? b.item->one : b.item->many;
        e.question.push_back(std::to_string(b.quantity) + " " + std::string(name) + " at " + M(b.price));
        e.working.push_back(std::to_string(b.quantity) + " " + kTimes + " " + M(b.price) + " = " +
                            M(b.quantity * b.price));
        sum += (sum.empty() ? "" : " + ") + M(b.quantity * b.price);
        items.push_back(shell::Json::object({{"item", name}, {"quantity", b.quantity}, {"price", b.price}}));
    }
    e.working.push_back("Total: " + sum + " = " + M(total));
    e.working.push_back("Change: " + M(note) + " " + kMinus + " " + M(total) + " = " + M(note - total));
    e.answer = {"Total " + M(total) + ", change " + M(note - total)};
    if (e.question.size() == 3)
        e.layout.working = shell::kPanelBelowThreeLines;
    shell::setStandardFields(
        e, shell::Json::object(
               {{"kind", "change"}, {"shop", shop->name}, {"items", std::move(items)}, {"note", note}}));
}

// A product in packs of several sizes, compared by the cost of `base` of its measure (one item
// where it has no measure), which lies from `low` to `high` pence.
struct Product {
    std::string_view name;
    std::string_view one;
    std::string_view many;
    std::string_view measure;
    int base;
    std::span<const int> sizes;
    int low;
    int high;
};

constexpr std::array<int, 5> kEggs{6, 10, 12, 15, 18};
constexpr std::array<int, 4> kYoghurts{4, 6, 8, 12};
constexpr std::array<int, 4> kPencils{5, 10, 12, 20};
constexpr std::array<int, 6> kCereal{300, 400, 500, 600, 800, 1000};
constexpr std::array<int, 5> kJuice{300, 500, 1000, 1500, 2000};
constexpr std::array<int, 4> kRice{500, 1000, 1500, 2000};

constexpr std::array<Product, 6> kProducts{{
    {"Eggs", "egg", "eggs", "", 1, kEggs, 15, 40},
    {"Yoghurts", "yoghurt", "yoghurts", "", 1, kYoghurts, 20, 60},
    {"Pencils", "pencil", "pencils", "", 1, kPencils, 8, 30},
    {"Cereal", "", "", "g", 100, kCereal, 15, 60},
    {"Orange juice", "", "", "ml", 100, kJuice, 5, 25},
    {"Rice", "", "", "g", 100, kRice, 8, 30},
}};

// "12 eggs", "500 g".
std::string sizeText(const Product& product, int size)
{
    return N(size) + " " + std::string(product.measure.empty() ? product.many : product.measure);
}

// What the unit costs are the cost of: "1 egg", "100 g"; after "per": "egg", "100 g".
std::string unitText(const Product& product)
{
    return product.measure.empty() ? "1 " + std::string(product.one) : "100 " + std::string(product.measure);
}

std::string perText(const Product& product)
{
    return product.measure.empty() ? std::string(product.one) : unitText(product);
}

void bestBuy(shell::Exercise& e, shell::RandomSource& draws)
{
    const Product& product = shell::drawFrom(draws, kProducts);
    const int sizeCount = static_cast<int>(product.sizes.size());
    int sizeA = 0;
    int sizeB = 0;
    int costA = 0;
    int costB = 0;
    const auto acceptable = [&] {
        if (costB < product.low || costB > product.high)
            return false;
        const int priceA = sizeA / product.base * costA;
        const int priceB = sizeB / product.base * costB;
        // Never bigger and cheaper: the larger pack is the dearer one.
        return sizeA > sizeB ? priceA > priceB : priceB > priceA;
    };
    do {
        const int i = shell::drawWhole(draws, sizeCount, 0);
        int j = 0;
        do
            j = shell::drawWhole(draws, sizeCount, 0);
        while (j == i);
        sizeA = product.sizes[static_cast<std::size_t>(i)];
        sizeB = product.sizes[static_cast<std::size_t>(j)];
        costA = shell::drawWhole(draws, product.high - product.low + 1, product.low);
        const int step = shell::drawWhole(draws, 5, 1);
        costB = shell::drawWhole(draws, 2, 0) == 0 ? costA + step : costA - step;
    } while (!acceptable());
    const int packsA = sizeA / product.base;
    const int packsB = sizeB / product.base;
    const int priceA = packsA * costA;
    const int priceB = packsB * costB;
    const bool aWins = costA < costB;
    const std::string lower = M(std::min(costA, costB));
    const std::string higher = M(std::max(costA, costB));
    const std::string winner = aWins ? "A" : "B";

    e.instruction = std::string(product.name) + ": which is the better buy?";
    e.question = {"A: " + sizeText(product, sizeA) + " for " + M(priceA),
                  "B: " + sizeText(product, sizeB) + " for " + M(priceB)};
    e.working = {"Cost of " + unitText(product) + " in each pack:",
                 "A: " + M(priceA) + " " + kDivide + " " + N(packsA) + " = " + M(costA),
                 "B: " + M(priceB) + " " + kDivide + " " + N(packsB) + " = " + M(costB),
                 lower + " is less than " + higher + ", so " + winner};
    e.answer = {"Pack " + winner + " is the better buy",
                lower + " per " + perText(product) + " against " + higher};
    shell::setStandardFields(e, shell::Json::object({{"kind", "best-buy"},
                                                     {"product", product.name},
                                                     {"measure", product.measure},
                                                     {"base", product.base},
                                                     {"size_a", sizeA},
                                                     {"price_a", priceA},
                                                     {"size_b", sizeB},
                                                     {"price_b", priceB}}));
}

// A currency and its classroom rates, in hundredths of the currency per £1.
struct Currency {
    std::string_view name;
    std::string_view symbol;
    std::span<const int> rates;
};

constexpr std::string_view kYen = "¥";
constexpr std::array<int, 3> kEuroRates{110, 115, 120};
constexpr std::array<int, 4> kDollarRates{120, 125, 130, 135};
constexpr std::array<int, 5> kYenRates{18000, 18500, 19000, 19500, 20000};
constexpr std::array<Currency, 3> kCurrencies{{
    {"euros", "€", kEuroRates},
    {"US dollars", "$", kDollarRates},
    {"Japanese yen", kYen, kYenRates},
}};

void exchange(shell::Exercise& e, shell::RandomSource& draws)
{
    const Currency& currency = shell::drawFrom(draws, kCurrencies);
    const int rate = shell::drawFrom(draws, currency.rates);
    const int pounds = 10 * shell::drawWhole(draws, 20, 1);
    const bool toCurrency = shell::drawWhole(draws, 2, 0) == 0;
    const long long foreign = static_cast<long long>(pounds) * rate;
    // The rate keeps its two decimals; yen have none.
    const std::string rateText = currency.symbol == kYen ? N(rate / 100) : forms::R(rate / 100.0, 2);
    const std::string poundText = "£" + N(pounds);
    const std::string foreignText = forms::C(currency.symbol, foreign);
    const std::string digits = forms::moneyDigits(currency.symbol, foreign);

    e.instruction = toCurrency ? "Change pounds into " + std::string(currency.name) + "."
                               : "Change " + std::string(currency.name) + " into pounds.";
    e.question = {"£1 = " + std::string(currency.symbol) + rateText,
                  "Change " + (toCurrency ? poundText : foreignText)};
    if (toCurrency) {
        e.working = {"Multiply by the rate:", N(pounds) + " " + kTimes + " " + rateText + " = " + digits,
                     poundText + " = " + foreignText};
    } else {
        e.working = {"Divide by the rate:", digits + " " + kDivide + " " + rateText + " = " + N(pounds),
                     foreignText + " = " + poundText};
    }
    e.answer = {e.working.back().text};
    shell::setStandardFields(e,
                             shell::Json::object({{"kind", "exchange"},
                                                  {"currency", currency.name},
                                                  {"symbol", currency.symbol},
                                                  {"rate", rate},
                                                  {"pounds", pounds},
                                                  {"direction", toCurrency ? "to-currency" : "to-pounds"}}));
}

} // namespace

shell::Exercise makeQuestion(Kind kind, shell::RandomSource& draws)
{
    shell::Exercise e;
    if (kind == Kind::Change)
        change(e, draws);
    else if (kind == Kind::BestBuy)
        bestBuy(e, draws);
    else
        exchange(e, draws);
    return e;
}

} // namespace money
