// What every circumcircles and incircles question must satisfy, from its texts and its figure: a
// Pythagorean triple and its radii, angles that make a triangle of the stated type, and a figure
// true to them, its labels inside their room, apart, and crossed by no line. Labels are measured
// from their characters, roughly as Tahoma sets them.
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

struct CharacterMeasure final : shell::TextMeasure {
    shell::TextSize measure(std::string_view text, const shell::FontStyle& font) const override
    {
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; });
        return {0.55 * font.points * 20 * static_cast<double>(characters), 1.2 * font.points * 20};
    }
};

constexpr PointTwips kCentre{2600, 4300};
constexpr TwipRect kRoom{240, 2250, 4650, 4350};

double distance(PointTwips p, PointTwips q)
{
    return std::hypot(p.x - q.x, p.y - q.y);
}

struct Segment {
    PointTwips from, to;
    double width;

    PointTwips at(double t) const { return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)}; }
};

bool inside(PointTwips p, const TwipRect& r, double margin = 0)
{
    return p.x >= r.left - margin && p.x <= r.left + r.width + margin && p.y >= r.top - margin &&
           p.y <= r.top + r.height + margin;
}

struct Figure {
    std::vector<PointTwips> corners;
    std::vector<Segment> lines; // the triangle's sides first
    std::vector<shell::CircleMark> circles;
    std::vector<shell::TextMark> labels;
};

Figure figureOf(const shell::Exercise& e, shell::FigureState state)
{
    Figure f;
    for (const shell::Mark& mark : e.figure(state, CharacterMeasure()).marks) {
        if (const auto* polygon = std::get_if<shell::PolygonMark>(&mark)) {
            f.corners = polygon->points;
            for (std::size_t i = 0; i < f.corners.size(); ++i)
                f.lines.push_back({f.corners[i], f.corners[(i + 1) % f.corners.size()], polygon->width});
        } else if (const auto* line = std::get_if<shell::LineMark>(&mark)) {
            f.lines.push_back({line->from, line->to, line->width});
        } else if (const auto* circle = std::get_if<shell::CircleMark>(&mark)) {
            if (!circle->fill)
                f.circles.push_back(*circle);
        } else {
            f.labels.push_back(std::get<shell::TextMark>(mark));
        }
    }
    return f;
}

// Labels stay in the room and apart, and no straight line crosses one (a circle may pass behind
// a label's box).
std::string checkLabels(const Figure& f)
{
    for (std::size_t i = 0; i < f.labels.size(); ++i) {
        const TwipRect& r = f.labels[i].rect;
        if (!inside({r.left, r.top}, kRoom) || !inside({r.left + r.width, r.top + r.height}, kRoom))
            return "the label " + f.labels[i].text + " leaves the figure's room";
        for (std::size_t j = 0; j < i; ++j) {
            const TwipRect& q = f.labels[j].rect;
            if (r.left < q.left + q.width && q.left < r.left + r.width && r.top < q.top + q.height && q.top < r.top + r.height)
                return "the labels " + f.labels[i].text + " and " + f.labels[j].text + " overlap";
        }
        for (const Segment& s : f.lines) {
            for (double t = 0; t <= 1; t += 0.002) {
                if (inside(s.at(t), r, s.width / 2))
                    return "a line crosses the label " + f.labels[i].text;
            }
        }
    }
    for (const Segment& s : f.lines) {
        if (!inside(s.from, kRoom) || !inside(s.to, kRoom))
            return "a line leaves the figure's room";
    }
    return {};
}

std::string checkRightTriangle(const std::string& kind, const shell::Exercise& e, const shell::Json& data)
{
    const long long a = data["a"].whole();
    const long long b = data["b"].whole();
    const long long c = data["c"].whole();
    const long long r = data["inradius"].whole();
    const std::string given = kind == "circumcircle"
                                  ? "The shorter sides are " + std::to_string(a) + " cm and " + std::to_string(b) + " cm."
                                  : "The sides are " + std::to_string(a) + " cm, " + std::to_string(b) + " cm and " +
                                        std::to_string(c) + " cm.";
    if (e.question.at(1).text != given || a >= b || a * a + b * b != c * c)
        return "the sides are not a right-angled triangle's, shorter leg first";
    // The inradius is the area over the half-perimeter.
    if (r * (a + b + c) != a * b || data["circumradius"].number() != c / 2.0)
        return "the radii are not the triangle's";
    const std::string answer = kind == "circumcircle" ? "R = " + std::to_string(c / 2) + (c % 2 ? ".5" : "") + " cm"
                                                      : "r = " + std::to_string(r) + " cm";
    if (e.answer != std::vector<std::string>{answer})
        return "the answer is not " + answer;

    const Figure question = figureOf(e, shell::FigureState::Question);
    const Figure solution = figureOf(e, shell::FigureState::Solution);
    const PointTwips P = solution.corners.at(0);
    const PointTwips Q = solution.corners.at(1);
    const PointTwips T = solution.corners.at(2);
    const double scale = distance(P, Q) / static_cast<double>(a);
    if (std::fabs(distance(P, T) - scale * b) > 0.5 || std::fabs(distance(Q, T) - scale * c) > 0.5 ||
        std::fabs(P.y - Q.y) > 0.5 || std::fabs(P.x - T.x) > 0.5)
        return "the triangle is not to scale with its legs along the axes";
    if (!question.circles.empty() || solution.circles.size() != 1)
        return "the solution alone shows the circle";
    const shell::CircleMark& circle = solution.circles[0];
    for (std::size_t i = 0; i < 3; ++i) {
        // The circumcircle passes through every corner; the incircle touches every side.
        const Segment& side = solution.lines[i];
        double nearest = 1e9;
        for (double t = 0; t <= 1; t += 0.0005)
            nearest = std::min(nearest, distance(circle.centre, side.at(t)));
        const double off = kind == "circumcircle" ? distance(side.from, circle.centre) - circle.radius
                                                  : nearest - circle.radius;
        if (std::fabs(off) > 1)
            return kind + " is not true to the triangle";
    }
    if (question.labels.size() != (kind == "circumcircle" ? 2u : 3u) || solution.labels.size() != 3)
        return "the figure does not label the sides it gives";
    const std::string problem = checkLabels(question);
    return problem.empty() ? checkLabels(solution) : problem;
}

std::string checkInOrOut(const shell::Exercise& e, const shell::Json& data)
{
    const int angles[3] = {static_cast<int>(data["angles"]["top"].whole()),
                           static_cast<int>(data["angles"]["left"].whole()),
                           static_cast<int>(data["angles"]["right"].whole())};
    const auto degrees = [](int angle) { return std::to_string(angle) + "°"; };
    if (e.question.at(1).text !=
        "The angles are " + degrees(angles[0]) + ", " + degrees(angles[1]) + " and " + degrees(angles[2]) + ".")
        return "the angles line is not the data's";
    if (angles[0] + angles[1] + angles[2] != 180 || angles[0] < angles[1] || angles[0] < angles[2])
        return "the angles do not add to 180 or the largest is not at the top";
    for (int angle : angles) {
        if (angle % 5 != 0 || angle < 20)
            return "an angle is not a multiple of 5 of at least 20";
    }
    const int G = angles[0];
    if ((G > 80 && G < 90) || (G > 90 && G < 100))
        return "the triangle only looks right-angled";
    const std::string answer = G > 90 ? "Outside the triangle" : G == 90 ? "On the longest side" : "Inside the triangle";
    if (data["type"].text() != (G > 90 ? "obtuse" : G == 90 ? "right" : "acute") || e.answer[0] != answer)
        return "the type or the answer is not the largest angle's";

    for (const auto state : {shell::FigureState::Question, shell::FigureState::Solution}) {
        const Figure f = figureOf(e, state);
        if (f.corners.size() != 3 || f.labels.size() != 3)
            return "the figure is not a labelled triangle";
        for (std::size_t i = 0; i < 3; ++i) {
            const PointTwips p = f.corners[i];
            const PointTwips q = f.corners[(i + 1) % 3];
            const PointTwips r = f.corners[(i + 2) % 3];
            const double drawn = std::acos(((q.x - p.x) * (r.x - p.x) + (q.y - p.y) * (r.y - p.y)) /
                                           (distance(p, q) * distance(p, r))) * 180 / std::numbers::pi;
            // The label of a corner is the one nearest it, outside the circle.
            const auto centre = [](const shell::TextMark& m) {
                return PointTwips{m.rect.left + m.rect.width / 2, m.rect.top + m.rect.height / 2};
            };
            const auto label = std::min_element(f.labels.begin(), f.labels.end(), [&](const auto& x, const auto& y) {
                return distance(p, centre(x)) < distance(p, centre(y));
            });
            const TwipRect& box = label->rect;
            const PointTwips near{std::clamp(kCentre.x, box.left, box.left + box.width),
                                  std::clamp(kCentre.y, box.top, box.top + box.height)};
            if (std::fabs(distance(p, kCentre) - 1400) > 0.5 || std::fabs(drawn - angles[i]) > 0.01 ||
                label->text != degrees(angles[i]) || distance(near, kCentre) < 1400)
                return "the corner drawn with " + std::to_string(drawn) + "° is labelled " + label->text;
        }
        const bool solved = state == shell::FigureState::Solution;
        if (f.lines.size() != (solved ? 6u : 3u) || f.circles.size() != (solved ? 1u : 0u))
            return "the solution alone shows the bisectors and the circumcircle";
        for (std::size_t i = 3; i < f.lines.size(); ++i) {
            double nearest = 1e9;
            for (double t = 0; t <= 1; t += 0.0005)
                nearest = std::min(nearest, distance(kCentre, f.lines[i].at(t)));
            if (nearest > 1)
                return "the centre is not on a bisector";
        }
        if (auto problem = checkLabels(f); !problem.empty())
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
    if (e.layout.working.left < kRoom.left + kRoom.width)
        return "the working panel is not beside the figure";
    return kind == "in-or-out" ? checkInOrOut(e, data) : checkRightTriangle(kind, e, data);
}

} // namespace circumcircles::checks
