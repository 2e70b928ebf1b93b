// The Money invariants for the volume run: the total under £20 and a note above it, the
// larger pack never the cheaper, the classroom rates, and the answer's sums of money.
#include "invariants.h"

namespace money::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text(), &answer = e.answer[0];
    // "£12.50", "65p", "€80.50", "$12", "¥1,900" in hundredths of their currency.
    const auto hundredths = [](std::string text) {
        for (const char* symbol : {"\u20ac", "$", "\u00a5"}) {
            if (text.starts_with(symbol))
                text = "\u00a3" + text.substr(std::string_view(symbol).size());
        }
        return reliability::readPence(text).value_or(-1);
    };
    if (kind == "change") {
        long long total = 0;
        for (const shell::Json& item : data["items"].elements())
            total += item["quantity"].whole() * item["price"].whole();
        const long long note = data["note"].whole();
        const std::vector<std::string> parts = reliability::split(answer, ", change ");
        return total < 2000 && total < note && parts.size() == 2 &&
                       hundredths(parts[0].substr(parts[0].find(' ') + 1)) == total &&
                       hundredths(parts[1]) == note - total
                   ? ""
                   : "the total is £20 or more, the note not above it, or the answer is wrong";
    }
    if (kind == "best-buy") {
        const long long sizeA = data["size_a"].whole(), sizeB = data["size_b"].whole();
        const long long perA = data["price_a"].whole() * data["base"].whole() / sizeA,
                        perB = data["price_b"].whole() * data["base"].whole() / sizeB;
        return sizeA != sizeB && (sizeA > sizeB) == (data["price_a"].whole() > data["price_b"].whole()) &&
                       perA != perB &&
                       answer == std::string("Pack ") + (perA < perB ? "A" : "B") + " is the better buy"
                   ? ""
                   : "the larger pack is the cheaper, or the answer is not the better buy";
    }
    const long long rate = data["rate"].whole(), pounds = data["pounds"].whole();
    const std::vector<std::string> sides = reliability::split(answer, " = ");
    const bool toCurrency = data["direction"].text() == "to-currency";
    return pounds >= 10 && pounds <= 200 && pounds % 10 == 0 &&
                   (data["symbol"].text() == "\u00a5" ? rate >= 18000 && rate <= 20000
                                                      : rate >= 100 && rate <= 200) &&
                   sides.size() == 2 && hundredths(sides[toCurrency ? 0 : 1]) == 100 * pounds &&
                   hundredths(sides[toCurrency ? 1 : 0]) == pounds * rate
               ? ""
               : "the pounds or the rate are out of range, or the answer is not the pounds at the rate";
}

} // namespace money::checks
