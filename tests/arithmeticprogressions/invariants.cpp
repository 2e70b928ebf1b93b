// The Arithmetic Progressions invariants for the volume run, worked out again from the data and
// the texts.
#include "invariants.h"

#include <regex>

namespace arithmeticprogressions::checks {
namespace {

using reliability::readN;

// The rule as it reads, "3n + 2", "n − 5", "7n" or "23 − 3n", checked against the terms.
std::string checkRule(const std::string& rule, long long a, long long d)
{
    static const std::regex kRising("((?:\u2212)?)(\\d*)n(?: (\\+|\u2212) (\\d+))?");
    static const std::regex kFalling("(\\d+) \u2212 (\\d*)n");
    std::smatch m;
    long long k = 0;
    long long c = 0;
    if (std::regex_match(rule, m, kRising) && d > 0) {
        k = (m[1].length() ? -1 : 1) * (m[2].length() ? std::stoll(m[2]) : 1);
        c = m[4].length() ? (m[3] == "+" ? 1 : -1) * std::stoll(m[4]) : 0;
    } else if (std::regex_match(rule, m, kFalling) && d < 0) {
        k = -(m[2].length() ? std::stoll(m[2]) : 1);
        c = std::stoll(m[1]);
    } else {
        return "the rule " + rule + " is not written as its sequence's";
    }
    if (m[2] == "1" || rule == "n")
        return "the rule " + rule + " shows 1n or is n itself";
    for (long long n = 1; n <= 7; ++n) {
        if (k * n + c != a + (n - 1) * d)
            return "the rule " + rule + " does not give term " + std::to_string(n);
    }
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    const long long a = data["first"].whole();
    const long long d = data["difference"].whole();
    const auto term = [&](long long n) { return a + (n - 1) * d; };
    std::vector<long long> shown;
    for (long long n = 1; n <= 7; ++n) {
        if (term(n) < -44 || term(n) > 74 || d == 0 || d < -9 || d > 9)
            return "a term or the difference out of range";
        if (n <= 5 && data["terms"][n - 1].whole() == term(n))
            shown.push_back(term(n));
    }
    const std::string& line = e.question[0].text;
    if (shown.size() != 5 || !line.ends_with(", \u2026") ||
        reliability::readNs(line.substr(0, line.size() - 5), ", ") != shown)
        return "the question does not show the first five terms";
    if (e.working.size() > 6)
        return "more than six working lines";
    std::smatch m;
    if (kind == "next-terms") {
        static const std::regex kPair("(.+) and (.+)");
        if (!std::regex_match(e.answer[0], m, kPair) || readN(m[1].str()) != term(6) ||
            readN(m[2].str()) != term(7))
            return "the answer is not terms 6 and 7";
        return {};
    }
    if (kind == "nth-term")
        return e.answer[0].starts_with("nth term = ") ? checkRule(e.answer[0].substr(11), a, d) : "no rule";

    const long long v = data["target"].whole();
    const long long position = data["position"].whole();
    int places = 0;
    for (long long n = 1; n <= 1000; ++n)
        places += term(n) == v ? (n == position ? 1 : 2) : 0;
    if (places != 1 || v < -251 || v > 281 || position < 8 || position > 30)
        return "the target is not the term at its position alone, or out of range";
    static const std::regex kAsked("Which term is (.+)\\?");
    static const std::regex kAnswer("(.+) is the (\\d+)(st|nd|rd|th) term\\.");
    static const std::regex kFirst("The nth term is (.+)\\.");
    const char* suffix = position % 100 / 10 == 1 ? "th"
                         : position % 10 == 1     ? "st"
                         : position % 10 == 2     ? "nd"
                         : position % 10 == 3     ? "rd"
                                                  : "th";
    if (e.question.size() != 2 || !std::regex_match(e.question[1].text, m, kAsked) ||
        readN(m[1].str()) != v || !std::regex_match(e.answer[0], m, kAnswer) || readN(m[1].str()) != v ||
        std::stoll(m[2]) != position || m[3] != suffix)
        return "the question or the answer does not name the target and its place";
    return std::regex_match(e.working[0].text, m, kFirst) ? checkRule(m[1], a, d) : "no rule in the working";
}

} // namespace arithmeticprogressions::checks
