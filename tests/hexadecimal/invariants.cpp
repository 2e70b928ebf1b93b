// What every hexadecimal question must satisfy, read back from its texts and data alone: each
// number carries its base and reads as the question's own, the answer is the sum, difference or
// conversion, and every equation of the working is true with the letters A-F read as 10-15.
#include "shell/core/activity.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hexadecimal::checks {
namespace {

constexpr std::string_view kBase16 = "\u2081\u2086";
constexpr std::string_view kBase10 = "\u2081\u2080";
constexpr std::string_view kMinus = "\u2212";
constexpr std::string_view kTimes = "\u00d7";

struct Number {
    int value = 0;
    int base = 0;
};

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Every number of a line, each of which must end in its base's subscript; a problem otherwise.
std::optional<std::vector<Number>> numbersOf(std::string_view text, std::string& problem)
{
    std::vector<Number> numbers;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!std::isalnum(static_cast<unsigned char>(text[at]))) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end])))
            ++end;
        const std::string_view digits = text.substr(at, end - at);
        const std::string_view rest = text.substr(end);
        const int base = rest.starts_with(kBase16) ? 16 : rest.starts_with(kBase10) ? 10 : 0;
        if (base == 0 || (digits.size() > 1 && digits[0] == '0')) {
            problem = "\"" + std::string(digits) + "\" has no base or a leading zero";
            return std::nullopt;
        }
        int value = 0;
        for (const char c : digits) {
            const int digit = digitValue(c);
            if (digit < 0 || digit >= base) {
                problem = "\"" + std::string(digits) + "\" is not a base " + std::to_string(base) + " number";
                return std::nullopt;
            }
            value = value * base + digit;
        }
        numbers.push_back({value, base});
        at = end;
    }
    return numbers;
}

// A sum of products of numbers and single letters A-F, or nothing when the text is not one.
std::optional<long> evaluate(std::string_view text)
{
    long sum = 0;
    long product = 1;
    int sign = 1;
    bool expectNumber = true;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t blank = std::min(text.find(' ', at), text.size());
        const std::string_view token = text.substr(at, blank - at);
        at = blank + 1;
        if (expectNumber) {
            long value = 0;
            if (token.size() == 1 && token[0] >= 'A' && token[0] <= 'F') {
                value = token[0] - 'A' + 10;
            } else if (!token.empty() && token.find_first_not_of("0123456789") == std::string_view::npos) {
                value = std::stol(std::string(token));
            } else {
                return std::nullopt;
            }
            product *= value;
            expectNumber = false;
        } else if (token == kTimes) {
            expectNumber = true;
        } else if (token == "+" || token == kMinus) {
            sum += sign * product;
            product = 1;
            sign = token == "+" ? 1 : -1;
            expectNumber = true;
        } else {
            return std::nullopt;
        }
    }
    return expectNumber ? std::nullopt : std::optional<long>(sum + sign * product);
}

// The sides of "x = y = z" all equal; "p ÷ q = d remainder r" a true division.
std::string checkEquation(std::string_view clause)
{
    std::vector<std::string_view> sides;
    for (std::size_t at = 0;;) {
        const std::size_t equals = clause.find(" = ", at);
        sides.push_back(clause.substr(at, equals == std::string_view::npos ? equals : equals - at));
        if (equals == std::string_view::npos)
            break;
        at = equals + 3;
    }
    if (sides.size() == 2 && sides[1].find(" remainder ") != std::string_view::npos) {
        const std::size_t divide = sides[0].find(" \u00f7 ");
        const std::size_t remainder = sides[1].find(" remainder ");
        const auto p = evaluate(sides[0].substr(0, divide));
        const auto q = evaluate(sides[0].substr(divide + std::string_view(" \u00f7 ").size()));
        const auto d = evaluate(sides[1].substr(0, remainder));
        const auto r = evaluate(sides[1].substr(remainder + 11));
        if (!p || !q || !d || !r || *q * *d + *r != *p || *r >= *q)
            return "untrue division \"" + std::string(clause) + "\"";
        return {};
    }
    std::optional<long> first;
    for (const std::string_view side : sides) {
        const auto value = evaluate(side);
        if (!value)
            return "unreadable side \"" + std::string(side) + "\"";
        if (first && *value != *first)
            return "untrue equation \"" + std::string(clause) + "\"";
        first = value;
    }
    return {};
}

// Each clause of a working line (after a label such as "16s:") with an equals sign holds.
std::string checkWorkingLine(std::string_view line)
{
    const std::size_t colon = line.find(": ");
    if (colon != std::string_view::npos && line.substr(0, colon).find('=') == std::string_view::npos)
        line.remove_prefix(colon + 2);
    for (std::size_t at = 0;;) {
        std::size_t end = std::min(line.find(": ", at), line.find(", ", at));
        const std::string_view clause = line.substr(at, end == std::string_view::npos ? end : end - at);
        if (clause.find(" = ") != std::string_view::npos) {
            if (auto problem = checkEquation(clause); !problem.empty())
                return problem;
        }
        if (end == std::string_view::npos)
            return {};
        at = end + 2;
    }
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& exercise)
{
    const shell::Json& data = exercise.fields.back().second;
    const long a = data["a"].whole();
    const bool two = mode >= 2;
    const long b = two ? data["b"].whole() : 0;
    if (a < 16 || a > 255 || (two && (b < 16 || b > 255)))
        return "a number outside 16..255";
    if (mode == 2 && a + b > 255)
        return "a sum past FF";
    if (mode == 3 && a - b < 1)
        return "a difference below 1";
    if (exercise.question.size() != 1 || exercise.answer.size() != 1)
        return "not one question line and one answer line";
    if (exercise.working.size() > 5)
        return "more than 5 working lines";

    std::string problem;
    const auto asked = numbersOf(exercise.question[0].text, problem);
    const auto answered = numbersOf(exercise.answer[0], problem);
    if (!asked || !answered)
        return problem;
    const int questionBase = mode == 1 ? 10 : 16;
    const std::vector<Number> expected =
        two ? std::vector<Number>{{int(a), 16}, {int(b), 16}} : std::vector<Number>{{int(a), questionBase}};
    const auto same = [](const std::vector<Number>& x, const std::vector<Number>& y, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (x[i].value != y[i].value || x[i].base != y[i].base)
                return false;
        }
        return true;
    };
    if (asked->size() != expected.size() || !same(*asked, expected, expected.size()))
        return "the question does not read as a and b";
    const long result = mode == 2 ? a + b : mode == 3 ? a - b : a;
    const int resultBase = mode == 0 ? 10 : 16;
    if (answered->size() != expected.size() + 1 || !same(*answered, expected, expected.size()) ||
        answered->back().value != result || answered->back().base != resultBase)
        return "the answer is not the question's";
    if (!exercise.answer[0].starts_with(exercise.question[0].text + " = "))
        return "the answer does not restate the question";
    for (const shell::Line& line : exercise.working) {
        if (auto wrong = checkWorkingLine(line.text); !wrong.empty())
            return wrong;
    }
    return {};
}

} // namespace hexadecimal::checks
