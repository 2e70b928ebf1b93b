// The Money activity's invariants for the volume run: every amount read back from its text in
// pence (or hundredths of a currency) in the one form the class should see, every sum, product
// and quotient of the working worked again, and the better buy the lower cost of the same amount.
#include "invariants.h"

#include <algorithm>
#include <array>
#include <optional>
#include <regex>
#include <set>

namespace money::checks {
namespace {

using reliability::readPence;
using reliability::split;

std::string notTrue(const std::string& line)
{
    return "\"" + line + "\" is not true";
}

std::string change(const shell::Exercise& e, const shell::Json& data)
{
    const shell::Json::Array& items = data["items"].elements();
    const long long note = data["note"].whole();
    if (items.size() < 2 || items.size() > 3 || e.question.size() != items.size() ||
        e.working.size() != items.size() + 2)
        return "not two or three kinds of item, each with its line and its working";
    const std::string noteText = e.instruction.substr(35, e.instruction.size() - 36);
    if (note != 500 && note != 1000 && note != 2000)
        return "the note is not £5, £10 or £20";
    if (e.instruction != "Find the total and the change from " + noteText + "." ||
        readPence(noteText) != note)
        return "the instruction does not name the note";
    static const std::regex kItem("([1-4]) (.+) at (\\S+)");
    static const std::regex kCost("([1-4]) × (\\S+) = (\\S+)");
    std::set<std::string> names;
    long long total = 0;
    std::vector<std::string> costs;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const shell::Json& item = items[i];
        const long long quantity = item["quantity"].whole();
        const long long price = item["price"].whole();
        const std::string& name = item["item"].text();
        std::smatch line;
        std::smatch cost;
        const std::string& text = e.question[i].text;
        const std::string& working = e.working[i].text;
        if (!std::regex_match(text, line, kItem) || std::stoll(line[1]) != quantity || line[2] != name ||
            readPence(line[3].str()) != price)
            return "\"" + text + "\" is not the data's item";
        if (name.ends_with('s') != (quantity > 1))
            return "\"" + text + "\": singular and plural";
        if (price % 10 != 0 && price % 10 != 5 && price % 10 != 9)
            return "a price not ending in 0, 5 or 9";
        if (!std::regex_match(working, cost, kCost) || cost[1] != line[1] || cost[2] != line[3] ||
            readPence(cost[3].str()) != quantity * price)
            return notTrue(working);
        names.insert(name);
        costs.push_back(cost[3]);
        total += quantity * price;
    }
    if (names.size() != items.size())
        return "the same item twice";
    if (total <= 0 || total >= note)
        return "the total is not below the note";
    std::string sum;
    for (const std::string& cost : costs)
        sum += (sum.empty() ? "" : " + ") + cost;
    const std::string& totalLine = e.working[items.size()].text;
    const std::string& changeLine = e.working[items.size() + 1].text;
    const std::vector<std::string> totalParts = split(totalLine, " = ");
    if (totalParts.size() != 2 || totalParts[0] != "Total: " + sum || readPence(totalParts[1]) != total)
        return notTrue(totalLine);
    const std::vector<std::string> changeParts = split(changeLine, " = ");
    if (changeParts.size() != 2 || changeParts[0] != "Change: " + noteText + " − " + totalParts[1] ||
        readPence(changeParts[1]) != note - total)
        return notTrue(changeLine);
    if (e.answer.size() != 1 || e.answer[0] != "Total " + totalParts[1] + ", change " + changeParts[1])
        return "the answer is not the working's total and change";
    return {};
}

std::string bestBuy(const shell::Exercise& e, const shell::Json& data)
{
    const std::string& product = data["product"].text();
    const std::string& measure = data["measure"].text();
    const long long base = data["base"].whole();
    const std::array<long long, 2> sizes{data["size_a"].whole(), data["size_b"].whole()};
    const std::array<long long, 2> prices{data["price_a"].whole(), data["price_b"].whole()};
    if (base != (measure.empty() ? 1 : 100) || sizes[0] == sizes[1] || sizes[0] % base != 0 ||
        sizes[1] % base != 0)
        return "the sizes are not different multiples of the base";
    const std::array<long long, 2> packs{sizes[0] / base, sizes[1] / base};
    if (prices[0] % packs[0] != 0 || prices[1] % packs[1] != 0)
        return "a unit cost is not whole pence";
    const std::array<long long, 2> costs{prices[0] / packs[0], prices[1] / packs[1]};
    const long long apart = std::abs(costs[0] - costs[1]);
    if (apart < 1 || apart > 5)
        return "the unit costs are not 1p to 5p apart";
    if ((sizes[0] > sizes[1]) != (prices[0] > prices[1]) || prices[0] == prices[1])
        return "the larger pack is not the dearer";
    if (e.instruction != product + ": which is the better buy?")
        return "the instruction does not name the product";
    static const std::regex kPack("([AB]): ([0-9]+) (\\S+) for (\\S+)");
    static const std::regex kCost("([AB]): (\\S+) ÷ ([0-9]+) = (\\S+)");
    if (e.question.size() != 2 || e.working.size() != 4 || e.answer.size() != 2)
        return "not two packs, four working lines and two answer lines";
    std::string unitName;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string letter = i == 0 ? "A" : "B";
        std::smatch pack;
        std::smatch cost;
        if (!std::regex_match(e.question[i].text, pack, kPack) || pack[1] != letter ||
            std::stoll(pack[2]) != sizes[i] || readPence(pack[4].str()) != prices[i])
            return "\"" + e.question[i].text + "\" is not the data's pack";
        unitName = pack[3];
        if (!std::regex_match(e.working[i + 1].text, cost, kCost) || cost[1] != letter ||
            cost[2] != pack[4] || std::stoll(cost[3]) != packs[i] || readPence(cost[4].str()) != costs[i])
            return notTrue(e.working[i + 1].text);
    }
    if (!measure.empty() && unitName != measure)
        return "the sizes are not in " + measure;
    const std::string unit =
        measure.empty() ? "1 " + unitName.substr(0, unitName.size() - 1) : "100 " + measure;
    const std::string per = measure.empty() ? unitName.substr(0, unitName.size() - 1) : unit;
    const bool aWins = costs[0] < costs[1];
    const std::string lower = split(e.working[aWins ? 1 : 2].text, " = ").back();
    const std::string higher = split(e.working[aWins ? 2 : 1].text, " = ").back();
    const std::string winner = aWins ? "A" : "B";
    if (e.working[0].text != "Cost of " + unit + " in each pack:" ||
        e.working[3].text != lower + " is less than " + higher + ", so " + winner)
        return "the working does not compare the same amount";
    if (e.answer[0] != "Pack " + winner + " is the better buy" ||
        e.answer[1] != lower + " per " + per + " against " + higher)
        return "the answer does not name the lower cost";
    return {};
}

// "80.50", "52", "11,400": hundredths; yen are always whole.
std::optional<long long> readForeign(std::string_view text, bool yen)
{
    const std::size_t point = text.find('.');
    const std::optional<long long> whole = reliability::readN(text.substr(0, point));
    if (!whole)
        return std::nullopt;
    if (point == std::string_view::npos)
        return *whole * 100;
    const std::string_view cents = text.substr(point + 1);
    if (yen || cents.size() != 2 || cents == "00" ||
        cents.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return *whole * 100 + std::stoll(std::string(cents));
}

std::string exchange(const shell::Exercise& e, const shell::Json& data)
{
    struct Currency {
        std::string_view name;
        std::string_view symbol;
        std::vector<long long> rates;
    };
    static const std::array<Currency, 3> kCurrencies{
        {{"euros", "€", {110, 115, 120}},
         {"US dollars", "$", {120, 125, 130, 135}},
         {"Japanese yen", "¥", {18000, 18500, 19000, 19500, 20000}}}};
    const std::string& name = data["currency"].text();
    const std::string& symbol = data["symbol"].text();
    const long long rate = data["rate"].whole();
    const long long pounds = data["pounds"].whole();
    const bool toCurrency = data["direction"].text() == "to-currency";
    const auto currency = std::find_if(kCurrencies.begin(), kCurrencies.end(), [&](const Currency& c) {
        return c.name == name && c.symbol == symbol;
    });
    if (currency == kCurrencies.end() ||
        std::count(currency->rates.begin(), currency->rates.end(), rate) != 1)
        return "not a classroom currency and rate";
    if (pounds % 10 != 0 || pounds < 10 || pounds > 200)
        return "the pounds are out of range";
    const bool yen = symbol == "¥";
    const long long foreign = pounds * rate;
    if (yen && foreign % 100 != 0)
        return "not whole yen";
    if (e.instruction !=
        (toCurrency ? "Change pounds into " + name + "." : "Change " + name + " into pounds."))
        return "the instruction";
    const std::string rateText = e.question[0].text.substr(6 + symbol.size());
    static const std::regex kRate("[0-9]+\\.[0-9][0-9]");
    if (e.question[0].text != "£1 = " + symbol + rateText || readForeign(rateText, false) != rate ||
        yen != std::regex_match(rateText, std::regex("[0-9]+")) ||
        (!yen && !std::regex_match(rateText, kRate)))
        return "\"" + e.question[0].text + "\" is not the rate";
    const std::string poundText = "£" + std::to_string(pounds);
    const std::string digits =
        e.working[1].text.substr(toCurrency ? e.working[1].text.rfind(" = ") + 3 : 0,
                                 toCurrency ? std::string::npos : e.working[1].text.find(" ÷ "));
    const std::string foreignText = symbol + digits;
    if (readForeign(digits, yen) != foreign)
        return "the working's " + digits + " is not £" + std::to_string(pounds) + " at the rate";
    const std::vector<std::string> expected =
        toCurrency ? std::vector<std::string>{"Multiply by the rate:",
                                              std::to_string(pounds) + " × " + rateText + " = " + digits,
                                              poundText + " = " + foreignText}
                   : std::vector<std::string>{
                         "Divide by the rate:", digits + " ÷ " + rateText + " = " + std::to_string(pounds),
                         foreignText + " = " + poundText};
    std::vector<std::string> working;
    for (const shell::Line& line : e.working)
        working.push_back(line.text);
    if (working != expected)
        return "the working does not change " + (toCurrency ? poundText : foreignText) + " at the rate";
    if (e.question.size() != 2 || e.question[1].text != "Change " + (toCurrency ? poundText : foreignText))
        return "\"" + e.question[1].text + "\" is not the amount to change";
    if (e.answer != std::vector<std::string>{working.back()})
        return "the answer is not the working's last line";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    if (e.question.size() > 3 || e.working.size() > 5)
        return "more than three question lines or five working lines";
    const std::string kind = data["kind"].text();
    return kind == "change" ? change(e, data) : kind == "best-buy" ? bestBuy(e, data) : exchange(e, data);
}

} // namespace money::checks
