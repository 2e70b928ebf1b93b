// What every circumcircles and incircles question must satisfy, worked out again from its texts
// and its figure: a Pythagorean triple and its radii, angles that make a triangle of the stated
// type, and a figure true to them, its labels inside their room, clear of each other and of the
// lines. Labels are measured from their characters, as a Tahoma-like face would set them.
#include "shell/core/activity.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <regex>
#include <string>
#include <variant>
#include <vector>

namespace circumcircles::checks {
namespace {

using shell::PointTwips;
using shell::TwipRect;

// 0.55 em a character, 1.2 em a line.
struct CharacterMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view text, const shell::FontStyle& font) const override
    {
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; });
        const double em = font.points * shell::kTwipsPerPoint;
        return {0.55 * em * static_cast<double>(characters), 1.2 * em};
    }
};

constexpr PointTwips kCentre{2600, 4300};
constexpr double kRadius = 1400;
constexpr TwipRect kRoom{240, 2250, 4650, 4350};

double distance(PointTwips p, PointTwips q)
{
    return std::hypot(p.x - q.x, p.y - q.y);
}

struct Segment {
    PointTwips from, to;
    double width;
};

// The distance from p to the segment, and where along it (0 to 1) the nearest point lies.
double distanceTo(PointTwips p, const Segment& s, double* along = nullptr)
{
    const double dx = s.to.x - s.from.x;
    const double dy = s.to.y - s.from.y;
    const double t = std::clamp(((p.x - s.from.x) * dx + (p.y - s.from.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    if (along)
        *along = t;
    return distance(p, {s.from.x + t * dx, s.from.y + t * dy});
}

bool inside(PointTwips p, const TwipRect& r)
{
    return p.x >= r.left && p.x <= r.left + r.width && p.y >= r.top && p.y <= r.top + r.height;
}

TwipRect grown(const TwipRect& r, double by)
{
    return {r.left - by, r.top - by, r.width + 2 * by, r.height + 2 * by};
}

// Whether the segment passes through the rectangle: sampled finely enough for lines of twips.
bool crosses(const Segment& s, const TwipRect& r)
{
    const TwipRect wide = grown(r, s.width / 2);
    const int steps = static_cast<int>(distance(s.from, s.to) / 5) + 1;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        if (inside({s.from.x + t * (s.to.x - s.from.x), s.from.y + t * (s.to.y - s.from.y)}, wide))
            return true;
    }
    return false;
}

bool crosses(const shell::CircleMark& c, const TwipRect& r)
{
    const TwipRect wide = grown(r, c.width / 2);
    const double nearX = std::clamp(c.centre.x, wide.left, wide.left + wide.width);
    const double nearY = std::clamp(c.centre.y, wide.top, wide.top + wide.height);
    const double nearest = distance(c.centre, {nearX, nearY});
    const double farthest = std::hypot(std::max(std::fabs(c.centre.x - wide.left), std::fabs(c.centre.x - wide.left - wide.width)),
                                       std::max(std::fabs(c.centre.y - wide.top), std::fabs(c.centre.y - wide.top - wide.height)));
    return c.fill ? nearest <= c.radius : nearest <= c.radius && c.radius <= farthest;
}

bool overlap(const TwipRect& a, const TwipRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

struct Parts {
    std::vector<PointTwips> triangle;
    std::vector<Segment> segments; // the triangle's sides and every line
    std::vector<shell::CircleMark> circles;
    std::vector<shell::TextMark> labels;
};

Parts partsOf(const shell::Drawing& drawing)
{
    Parts parts;
    for (const shell::Mark& mark : drawing.marks) {
        if (const auto* polygon = std::get_if<shell::PolygonMark>(&mark)) {
            parts.triangle = polygon->points;
            for (std::size_t i = 0; i < polygon->points.size(); ++i)
                parts.segments.push_back(
                    {polygon->points[i], polygon->points[(i + 1) % polygon->points.size()], polygon->width});
        } else if (const auto* line = std::get_if<shell::LineMark>(&mark)) {
            parts.segments.push_back({line->from, line->to, line->width});
        } else if (const auto* circle = std::get_if<shell::CircleMark>(&mark)) {
            parts.circles.push_back(*circle);
        } else if (const auto* text = std::get_if<shell::TextMark>(&mark)) {
            parts.labels.push_back(*text);
        }
    }
    return parts;
}

// Straight lines never cross a label; a circle may pass behind a label's box, except where the
// labels stand outside the circle.
std::string checkLabels(const Parts& parts, bool clearOfCircles)
{
    for (std::size_t i = 0; i < parts.labels.size(); ++i) {
        const shell::TextMark& label = parts.labels[i];
        if (!inside({label.rect.left, label.rect.top}, kRoom) ||
            !inside({label.rect.left + label.rect.width, label.rect.top + label.rect.height}, kRoom))
            return "the label " + label.text + " leaves the figure's room";
        if (label.background != shell::colour::screenBlue)
            return "the label " + label.text + " has no box of the stage blue";
        for (std::size_t j = 0; j < i; ++j) {
            if (overlap(label.rect, parts.labels[j].rect))
                return "the labels " + label.text + " and " + parts.labels[j].text + " overlap";
        }
        for (const Segment& s : parts.segments) {
            if (crosses(s, label.rect))
                return "a line crosses the label " + label.text;
        }
        for (const shell::CircleMark& c : parts.circles) {
            if (clearOfCircles && crosses(c, label.rect))
                return "a circle crosses the label " + label.text;
        }
    }
    for (const Segment& s : parts.segments) {
        if (!inside(s.from, kRoom) || !inside(s.to, kRoom))
            return "a line leaves the figure's room";
    }
    return {};
}

// The outline circle of the colour (not a dot).
const shell::CircleMark* outlineCircle(const Parts& parts)
{
    for (const shell::CircleMark& c : parts.circles) {
        if (c.outline == shell::colour::orange && !c.fill)
            return &c;
    }
    return nullptr;
}

std::string checkRightTriangle(const std::string& kind, const shell::Exercise& e, const shell::Json& data)
{
    static const std::regex sidesForm(
        R"(The shorter sides are (\d+) cm and (\d+) cm\.|The sides are (\d+) cm, (\d+) cm and (\d+) cm\.)");
    std::smatch m;
    const std::string line = e.question.at(1).text;
    if (!std::regex_match(line, m, sidesForm) || m[1].matched != (kind == "circumcircle"))
        return "the sides line \"" + line + "\" is not the kind's";
    const long long a = std::stoll(m[1].matched ? m[1] : m[3]);
    const long long b = std::stoll(m[1].matched ? m[2] : m[4]);
    const long long c = data["c"].whole();
    if (m[5].matched && std::stoll(m[5]) != c)
        return "the hypotenuse is not the data's";
    if (a != data["a"].whole() || b != data["b"].whole() || a >= b || a * a + b * b != c * c)
        return "the sides are not a right-angled triangle's, shorter leg first";
    // The inradius is the area over the half-perimeter, and whole.
    const long long r = data["inradius"].whole();
    if (r * (a + b + c) != a * b || 2 * r != a + b - c || data["circumradius"].number() != c / 2.0)
        return "the radii are not the triangle's";
    const std::string R = std::to_string(c / 2) + (c % 2 == 1 ? ".5" : "");
    const std::string answer = kind == "circumcircle" ? "R = " + R + " cm" : "r = " + std::to_string(r) + " cm";
    if (e.answer != std::vector<std::string>{answer})
        return "the answer is not " + answer;

    const CharacterMeasure measure;
    const Parts question = partsOf(e.figure(shell::FigureState::Question, measure));
    const Parts solution = partsOf(e.figure(shell::FigureState::Solution, measure));
    if (solution.triangle.size() != 3)
        return "the figure has no triangle";
    const PointTwips P = solution.triangle[0];
    const PointTwips Q = solution.triangle[1];
    const PointTwips T = solution.triangle[2];
    const double scale = distance(P, Q) / static_cast<double>(a);
    if (std::fabs(distance(P, T) - scale * b) > 0.5 || std::fabs(distance(Q, T) - scale * c) > 0.5 ||
        std::fabs(P.y - Q.y) > 0.5 || std::fabs(P.x - T.x) > 0.5)
        return "the triangle is not drawn to scale with its legs along the axes";
    const shell::CircleMark* circle = outlineCircle(solution);
    if (!circle || outlineCircle(question))
        return "the solution alone shows the circle";
    if (kind == "circumcircle") {
        for (PointTwips corner : {P, Q, T}) {
            if (std::fabs(distance(corner, circle->centre) - circle->radius) > 0.5)
                return "a corner is off the circumcircle";
        }
    } else {
        if (std::fabs(circle->radius - scale * static_cast<double>(r)) > 0.5)
            return "the incircle's radius is not r to scale";
        for (std::size_t i = 0; i < 3; ++i) {
            double along = 0;
            const double d = distanceTo(circle->centre, solution.segments[i], &along);
            if (std::fabs(d - circle->radius) > 0.5 || along <= 0 || along >= 1)
                return "the incircle does not touch every side";
        }
    }
    const std::size_t labels = kind == "circumcircle" ? 2 : 3;
    if (question.labels.size() != labels || solution.labels.size() != 3)
        return "the figure does not label the sides it gives";
    if (auto problem = checkLabels(question, false); !problem.empty())
        return problem;
    return checkLabels(solution, false);
}

// The angle at p between the lines to q and r, in degrees.
double angleAt(PointTwips p, PointTwips q, PointTwips r)
{
    const double a = std::atan2(q.y - p.y, q.x - p.x) - std::atan2(r.y - p.y, r.x - p.x);
    double degrees = std::fabs(a) * 180 / std::numbers::pi;
    return degrees > 180 ? 360 - degrees : degrees;
}

std::string checkInOrOut(const shell::Exercise& e, const shell::Json& data)
{
    static const std::regex anglesLine(R"(The angles are (\d+)°, (\d+)° and (\d+)°\.)");
    std::smatch m;
    const std::string line = e.question.at(1).text;
    if (!std::regex_match(line, m, anglesLine))
        return "the angles line \"" + line + "\" is not written in its form";
    const int angles[3] = {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
    const shell::Json& stated = data["angles"];
    if (angles[0] != stated["top"].whole() || angles[1] != stated["left"].whole() ||
        angles[2] != stated["right"].whole())
        return "the angles are not the data's";
    if (angles[0] + angles[1] + angles[2] != 180)
        return "the angles do not add to 180";
    for (int angle : angles) {
        if (angle % 5 != 0 || angle < 20)
            return "an angle is not a multiple of 5 of at least 20";
    }
    const int largest = angles[0];
    if (largest < angles[1] || largest < angles[2])
        return "the largest angle is not at the top";
    const std::string type = data["type"].text();
    const std::string answer = largest > 90 ? "Outside the triangle" : largest == 90 ? "On the longest side" : "Inside the triangle";
    if (type != (largest > 90 ? "obtuse" : largest == 90 ? "right" : "acute") || e.answer != std::vector<std::string>{answer})
        return "the type or the answer is not the largest angle's";
    if ((largest < 90 && largest > 80) || (largest > 90 && largest < 100))
        return "the triangle only looks right-angled";

    const CharacterMeasure measure;
    for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
        const Parts parts = partsOf(e.figure(state, measure));
        if (parts.triangle.size() != 3 || parts.labels.size() != 3)
            return "the figure is not a labelled triangle";
        for (std::size_t i = 0; i < 3; ++i) {
            const PointTwips corner = parts.triangle[i];
            if (std::fabs(distance(corner, kCentre) - kRadius) > 0.5)
                return "a corner is off the circumcircle";
            const double drawn = angleAt(corner, parts.triangle[(i + 1) % 3], parts.triangle[(i + 2) % 3]);
            // The label that belongs to a corner is the one nearest it.
            const auto nearest = std::min_element(parts.labels.begin(), parts.labels.end(), [&](const auto& x, const auto& y) {
                return distance(corner, {x.rect.left + x.rect.width / 2, x.rect.top + x.rect.height / 2}) <
                       distance(corner, {y.rect.left + y.rect.width / 2, y.rect.top + y.rect.height / 2});
            });
            if (std::fabs(drawn - angles[i]) > 0.01 || nearest->text != std::to_string(angles[i]) + "°")
                return "the corner drawn with " + std::to_string(drawn) + "° is labelled " + nearest->text;
        }
        if (state == shell::FigureState::Solution) {
            if (parts.segments.size() != 6 || !outlineCircle(parts))
                return "the solution does not show three bisectors and the circumcircle";
            for (std::size_t i = 3; i < 6; ++i) {
                if (distanceTo(kCentre, parts.segments[i]) > 0.5)
                    return "the centre is not on a bisector";
            }
        } else if (parts.segments.size() != 3 || !parts.circles.empty()) {
            return "the question shows more than the triangle";
        }
        if (auto problem = checkLabels(parts, true); !problem.empty())
            return problem;
    }
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (mode != 3 && kind != activity.modes[static_cast<std::size_t>(mode)].sheetName)
        return "the kind " + kind + " is not the mode's";
    if (e.working.size() > 7)
        return "more than 7 working lines";
    if (e.layout.working.left < kRoom.left + kRoom.width || e.layout.working.top != 2300)
        return "the working panel does not stand beside the figure";
    return kind == "in-or-out" ? checkInOrOut(e, data) : checkRightTriangle(kind, e, data);
}

} // namespace circumcircles::checks
