// The What Number? activity's invariants for the volume run: the steps undone and redone, only
// one start from 1 to 200 giving the result, and the function machine's rows; for clues, a brute
// force over 10..99 that finds the number alone, needs every clue, and lists the working's
// numbers.
#include "invariants.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <regex>
#include <variant>

namespace whatnumber::checks {
namespace {

using reliability::split;

// The value after "op v", or nothing when it is not whole.
std::optional<long long> step(long long x, const std::string& op, long long v)
{
    if (op == "+")
        return x + v;
    if (op == "−")
        return x - v;
    if (op == "×")
        return x * v;
    if (op == "÷" && v != 0 && x % v == 0)
        return x / v;
    return std::nullopt;
}

// "36 ÷ 4 = 9, 9 + 7 = 16": every equation true, each starting where the last ended.
std::string checkEquations(const std::string& line, std::string_view lead, long long from, long long to)
{
    static const std::regex kEquation("([0-9]+) (\\+|−|×|÷) ([0-9]+) = ([0-9]+)");
    if (!line.starts_with(lead))
        return "\"" + line + "\" does not start " + std::string(lead);
    long long at = from;
    for (const std::string& equation : split(line.substr(lead.size()), ", ")) {
        std::smatch m;
        if (!std::regex_match(equation, m, kEquation) || std::stoll(m[1]) != at ||
            step(at, m[2], std::stoll(m[3])) != std::stoll(m[4]))
            return "\"" + equation + "\" is not true";
        at = std::stoll(m[4]);
    }
    return at == to ? std::string() : "\"" + line + "\" does not end at " + std::to_string(to);
}

std::string steps(const shell::Exercise& e, const shell::Json& data)
{
    struct Step {
        std::string op;
        long long value;
    };
    std::vector<Step> steps;
    for (const shell::Json& s : data["steps"].elements())
        steps.push_back({s["op"].text(), s["value"].whole()});
    const long long y = data["result"].whole();
    static const std::regex kAnswer("My number is ([0-9]+)");
    std::smatch m;
    if (e.answer.size() != 1 || !std::regex_match(e.answer[0], m, kAnswer))
        return "the answer names no number";
    const long long x = std::stoll(m[1]);
    std::vector<long long> values{x};
    for (const Step& s : steps) {
        const auto next = step(values.back(), s.op, s.value);
        if (!next || *next < 1)
            return "a value on the way is not a whole number of at least 1";
        values.push_back(*next);
    }
    if (values.back() != y)
        return "the number does not give the result";
    if (steps.size() == 2) {
        const bool scalesFirst = steps[0].op == "×" || steps[0].op == "÷";
        const Step& scale = steps[scalesFirst ? 0 : 1];
        const Step& shift = steps[scalesFirst ? 1 : 0];
        if ((scale.op != "×" && scale.op != "÷") || (shift.op != "+" && shift.op != "−") || scale.value < 2 ||
            scale.value > 10 || shift.value < 1 || shift.value > 20)
            return "not one step × or ÷ 2..10 and one + or − 1..20";
        if (x > 20 || values[1] > 100 || values[2] > 100)
            return "the number or a value on the way is out of range";
    }
    int starts = 0;
    for (long long start = 1; start <= 200; ++start) {
        long long value = start;
        bool whole = true;
        for (const Step& s : steps) {
            const auto next = step(value, s.op, s.value);
            whole = whole && next.has_value();
            value = next.value_or(0);
        }
        starts += whole && value == y ? 1 : 0;
    }
    if (starts != 1)
        return std::to_string(starts) + " numbers from 1 to 200 give the result";

    // The question says the steps in words.
    static const std::regex kFirst(
        "I (?:add ([0-9]+) to it|subtract ([0-9]+) from it|multiply it by ([0-9]+)|"
        "divide it by ([0-9]+))([.,])");
    static const std::regex kThen("then I (add|subtract|multiply by|divide by) ([0-9]+)\\.");
    static const std::array<std::string, 4> kOps{"+", "−", "×", "÷"};
    const std::size_t lines = steps.size() + 1;
    if (e.question.size() != lines || e.question.back().text != "The answer is " + std::to_string(y) + ".")
        return "the question does not end with the result";
    std::smatch first;
    if (!std::regex_match(e.question[0].text, first, kFirst) || first[5] != (steps.size() == 1 ? "." : ","))
        return "\"" + e.question[0].text + "\" is not a first step";
    for (std::size_t i = 0; i < 4; ++i) {
        if (first[i + 1].matched && (kOps[i] != steps[0].op || std::stoll(first[i + 1]) != steps[0].value))
            return "\"" + e.question[0].text + "\" is not the data's step";
    }
    std::smatch then;
    if (steps.size() == 2) {
        const std::array<std::string, 4> words{"add", "subtract", "multiply by", "divide by"};
        if (!std::regex_match(e.question[1].text, then, kThen) ||
            kOps[static_cast<std::size_t>(std::find(words.begin(), words.end(), then[1]) - words.begin())] !=
                steps[1].op ||
            std::stoll(then[2]) != steps[1].value)
            return "\"" + e.question[1].text + "\" is not the data's second step";
    }
    if (e.working.size() != 2)
        return "not a line backwards and a line to check";
    if (auto problem = checkEquations(e.working[0].text, "Backwards: ", y, x); !problem.empty())
        return problem;
    if (auto problem = checkEquations(e.working[1].text, "Check: ", x, y); !problem.empty())
        return problem;

    // The machine: the start, a box per step and the result; the solution's row beneath undoes
    // each step.
    struct NoMeasure final : shell::TextMeasure {
        shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
    } measure;
    std::vector<std::string> expected{"?"};
    std::vector<std::string> inverse{std::to_string(x)};
    static const std::map<std::string, std::string> kInverse{{"+", "−"}, {"−", "+"}, {"×", "÷"}, {"÷", "×"}};
    for (const Step& s : steps) {
        expected.push_back(s.op + " " + std::to_string(s.value));
        inverse.push_back(kInverse.at(s.op) + " " + std::to_string(s.value));
    }
    expected.push_back(std::to_string(y));
    inverse.push_back(std::to_string(y));
    // Boxes 2100 apart about the middle (5100), the forward row at 3650 with its arrows pointing
    // right, the inverse row at 4550 pointing left.
    const std::size_t row = expected.size();
    const double left = 5100 - (2100.0 * static_cast<double>(row) - 600) / 2;
    for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
        std::vector<std::string> texts;
        std::size_t boxes = 0;
        std::size_t heads = 0;
        for (const shell::Mark& mark : e.figure(state, measure).marks) {
            if (const auto* text = std::get_if<shell::TextMark>(&mark))
                texts.push_back(text->text);
            if (const auto* box = std::get_if<shell::BoxMark>(&mark)) {
                const double column = static_cast<double>(boxes % row);
                const double top = boxes++ < row ? 3650 : 4550;
                if (box->rect.left != left + 2100 * column || box->rect.top != top || box->rect.width != 1500)
                    return "the machine's boxes are out of place";
            }
            const auto* head = std::get_if<shell::PolygonMark>(&mark);
            if (head && (head->points[0].x > head->points[1].x) != (heads++ < row - 1))
                return "an arrow of the machine points the wrong way";
        }
        if (texts != expected || boxes != texts.size())
            return "the machine's boxes are not the steps";
        expected.insert(expected.end(), inverse.begin(), inverse.end());
    }
    return {};
}

enum Family { Parity, Special, Multiple, Factor, DigitSum, Range };

struct Clue {
    Family family;
    std::string text;
    bool (*fits)(int n, long long value);
    long long value;
};

bool isPrime(int n)
{
    for (int d = 2; d < n; ++d) {
        if (n % d == 0)
            return false;
    }
    return n > 1;
}

// The clue of the data, its text and its test, or nothing for a clue the activity never gives.
std::optional<Clue> clueOf(const shell::Json& clue)
{
    const std::string type = clue["type"].text();
    const shell::Json& value = clue["value"];
    if (type == "parity") {
        const bool odd = value.text() == "odd";
        return Clue{Parity, odd ? "I am odd." : "I am even.", [](int n, long long o) { return n % 2 == o; },
                    odd};
    }
    if (type == "special") {
        static const std::array<std::pair<std::string, bool (*)(int, long long)>, 4> kSpecial{{
            {"prime", [](int n, long long) { return isPrime(n); }},
            {"square",
             [](int n, long long) { return n == 16 || n == 25 || n == 36 || n == 49 || n == 64 || n == 81; }},
            {"cube", [](int n, long long) { return n == 27 || n == 64; }},
            {"triangular",
             [](int n, long long) {
                 for (int k = 1; k * (k + 1) / 2 <= n; ++k) {
                     if (k * (k + 1) / 2 == n)
                         return true;
                 }
                 return false;
             }},
        }};
        for (const auto& [name, test] : kSpecial) {
            if (value.text() == name)
                return Clue{Special, "I am a " + name + " number.", test, 0};
        }
        return std::nullopt;
    }
    const long long v = value.whole();
    const std::string number = std::to_string(v);
    if (type == "multiple" && v >= 3 && v <= 9)
        return Clue{Multiple, "I am a multiple of " + number + ".",
                    [](int n, long long k) { return n % k == 0; }, v};
    if (type == "factor" &&
        std::string(" 60 72 84 90 96 100 120 ").find(" " + number + " ") != std::string::npos)
        return Clue{Factor, "I am a factor of " + number + ".", [](int n, long long m) { return m % n == 0; },
                    v};
    if (type == "digit-sum")
        return Clue{DigitSum, "My digits add up to " + number + ".",
                    [](int n, long long s) { return n / 10 + n % 10 == s; }, v};
    if (type == "more-than" && v % 10 == 0 && v >= 20 && v <= 90)
        return Clue{Range, "I am more than " + number + ".", [](int n, long long l) { return n > l; }, v};
    if (type == "less-than" && v % 10 == 0 && v >= 20 && v <= 90)
        return Clue{Range, "I am less than " + number + ".", [](int n, long long u) { return n < u; }, v};
    return std::nullopt;
}

std::vector<int> fitting(const std::vector<const Clue*>& clues)
{
    std::vector<int> numbers;
    for (int n = 10; n <= 99; ++n) {
        if (std::all_of(clues.begin(), clues.end(), [n](const Clue* c) { return c->fits(n, c->value); }))
            numbers.push_back(n);
    }
    return numbers;
}

std::string listed(const std::vector<int>& numbers, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += (i > from ? ", " : "") + std::to_string(numbers[i]);
    return text;
}

std::string clues(const shell::Exercise& e, const shell::Json& data)
{
    std::vector<Clue> clues;
    for (const shell::Json& clue : data["clues"].elements()) {
        const std::optional<Clue> found = clueOf(clue);
        if (!found)
            return "an unknown clue " + clue.dump();
        if (!clues.empty() && found->family <= clues.back().family)
            return "the clues are not of different families in family order";
        clues.push_back(*found);
    }
    if (clues.size() < 2 || clues.size() > 3 || e.question.size() != clues.size())
        return "not two or three clues, one to a line";
    for (std::size_t i = 0; i < clues.size(); ++i) {
        if (e.question[i].text != std::to_string(i + 1) + ". " + clues[i].text)
            return "\"" + e.question[i].text + "\" is not the data's clue";
    }
    if ((clues.size() == 3) != (e.layout.working.top == 3510))
        return "the working does not stand below the clues";
    static const std::regex kAnswer("I am ([0-9]+)");
    std::smatch m;
    if (e.answer.size() != 1 || !std::regex_match(e.answer[0], m, kAnswer))
        return "the answer names no number";
    const int n = std::stoi(m[1]);

    std::vector<const Clue*> all;
    for (const Clue& clue : clues)
        all.push_back(&clue);
    if (fitting(all) != std::vector<int>{n})
        return "not " + std::to_string(n) + " alone fits every clue";
    for (std::size_t dropped = 0; dropped < clues.size(); ++dropped) {
        std::vector<const Clue*> others = all;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(dropped));
        if (fitting(others).size() < 2)
            return "clue " + std::to_string(dropped + 1) + " is not needed";
    }

    // The working: the clues by how many numbers each fits alone, each list what fits it and
    // every clue before, nine numbers to a line.
    std::vector<std::size_t> order(clues.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return fitting({&clues[a]}).size() < fitting({&clues[b]}).size();
    });
    std::vector<std::string> expected{"Start with the clue that fits the fewest:"};
    std::vector<const Clue*> sofar;
    std::size_t before = 91;
    for (const std::size_t i : order) {
        sofar.push_back(&clues[i]);
        const std::vector<int> numbers = fitting(sofar);
        if (numbers.size() >= before || numbers.size() > (sofar.size() == 1 ? 18U : 9U))
            return "clue " + std::to_string(i + 1) + " lists " + std::to_string(numbers.size()) + " numbers";
        before = numbers.size();
        const std::string head = "Clue " + std::to_string(i + 1) + ": ";
        if (numbers.size() <= 9) {
            expected.push_back(head + listed(numbers, 0, numbers.size()));
        } else {
            expected.push_back(head + listed(numbers, 0, 9) + ",");
            expected.push_back(listed(numbers, 9, numbers.size()));
        }
    }
    std::vector<std::string> working;
    for (const shell::Line& line : e.working)
        working.push_back(line.text);
    if (working != expected)
        return "the working does not list the numbers fitting the clues, fewest first";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    if (e.working.size() > 5)
        return "more than five working lines";
    const bool isClues = data["kind"].text() == "clues";
    if (e.instruction !=
        (isClues ? "I am a two-digit number. Who am I?" : "I think of a number. What is my number?"))
        return "the instruction";
    return isClues ? clues(e, data) : steps(e, data);
}

} // namespace whatnumber::checks
