// What every hexadecimal question must satisfy, read back from its texts and data alone: each
// number carries its base and reads as the question's own, the answer is the conversion, sum or
// difference, and every equation of the working is true with the letters A-F read as 10-15.
#include "shell/core/activity.h"

#include <regex>
#include <string>
#include <vector>

namespace hexadecimal::checks {
namespace {

// The subscripts ₁₆ and ₁₀ as "_16" and "_10", the minus sign as "-".
std::string plain(std::string text)
{
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"\u2081\u2086", "_16"},
                                   {"\u2081\u2080", "_10"}, {"\u2212", "-"}, {"\u00d7", "*"}}) {
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), to);
    }
    return text;
}

// A sum of products of whole numbers and single letters A-F, or -1 when the text is not one.
long evaluate(const std::string& text)
{
    static const std::regex kTerm(R"(^([0-9]+|[A-F])( \* ([0-9]+|[A-F]))*$)");
    static const std::regex kFactor("[0-9]+|[A-F]");
    long sum = 0;
    int sign = 1;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = std::min(text.find(" + ", at), text.find(" - ", at));
        const std::string term = text.substr(at, end == std::string::npos ? end : end - at);
        if (!std::regex_match(term, kTerm))
            return -1;
        long product = 1;
        for (std::sregex_iterator f(term.begin(), term.end(), kFactor), e; f != e; ++f)
            product *= f->str()[0] >= 'A' ? f->str()[0] - 'A' + 10 : std::stol(f->str());
        sum += sign * product;
        if (end == std::string::npos)
            return sum;
        sign = text[end + 1] == '+' ? 1 : -1;
        at = end + 3;
    }
}

// Each clause of a working line with an equals sign holds: "x = y = z" all equal, and
// "p ÷ q = d remainder r" a true division.
std::string checkWorking(const std::string& line)
{
    static const std::regex kDivision(R"(^(\d+) ÷ (\d+) = (\d+) remainder (\d+)$)");
    // A label before the first colon ("16s:", "Check:") holds no equation.
    const std::size_t colon = line.find(": ");
    const bool labelled = colon != std::string::npos && line.substr(0, colon).find('=') == std::string::npos;
    const std::string text = plain(labelled ? line.substr(colon + 2) : line);
    static const std::regex kClause("[^:,]+");
    for (std::sregex_iterator c(text.begin(), text.end(), kClause), e; c != e; ++c) {
        std::string clause = c->str();
        clause.erase(0, clause.find_first_not_of(' '));
        if (clause.find(" = ") == std::string::npos)
            continue;
        std::smatch d;
        if (std::regex_match(clause, d, kDivision)) {
            const long p = std::stol(d[1]), q = std::stol(d[2]), r = std::stol(d[4]);
            if (q * std::stol(d[3]) + r != p || r >= q)
                return "untrue division \"" + line + "\"";
            continue;
        }
        long first = -2;
        for (std::size_t at = 0;;) {
            const std::size_t equals = clause.find(" = ", at);
            const long value = evaluate(clause.substr(at, equals == std::string::npos ? equals : equals - at));
            if (value < 0 || (first != -2 && value != first))
                return "untrue or unreadable \"" + line + "\"";
            first = value;
            if (equals == std::string::npos)
                break;
            at = equals + 3;
        }
    }
    return {};
}

// "B5_16" as its value in its base; -1 for a lower-case letter, a leading zero or a digit too
// big for the base.
long valueOf(const std::string& digits, int base)
{
    if (digits.size() > 1 && digits[0] == '0')
        return -1;
    long value = 0;
    for (const char c : digits) {
        const int digit = c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= '0' && c <= '9' ? c - '0' : 99;
        if (digit >= base)
            return -1;
        value = value * base + digit;
    }
    return value;
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json& data = e.fields.back().second;
    const long a = data["a"].whole();
    const bool two = mode >= 2;
    const long b = two ? data["b"].whole() : 0;
    if (a < 16 || a > 255 || (two && (b < 16 || b > 255)) || (mode == 2 && a + b > 255) || (mode == 3 && a <= b))
        return "numbers outside their ranges";
    if (e.question.size() != 1 || e.answer.size() != 1 || e.working.size() > 5)
        return "not one question and answer line, or more than 5 working lines";

    // Every number has its base: "N_16 + N_16 = N_16", "N_10 = N_16" and so on.
    static const std::regex kNumber(R"(([0-9A-Za-z]+)_(16|10))");
    static const std::regex kAnswer(R"(^(\w+_1[06])(?: ([-+]) (\w+_1[06]))? = (\w+_1[06])$)");
    const std::string answer = plain(e.answer[0]);
    std::smatch m;
    if (!std::regex_match(answer, m, kAnswer) || plain(e.question[0].text) + " = " + m[4].str() != answer)
        return "\"" + e.answer[0] + "\" is not the question, =, and a number with its base";
    std::vector<long> values;
    for (int part : {1, 3, 4}) {
        std::smatch n;
        const std::string text = m[part].str();
        if (text.empty())
            continue;
        std::regex_match(text, n, kNumber);
        values.push_back(valueOf(n[1], std::stoi(n[2])));
    }
    const long result = mode == 2 ? a + b : mode == 3 ? a - b : a;
    const std::vector<long> expected = two ? std::vector<long>{a, b, result} : std::vector<long>{a, result};
    const bool bases = m[1].str().ends_with(mode == 1 ? "_10" : "_16") && m[4].str().ends_with(mode == 0 ? "_10" : "_16") &&
                       (m[3].str().empty() || m[3].str().ends_with("_16")) &&
                       m[2].str() == (mode == 2 ? "+" : mode == 3 ? "-" : "");
    if (values != expected || !bases)
        return "\"" + e.answer[0] + "\" does not read as the question's numbers and result in their bases";
    for (const shell::Line& line : e.working) {
        if (auto wrong = checkWorking(line.text); !wrong.empty())
            return wrong;
    }
    return {};
}

} // namespace hexadecimal::checks
