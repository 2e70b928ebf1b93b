// What every coordinates question must satisfy, worked out again from A and B: the points on the
// grid, the gradient in lowest terms, an equation that A and B satisfy, a whole length and a
// midpoint in halves, no "1x" or "+ 0" in an equation, and a figure whose line reaches the
// grid's edge through A and B with every label box inside the figure's room.
#include "shell/core/activity.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <regex>
#include <string>
#include <variant>
#include <vector>

namespace coordinates::checks {
namespace {

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

// The minus sign as "-", so that numbers read with std::stod.
std::string plain(std::string text)
{
    for (std::size_t at = text.find("\u2212"); at != std::string::npos; at = text.find("\u2212", at))
        text.replace(at, 3, "-");
    return text;
}

std::string point(char name, long x, long y)
{
    return std::string(1, name) + "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string checkAnswer(const std::string& kind, long xA, long yA, long xB, long yB, const std::vector<std::string>& lines)
{
    const long run = xB - xA, rise = yB - yA;
    const std::string answer = plain(lines[0]);
    std::smatch m;
    if (kind == "gradient") {
        static const std::regex kGradient(R"(^Gradient = (-?\d+)(?:/(\d+))?$)");
        if (run <= 0 || !std::regex_match(answer, m, kGradient))
            return "B is not right of A, or no gradient";
        const long p = std::stol(m[1]), q = m[2].matched ? std::stol(m[2]) : 1;
        if (p * run != q * rise || std::gcd(p, q) != 1 || (m[2].matched && q == 1))
            return "the gradient is not rise/run in lowest terms";
    } else if (kind == "equation") {
        static const std::regex kLevel(R"(^([xy]) = (-?\d+)$)");
        static const std::regex kSlanted(R"(^y = (-?)(\d*)x(?: ([-+]) (\d+))?$)");
        if (std::regex_match(answer, m, kLevel)) {
            const long k = std::stol(m[2]);
            const bool vertical = m[1] == "x";
            if (k == 0 || (vertical ? xA != k || xB != k || rise < 2 : yA != k || yB != k || run < 2))
                return "\"" + lines[0] + "\" is not the level line through A and B";
        } else if (std::regex_match(answer, m, kSlanted) && m[2] != "1" && m[4] != "0") {
            const long slope = (m[1].matched && m[1] == "-" ? -1 : 1) * (m[2].length() ? std::stol(m[2]) : 1);
            const long c = m[3].matched ? (m[3] == "-" ? -1 : 1) * std::stol(m[4]) : 0;
            if (std::abs(slope) > 5 || std::abs(c) > 8 || run < 2 || slope * xA + c != yA || slope * xB + c != yB)
                return "\"" + lines[0] + "\" is not the line through A and B";
        } else {
            return "unreadable equation \"" + lines[0] + "\"";
        }
    } else {
        static const std::regex kMidpoint(R"(^Midpoint \((-?[\d.]+), (-?[\d.]+)\)$)");
        const std::vector<long> lengths{5, 10, 13, 15, 17, 20};
        if (lines.size() != 2 || !std::regex_match(answer, m, kMidpoint) || !lines[1].starts_with("Length AB = "))
            return "not a midpoint and a length";
        const long length = std::stol(lines[1].substr(12));
        if (length * length != run * run + rise * rise || std::find(lengths.begin(), lengths.end(), length) == lengths.end())
            return "the length is not √(run² + rise²) of a listed triple";
        if (2 * std::stod(m[1]) != xA + xB || 2 * std::stod(m[2]) != yA + yB)
            return "the midpoint is not halfway";
    }
    return {};
}

// Which side of the line through p and q a point lies: the sign of the cross product.
double side(shell::PointTwips p, shell::PointTwips q, shell::PointTwips r)
{
    return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
}

std::string checkFigure(const shell::Exercise& e, long xA, long yA, long xB, long yB, bool segment)
{
    const auto stage = [](double x, double y) { return shell::PointTwips{3060 + 270 * x, 3600 - 270 * y}; };
    const shell::PointTwips a = stage(xA, yA), b = stage(xB, yB);
    const auto near = [](double v, double w) { return std::abs(v - w) < 1e-6; };
    const auto onEdge = [&](shell::PointTwips p) {
        const bool inside = p.x > 359.9 && p.x < 5760.1 && p.y > 899.9 && p.y < 6300.1;
        return inside && (near(p.x, 360) || near(p.x, 5760) || near(p.y, 900) || near(p.y, 6300));
    };
    for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
        const shell::Drawing drawing = e.figure(state, RoughMeasure());
        const shell::LineMark* line = nullptr;
        for (const shell::Mark& mark : drawing.marks) {
            if (const auto* l = std::get_if<shell::LineMark>(&mark); l && l->colour == shell::colour::yellow)
                line = l;
        }
        if (!line || (segment ? !(line->from == a && line->to == b) : !(onEdge(line->from) && onEdge(line->to))))
            return "the line does not run from edge to edge (or A to B for a segment)";
        const auto between = [&](shell::PointTwips p) {
            const double along = (p.x - line->from.x) * (line->to.x - line->from.x) + (p.y - line->from.y) * (line->to.y - line->from.y);
            const double whole = std::pow(line->to.x - line->from.x, 2) + std::pow(line->to.y - line->from.y, 2);
            return std::abs(side(line->from, line->to, p)) < 1e-3 * whole && along >= 0 && along <= whole;
        };
        if (!between(a) || !between(b))
            return "A or B is not on the drawn line";
        for (const shell::Mark& mark : drawing.marks) {
            const auto* text = std::get_if<shell::TextMark>(&mark);
            const auto* square = std::get_if<shell::BoxMark>(&mark);
            if (!(text && text->background) && !square)
                continue;
            const shell::TwipRect box = square ? square->rect : text->rect;
            if (box.left < 0 || box.left + box.width > 6120 || box.top < 660 || box.top + box.height > 6700)
                return "a label box outside the figure's room";
        }
    }
    return {};
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    static const std::vector<std::string> kKinds{"gradient", "equation", "midpoint-length"};
    const shell::Json& data = e.fields.back().second;
    const std::string kind = data["kind"].text();
    if (mode < 3 && kind != kKinds[static_cast<std::size_t>(mode)])
        return "kind " + kind + " in another mode";
    const long xA = data["ax"].whole(), yA = data["ay"].whole(), xB = data["bx"].whole(), yB = data["by"].whole();
    if (std::max({std::abs(xA), std::abs(yA), std::abs(xB), std::abs(yB)}) > 9 || (xA == xB && yA == yB) ||
        (kind != "midpoint-length" && xB < xA))
        return "A and B off the grid, one point, or B left of A";
    if (e.question.size() != 2 || plain(e.question[0].text) != point('A', xA, yA) ||
        plain(e.question[1].text) != point('B', xB, yB) || e.working.size() > 6)
        return "the question lines do not name A and B, or more than 6 working lines";
    std::vector<std::string> texts = e.answer;
    for (const shell::Line& line : e.working)
        texts.push_back(line.text);
    for (const std::string& text : texts) {
        // "+ 0" is wrong in an equation, not in a sum of coordinates such as (−4 + 0).
        const bool equation = text.starts_with("x = ") || text.starts_with("y = ") || text.starts_with("So ");
        if (text.find("1x") != std::string::npos || (equation && text.find("+ 0") != std::string::npos))
            return "\"" + text + "\" shows 1x or + 0";
    }
    if (auto problem = checkAnswer(kind, xA, yA, xB, yB, e.answer); !problem.empty())
        return problem;
    return checkFigure(e, xA, yA, xB, yB, kind == "midpoint-length");
}

} // namespace coordinates::checks
