// The Arithmetic Progressions invariants for the volume run, worked out again from the data and
// the texts.
#include "invariants.h"

#include "shell/core/activity.h"

#include <optional>
#include <string>
#include <string_view>

namespace arithmeticprogressions::checks {
namespace {

using reliability::between;
using reliability::readN;

const std::string kMinus = "\u2212";

// One factor of a rule: a number, or a multiple of n ("3n", "n", "−n").
std::optional<long long> factor(const std::string& token, long long n)
{
    if (!token.ends_with('n'))
        return readN(token);
    const std::string k = token.substr(0, token.size() - 1);
    if (k.empty())
        return n;
    if (k == kMinus)
        return -n;
    const std::optional<long long> coefficient = readN(k);
    if (!coefficient)
        return std::nullopt;
    return *coefficient * n;
}

// The value of a rule or a sum such as "3n + 2", "23 − 3n" or "3 × 5 + 2" at n, where × binds
// before + and −; nullopt when the text is no such thing.
std::optional<long long> evaluate(std::string_view text, long long n)
{
    long long total = 0;
    long long sign = 1;
    long long product = 1;
    bool wantFactor = true;
    for (const std::string& token : reliability::split(text, " ")) {
        if (wantFactor) {
            const std::optional<long long> value = factor(token, n);
            if (!value)
                return std::nullopt;
            product *= *value;
        } else if (token == "+" || token == kMinus) {
            total += sign * product;
            sign = token == "+" ? 1 : -1;
            product = 1;
        } else if (token != "\u00d7") {
            return std::nullopt;
        }
        wantFactor = !wantFactor;
    }
    if (wantFactor)
        return std::nullopt;
    return total + sign * product;
}

std::string checkRule(const std::string& rule, long long first, long long d)
{
    for (long long n = 1; n <= 7; ++n) {
        if (evaluate(rule, n) != first + (n - 1) * d)
            return "the rule " + rule + " does not give term " + std::to_string(n);
    }
    if (rule == "n" || rule.find("1n") != std::string::npos)
        return "the rule " + rule + " is written carelessly";
    const bool leadsWithConstant = !rule.substr(0, rule.find(' ')).ends_with('n');
    if (leadsWithConstant != (d < 0))
        return "the rule " + rule + " leads with its constant exactly when the sequence falls";
    return {};
}

std::string ordinal(long long m)
{
    const long long lastTwo = m % 100;
    if (lastTwo >= 11 && lastTwo <= 13)
        return std::to_string(m) + "th";
    const char* suffixes[] = {"th", "st", "nd", "rd", "th", "th", "th", "th", "th", "th"};
    return std::to_string(m) + suffixes[m % 10];
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const std::string kind = data["kind"].text();
    const long long a = data["first"].whole();
    const long long d = data["difference"].whole();
    if (d == 0 || d < -9 || d > 9)
        return "difference out of range";
    const auto term = [&](long long n) { return a + (n - 1) * d; };
    for (long long n = 1; n <= 7; ++n) {
        if (term(n) < -44 || term(n) > 74)
            return "a term out of range";
    }
    const std::vector<std::string> shown = reliability::split(e.question[0].text, ", ");
    if (shown.size() != 6 || shown[5] != "\u2026")
        return "the question does not show five terms";
    for (long long n = 1; n <= 5; ++n) {
        if (readN(shown[static_cast<std::size_t>(n - 1)]) != term(n) ||
            data["terms"][n - 1].whole() != term(n))
            return "term " + std::to_string(n) + " is not the sequence's";
    }
    if (e.working.size() > 6)
        return "more than six working lines";

    if (kind == "next-terms") {
        const std::vector<std::string> next = reliability::split(e.answer[0], " and ");
        if (next.size() != 2 || readN(next[0]) != term(6) || readN(next[1]) != term(7))
            return "the next two terms are not terms 6 and 7";
        return {};
    }
    if (kind == "nth-term") {
        const std::optional<std::string> rule = between(e.answer[0], "nth term = ", "");
        if (!rule)
            return "the answer does not give the nth term";
        if (auto problem = checkRule(*rule, a, d); !problem.empty())
            return problem;
        const std::optional<std::string> check = between(e.working.back().text, "Check n = 5: ", "");
        const std::size_t equals = check ? check->rfind(" = ") : std::string::npos;
        if (equals == std::string::npos || evaluate(check->substr(0, equals), 0) != term(5) ||
            readN(check->substr(equals + 3)) != term(5))
            return "the check line does not give term 5";
        return {};
    }

    const long long v = data["target"].whole();
    const long long m = data["position"].whole();
    if (v < -251 || v > 281 || m < 8 || m > 30)
        return "the number asked about or its place is out of range";
    const std::optional<std::string> asked =
        e.question.size() == 2 ? between(e.question[1].text, "Which term is ", "?") : std::nullopt;
    if (!asked || readN(*asked) != v)
        return "the question does not ask about the target";
    int places = 0;
    long long found = 0;
    for (long long n = 1; n <= 1000; ++n) {
        if (term(n) == v) {
            ++places;
            found = n;
        }
    }
    if (places != 1 || found != m)
        return "the target is not exactly the term at its position";
    for (long long n = 1; n <= 5; ++n) {
        if (term(n) == v)
            return "the target is already shown";
    }
    const std::optional<std::string> rule = between(e.working[0].text, "The nth term is ", ".");
    if (!rule)
        return "the working does not start from the rule";
    if (auto problem = checkRule(*rule, a, d); !problem.empty())
        return problem;
    const std::string& last = e.working.back().text;
    if (!last.starts_with("n = ") || readN(last.substr(last.rfind(' ') + 1)) != m)
        return "the working does not end with n = " + std::to_string(m);
    if (e.answer[0] != *asked + " is the " + ordinal(m) + " term.")
        return "the answer does not name the target's place";
    return {};
}

} // namespace arithmeticprogressions::checks
