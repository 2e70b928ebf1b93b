#include "invariants.h"

#include <algorithm>

namespace reliability {
namespace {

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Plain digits without a leading zero.
std::optional<long long> readDigits(std::string_view text)
{
    if (!allDigits(text) || text.size() > 15 || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    return std::stoll(std::string(text));
}

bool consume(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

} // namespace

Int power10(int n)
{
    return n <= 0 ? 1 : 10 * power10(n - 1);
}

std::optional<Exact> readDecimal(std::string_view text)
{
    const bool negative = consume(text, "-");
    const std::size_t point = text.find('.');
    const std::optional<long long> whole = readDigits(text.substr(0, point));
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (!whole || (point != std::string_view::npos && (!allDigits(fraction) || fraction.size() > 18)))
        return std::nullopt;
    const int scale = static_cast<int>(fraction.size());
    const Int units = *whole * power10(scale) + (fraction.empty() ? 0 : std::stoll(std::string(fraction)));
    if (negative && units == 0)
        return std::nullopt;
    return Exact{negative ? -units : units, scale};
}

std::optional<long long> readN(std::string_view text)
{
    const bool negative = consume(text, "\u2212");
    std::string digits;
    for (const std::string& group : split(text, ",")) {
        // Groups after the first have three digits, and only numbers from 10,000 up have groups.
        if (!digits.empty() && group.size() != 3)
            return std::nullopt;
        digits += group;
    }
    const std::optional<long long> value = readDigits(digits);
    if (!value || (text.find(',') != std::string_view::npos) != (*value >= 10000) ||
        (negative && *value == 0))
        return std::nullopt;
    return negative ? -*value : *value;
}

std::optional<long long> readPence(std::string_view text)
{
    if (text.ends_with('p')) {
        const std::optional<long long> pence = readDigits(text.substr(0, text.size() - 1));
        return pence && *pence >= 1 && *pence <= 99 ? pence : std::nullopt;
    }
    if (!consume(text, "£"))
        return std::nullopt;
    const std::size_t point = text.find('.');
    const std::optional<long long> pounds = readN(text.substr(0, point));
    // Pence after a point: two digits, not "00".
    const std::string_view pence = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (!pounds || *pounds < 1 ||
        (point != std::string_view::npos && (pence.size() != 2 || !allDigits(pence) || pence == "00")))
        return std::nullopt;
    return *pounds * 100 + (pence.empty() ? 0 : std::stoi(std::string(pence)));
}

std::vector<std::string> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        parts.emplace_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.emplace_back(text);
    return parts;
}

std::optional<std::vector<long long>> readNs(std::string_view text, std::string_view separator)
{
    std::vector<long long> values;
    for (const std::string& part : split(text, separator)) {
        const std::optional<long long> value = readN(part);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::string checkKind(const shell::Activity& activity, int mode, const shell::Exercise& exercise)
{
    const shell::Json data = shell::Json(exercise.fields)["data"];
    const std::string kind = data["kind"].isText() ? data["kind"].text() : std::string();
    const std::string_view name = activity.modes[static_cast<std::size_t>(mode)].sheetName;
    if (name != "mixed")
        return kind == name ? std::string() : "data.kind \"" + kind + "\" in mode " + std::string(name);
    const auto drawn = [&](const shell::Mode& other) {
        return other.sheetName != "mixed" && other.sheetName == kind;
    };
    return std::ranges::any_of(activity.modes, drawn) ? std::string()
                                                      : "Mixed drew the kind \"" + kind + "\"";
}

} // namespace reliability
