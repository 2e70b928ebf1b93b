// The Angles activities' invariants for the volume run. Parallel lines: one angle given within its
// range, the others asked, and in the answer each equal to it or its supplement as the figure's
// vertically opposite and corresponding angles require. Polygons: the polygon named, its interior
// angle stated exactly (and to a tenth when not whole).
#include "invariants.h"

#include <numeric>
#include <regex>

namespace angles::checks {
namespace {

const std::string kDegree = "\u00B0";

// a, d, e and h are the obtuse angles of the figure; b, c, f and g the acute ones.
bool obtuse(int i)
{
    return i == 0 || i == 3 || i == 4 || i == 7;
}

std::string letter(int i)
{
    return std::string(1, static_cast<char>('a' + i));
}

std::string parallelLines(const shell::Json& fields)
{
    int given = -1;
    long long size = 0;
    for (int i = 0; i < 8; ++i) {
        const std::string& caption = fields["labels"][static_cast<std::size_t>(i)].text();
        static const std::regex kSize(" (\\d+)\u00B0");
        std::smatch m;
        if (caption == letter(i))
            continue;
        if (given >= 0 || !std::regex_match(caption, m, kSize))
            return "the captions are not seven letters and one size";
        given = i;
        size = std::stoll(m[1]);
    }
    if (given < 0 || (obtuse(given) ? size < 95 || size > 174 : size < 10 || size > 77))
        return "no angle given, or out of its range";
    std::string asked, first = "Given angle = " + std::to_string(size) + kDegree + ", ", second;
    for (int i = 0; i < 8; ++i) {
        if (i == given)
            continue;
        asked += asked.empty() ? letter(i) : (i == 7 || (given == 7 && i == 6) ? " and " : ", ") + letter(i);
        const std::string item = letter(i) + " = " + std::to_string(obtuse(i) == obtuse(given) ? size : 180 - size) + kDegree;
        (i < 4 ? first : second) += i < 4 ? item + ", " : (second.empty() ? "" : ", ") + item;
    }
    if (fields["question"].text() != "If the given angle = " + std::to_string(size) + kDegree + ", what are angles " + asked + "?")
        return "the question does not ask for the other seven angles";
    if (fields["answer"][0].text() != first || fields["answer"][1].text() != second + ".")
        return "the answer is not worked from the given angle";
    return {};
}

// "128 4/7° (about 128.6°)" or "150°" with that unit: exactly (n - 2) x 180 / n.
bool statesInteriorAngle(int sides, const std::string& text, const std::string& unit)
{
    const std::regex exact("(\\d+)(?: (\\d+)/(\\d+))?" + unit + "(?: \\(about (\\d+)\\.(\\d)" + unit + "\\))?");
    std::smatch m;
    if (!std::regex_match(text, m, exact) || m[2].matched != m[4].matched)
        return false;
    const long long sum = (sides - 2) * 180LL, whole = std::stoll(m[1]);
    if (!m[2].matched)
        return whole * sides == sum;
    const long long num = std::stoll(m[2]), den = std::stoll(m[3]);
    const long long tenths = (20 * sum + sides) / (2 * sides);
    return num < den && std::gcd(num, den) == 1 && (whole * den + num) * sides == sum * den &&
           std::stoll(m[4]) * 10 + std::stoll(m[5]) == tenths;
}

std::string polygons(int mode, const shell::Json& fields)
{
    static const char* const kNames[] = {"equilateral triangle", "square", "pentagon", "hexagon", "heptagon",
                                         "octagon", "nonagon", "decagon", "hendecagon", "dodecagon"};
    const int sides = static_cast<int>(fields["sides"].whole());
    if (sides < 3 || sides > 12)
        return "not 3 to 12 sides";
    const std::string name = std::string(sides > 4 ? "regular " : "") + kNames[sides - 3];
    if (fields["question"].text() != "What are the interior angles of " + std::string(sides == 3 ? "an " : "a ") + name + "?")
        return "the question does not name its polygon";
    const shell::Json::Array& solution = fields["solution"].elements();
    const std::string& last = solution.back().text();
    std::smatch m;
    if (mode == 0) {
        static const std::regex kExplained("As (\\d+) times 180\u00B0 equals (\\d+) times the interior angle, the interior angle is (.+)\\.");
        const bool explained = std::regex_match(last, m, kExplained) && std::stoi(m[1]) == sides - 2 &&
                               std::stoi(m[2]) == sides && statesInteriorAngle(sides, m[3], kDegree);
        if (sides == 3 ? solution.size() != 1 || !last.ends_with(" 60\u00B0.") : solution.size() != 2 || !explained)
            return "the solution does not state the interior angle exactly";
        return solution[0].text().find(name) == std::string::npos ? "the solution names another polygon" : "";
    }
    static const std::regex kCentre(".*the interior angle of the (.+), is (.+)\\.");
    if (!std::regex_match(last, m, kCentre) || m[1] != name || !statesInteriorAngle(sides, m[2], " degrees"))
        return "the solution does not state the polygon's interior angle exactly";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    return activity.modes.empty() ? parallelLines(fields) : polygons(mode, fields);
}

} // namespace angles::checks
