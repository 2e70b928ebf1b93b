// What every coordinates question must satisfy, worked out again from A and B: the points on the
// grid, the gradient in lowest terms, an equation that A and B satisfy, a whole length and a
// midpoint in halves, no "1x" or "+ 0" in an equation, and a figure whose line reaches the grid's
// edge with every label clear of the line and inside the figure's room.
#include "shell/core/activity.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace coordinates::checks {
namespace {

constexpr std::string_view kMinus = "\u2212";
const std::vector<std::string> kKinds{"gradient", "equation", "midpoint-length"};

// Tahoma's proportions near enough: a character 0.6 em wide, a line 1.2 em high.
class RoughMeasure final : public shell::TextMeasure {
public:
    shell::TextSize measure(std::string_view text, const shell::FontStyle& font) const override
    {
        const double em = font.points * shell::kTwipsPerPoint;
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; });
        return {0.6 * em * static_cast<double>(characters), 1.2 * em};
    }
};

// A number written with − for minus and at most one decimal point; nothing else.
std::optional<double> number(std::string_view text)
{
    double sign = 1;
    if (text.starts_with(kMinus)) {
        sign = -1;
        text.remove_prefix(kMinus.size());
    }
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    return sign * std::stod(std::string(text));
}

std::string coordinate(long v)
{
    return v < 0 ? std::string(kMinus) + std::to_string(-v) : std::to_string(v);
}

long divisor(long a, long b)
{
    a = std::labs(a);
    b = std::labs(b);
    long best = 1;
    for (long d = 1; d <= std::max(a, b); ++d) {
        if (a % d == 0 && b % d == 0)
            best = d;
    }
    return best;
}

std::string checkGradient(long run, long rise, const std::string& answer)
{
    const std::string prefix = "Gradient = ";
    if (!answer.starts_with(prefix))
        return "the answer is not a gradient";
    const std::string value = answer.substr(prefix.size());
    const std::size_t slash = value.find('/');
    const auto p = number(value.substr(0, slash));
    const auto q = slash == std::string::npos ? std::optional<double>(1) : number(value.substr(slash + 1));
    if (!p || !q || *q <= 0 || (slash != std::string::npos && *q == 1))
        return "unreadable gradient \"" + value + "\"";
    if (*p * static_cast<double>(run) != *q * static_cast<double>(rise) || divisor(long(*p), long(*q)) != 1)
        return "gradient " + value + " is not rise/run in lowest terms";
    return {};
}

// "y = mx + c", "y = k" or "x = k": a point satisfies it exactly.
std::string checkEquation(long xA, long yA, long xB, long yB, const std::string& answer)
{
    if ((answer.starts_with("x = ") || answer.starts_with("y = ")) && answer.find('x', 1) == std::string::npos) {
        const auto k = number(answer.substr(4));
        const bool vertical = answer[0] == 'x';
        if (!k || *k == 0 || (vertical ? (xA != *k || xB != *k || yB - yA < 2) : (yA != *k || yB != *k || xB - xA < 2)))
            return "\"" + answer + "\" is not the line through A and B";
        return {};
    }
    const std::size_t x = answer.find('x');
    if (!answer.starts_with("y = ") || x == std::string::npos)
        return "unreadable equation \"" + answer + "\"";
    const std::string slope = answer.substr(4, x - 4);
    const std::optional<double> m = slope.empty() ? 1 : slope == kMinus ? -1 : number(slope);
    std::string rest = answer.substr(x + 1);
    double c = 0;
    if (!rest.empty()) {
        const bool plus = rest.starts_with(" + ");
        const std::string minus = " " + std::string(kMinus) + " ";
        const auto size = plus ? 3 : rest.starts_with(minus) ? minus.size() : 0;
        const auto value = size ? number(rest.substr(size)) : std::nullopt;
        if (!value || *value == 0)
            return "unreadable intercept in \"" + answer + "\"";
        c = plus ? *value : -*value;
    }
    if (!m || *m == 0 || std::abs(*m) > 5 || std::abs(c) > 8)
        return "gradient or intercept out of range in \"" + answer + "\"";
    if (*m * xA + c != yA || *m * xB + c != yB || xB - xA < 2)
        return "\"" + answer + "\" is not the line through A and B";
    return {};
}

std::string checkMidpoint(long xA, long yA, long xB, long yB, const std::vector<std::string>& answer)
{
    const long squared = (xB - xA) * (xB - xA) + (yB - yA) * (yB - yA);
    if (answer.size() != 2 || !answer[0].starts_with("Midpoint (") || !answer[1].starts_with("Length AB = "))
        return "not a midpoint and a length";
    const auto length = number(answer[1].substr(12));
    if (!length || *length * *length != squared)
        return "the length is not √" + std::to_string(squared);
    if (*length != 5 && *length != 10 && *length != 13 && *length != 15 && *length != 17 && *length != 20)
        return "a length outside 5, 10, 13, 15, 17, 20";
    const std::string point = answer[0].substr(10, answer[0].size() - 11);
    const std::size_t comma = point.find(", ");
    const auto mx = number(point.substr(0, comma));
    const auto my = comma == std::string::npos ? std::nullopt : number(point.substr(comma + 2));
    if (!mx || !my || 2 * *mx != xA + xB || 2 * *my != yA + yB)
        return "the midpoint is not halfway";
    return {};
}

// Which side of the line through p and q a point lies: the sign of the cross product.
double side(shell::PointTwips p, shell::PointTwips q, double x, double y)
{
    return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x);
}

std::string checkFigure(const shell::Exercise& e, long xA, long yA, long xB, long yB, bool segment)
{
    const RoughMeasure measure;
    const auto stage = [](double x, double y) { return shell::PointTwips{3060 + 270 * x, 3600 - 270 * y}; };
    const shell::PointTwips a = stage(xA, yA);
    const shell::PointTwips b = stage(xB, yB);
    for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
        const shell::Drawing drawing = e.figure(state, measure);
        const shell::LineMark* line = nullptr;
        for (const shell::Mark& mark : drawing.marks) {
            if (const auto* l = std::get_if<shell::LineMark>(&mark); l && l->colour == shell::colour::yellow)
                line = l;
        }
        if (!line)
            return "no line drawn";
        const auto onEdge = [](shell::PointTwips p) {
            const bool inside = p.x > 359.9 && p.x < 5760.1 && p.y > 899.9 && p.y < 6300.1;
            const auto near = [](double v, double w) { return std::abs(v - w) < 1e-6; };
            return inside && (near(p.x, 360) || near(p.x, 5760) || near(p.y, 900) || near(p.y, 6300));
        };
        const auto between = [&](shell::PointTwips p) {
            const double along = (p.x - line->from.x) * (line->to.x - line->from.x) +
                                 (p.y - line->from.y) * (line->to.y - line->from.y);
            const double whole = std::pow(line->to.x - line->from.x, 2) + std::pow(line->to.y - line->from.y, 2);
            return std::abs(side(line->from, line->to, p.x, p.y)) < 1e-3 * whole && along >= 0 && along <= whole;
        };
        if (segment ? !(line->from == a && line->to == b) : !(onEdge(line->from) && onEdge(line->to)))
            return "the line does not run from edge to edge (or A to B for a segment)";
        if (!between(a) || !between(b))
            return "A or B is not on the drawn line";
        for (const shell::Mark& mark : drawing.marks) {
            shell::TwipRect box;
            if (const auto* text = std::get_if<shell::TextMark>(&mark); text && text->background)
                box = text->rect;
            else if (const auto* square = std::get_if<shell::BoxMark>(&mark))
                box = square->rect;
            else
                continue;
            if (box.left < 0 || box.left + box.width > 6120 || box.top < 660 || box.top + box.height > 6700)
                return "a label box outside the figure's room";
            if (std::get_if<shell::BoxMark>(&mark)) {
                // A point's letter: every corner on one side of the line.
                const double s1 = side(line->from, line->to, box.left, box.top);
                const double s2 = side(line->from, line->to, box.left + box.width, box.top);
                const double s3 = side(line->from, line->to, box.left, box.top + box.height);
                const double s4 = side(line->from, line->to, box.left + box.width, box.top + box.height);
                if (!((s1 > 0 && s2 > 0 && s3 > 0 && s4 > 0) || (s1 < 0 && s2 < 0 && s3 < 0 && s4 < 0)))
                    return "a point's label on the line";
            }
        }
    }
    return {};
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json& data = e.fields.back().second;
    const std::string kind = data["kind"].text();
    if (mode < 3 && kind != kKinds[static_cast<std::size_t>(mode)])
        return "kind " + kind + " in another mode";
    const long xA = data["ax"].whole(), yA = data["ay"].whole(), xB = data["bx"].whole(), yB = data["by"].whole();
    for (const long v : {xA, yA, xB, yB}) {
        if (v < -9 || v > 9)
            return "a coordinate off the grid";
    }
    if (xA == xB && yA == yB)
        return "A and B are one point";
    if (e.question.size() != 2 || e.question[0].text != "A(" + coordinate(xA) + ", " + coordinate(yA) + ")" ||
        e.question[1].text != "B(" + coordinate(xB) + ", " + coordinate(yB) + ")")
        return "the question lines do not name A and B";
    if (e.working.size() > 6)
        return "more than 6 working lines";

    std::vector<std::string> texts = e.answer;
    for (const shell::Line& line : e.working)
        texts.push_back(line.text);
    for (const std::string& text : texts) {
        // "+ 0" is wrong in an equation, not in a sum of coordinates such as (−4 + 0).
        const bool equation = text.starts_with("x = ") || text.starts_with("y = ") || text.starts_with("So ");
        if (text.find("1x") != std::string::npos || (equation && text.find("+ 0") != std::string::npos))
            return "\"" + text + "\" shows 1x or + 0";
    }

    std::string problem;
    if (kind == "gradient") {
        if (xB <= xA)
            problem = "B is not right of A";
        else
            problem = checkGradient(xB - xA, yB - yA, e.answer.at(0));
    } else if (kind == "equation") {
        if (xB < xA)
            problem = "B is left of A";
        else
            problem = checkEquation(xA, yA, xB, yB, e.answer.at(0));
    } else {
        problem = checkMidpoint(xA, yA, xB, yB, e.answer);
    }
    if (!problem.empty())
        return problem;
    return checkFigure(e, xA, yA, xB, yB, kind == "midpoint-length");
}

} // namespace coordinates::checks
