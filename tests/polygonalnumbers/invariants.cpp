// The Polygonal Numbers activity's invariants for the volume run, worked out again by adding the
// dots layer by layer and by searching for consecutive products.
#include "invariants.h"

#include "shell/core/activity.h"
#include "shell/core/numberforms.h"

#include <cmath>
#include <regex>

namespace polygonalnumbers::checks {
namespace {

struct NoMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view, const shell::FontStyle&) const override { return {}; }
};

int layer(int sides, int j)
{
    return sides == 3 ? j : sides == 5 ? 3 * j - 2 : 4 * j - 3;
}

int dotsUpTo(int sides, int n)
{
    int total = 0;
    for (int j = 1; j <= n; ++j)
        total += layer(sides, j);
    return total;
}

int sidesOf(const std::string& family)
{
    return family == "triangular" ? 3 : family == "pentagonal" ? 5 : family == "hexagonal" ? 6 : 0;
}

// Pattern k of the four holds its dots, none closer than the spacing, its last layer orange in
// the solution from the second pattern on, and its count under it.
std::string patterns(const shell::Exercise& e, int sides, shell::FigureState state)
{
    const shell::Drawing drawing = e.figure(state, NoMeasure{});
    const double spacing = sides == 3 ? 480 : sides == 5 ? 280 : 250;
    for (int k = 1; k <= 4; ++k) {
        const double left = 600 + 2250.0 * (k - 1);
        std::vector<shell::PointTwips> dots;
        int orange = 0;
        bool counted = false;
        for (const shell::Mark& mark : drawing.marks) {
            if (const auto* dot = std::get_if<shell::CircleMark>(&mark);
                dot && dot->centre.x >= left && dot->centre.x < left + 2250) {
                dots.push_back(dot->centre);
                orange += dot->fill == shell::colour::orange;
                if (dot->centre.y > 4020.001 || dot->centre.y - dot->radius < 2580)
                    return "a dot of pattern " + std::to_string(k) +
                           " leaves the room between question line 2 and Top 4020";
            }
            if (const auto* count = std::get_if<shell::TextMark>(&mark); count && count->rect.left == left)
                counted = count->text == shell::forms::N(dotsUpTo(sides, k)) && count->rect.top == 4140;
        }
        if (static_cast<int>(dots.size()) != dotsUpTo(sides, k) || !counted)
            return "pattern " + std::to_string(k) + " does not hold its number of dots";
        const int lastLayer = state == shell::FigureState::Solution && k > 1 ? layer(sides, k) : 0;
        if (orange != lastLayer)
            return "pattern " + std::to_string(k) + " shows " + std::to_string(orange) + " orange dots";
        for (std::size_t i = 0; i < dots.size(); ++i)
            for (std::size_t j = i + 1; j < dots.size(); ++j)
                if (std::hypot(dots[i].x - dots[j].x, dots[i].y - dots[j].y) < spacing - 0.01)
                    return "two dots of pattern " + std::to_string(k) + " are closer than the spacing";
    }
    return {};
}

std::string nth(const shell::Exercise& e, const std::string& family, int sides, int n)
{
    const int value = dotsUpTo(sides, n);
    if (value <= 1)
        return "the answer is 1";
    if (e.answer.at(0) !=
        "The " + shell::forms::Ord(n) + " " + family + " number is " + shell::forms::N(value))
        return "answer \"" + e.answer[0] + "\" is not the sum of the layers";
    const std::string& check = e.working.at(2).text;
    std::string expected = "Check: 1";
    for (int j = 2; j <= n; ++j)
        if (n <= 6 || j <= 3 || j == n)
            expected += (n > 6 && j == n ? " + \u2026 + " : " + ") + std::to_string(layer(sides, j));
    if (check != expected + " = " + std::to_string(value))
        return "check \"" + check + "\" does not add the layers";
    return {};
}

std::string test(const shell::Exercise& e, int x)
{
    int root = 0;
    while ((root + 1) * (root + 1) <= 8 * x + 1)
        ++root;
    const bool triangular = root * root == 8 * x + 1;
    if (triangular != e.answer.at(0).starts_with("Yes: "))
        return "the answer to " + std::to_string(x) + " is wrong";
    static const std::regex kProduct("(\\d+) \u00d7 (\\d+)");
    std::smatch product;
    const std::string& line = e.working.at(1).text;
    if (!std::regex_search(line, product, kProduct))
        return "no product of consecutive numbers in \"" + line + "\"";
    const int k = std::stoi(product[1]);
    if (std::stoi(product[2]) != k + 1 || k * (k + 1) > 2 * x || 2 * x >= (k + 1) * (k + 2))
        return "\"" + line + "\" does not hold the double between products";
    if (e.working.size() != (triangular ? 3u : 4u))
        return "the working has the wrong number of lines";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json fields(e.fields);
    const shell::Json& data = fields["data"];
    const std::string kind = data["kind"].text();
    const std::string family = data["family"].text();
    const int sides = sidesOf(family);
    if (sides == 0 || (kind == "pentagonal-hexagonal") == (sides == 3))
        return "a " + family + " question of kind " + kind;
    if (e.working.size() > 4)
        return "more than four working lines";
    for (auto state : {shell::FigureState::Question, shell::FigureState::Solution})
        if (std::string problem = patterns(e, sides, state); !problem.empty())
            return problem;
    if (kind == "is-it-triangular") {
        const int x = static_cast<int>(data["x"].whole());
        return x < 15 || x > 300 ? "x outside 15..300" : test(e, x);
    }
    const int n = static_cast<int>(data["n"].whole());
    if (n < 5 || n > (sides == 3 ? 20 : 12))
        return "n outside its range";
    return nth(e, family, sides, n);
}

} // namespace polygonalnumbers::checks
