// The Angles activities' invariants for the volume run. Parallel lines: one angle given within its
// range, and in the answer every other angle equal to it or its supplement as the figure's
// vertically opposite and corresponding angles require. Polygons: 3 to 12 sides, the interior
// angle stated exactly (and to a tenth when not whole).
#include "invariants.h"

#include <numeric>
#include <regex>

namespace angles::checks {
namespace {

// a, d, e and h are the obtuse angles of the figure; b, c, f and g the acute ones.
bool obtuse(int i)
{
    return i == 0 || i == 3 || i == 4 || i == 7;
}

std::string parallelLines(const shell::Json& fields)
{
    int given = -1;
    long long size = 0;
    for (int i = 0; i < 8; ++i) {
        static const std::regex kSize(" (\\d+)\u00B0");
        std::smatch m;
        const std::string& caption = fields["labels"][static_cast<std::size_t>(i)].text();
        if (caption == std::string(1, static_cast<char>('a' + i)))
            continue;
        if (given >= 0 || !std::regex_match(caption, m, kSize))
            return "the captions are not seven letters and one size";
        given = i;
        size = std::stoll(m[1]);
    }
    if (given < 0 || (obtuse(given) ? size < 95 || size > 174 : size < 10 || size > 77))
        return "no angle given, or out of its range";
    const std::string answer = fields["answer"][0].text() + fields["answer"][1].text();
    static const std::regex kItem("\\b([a-h]) = (\\d+)\u00B0");
    std::string letters;
    for (std::sregex_iterator it(answer.begin(), answer.end(), kItem), end; it != end; ++it) {
        const int i = (*it)[1].str()[0] - 'a';
        letters += (*it)[1].str();
        if (std::stoll((*it)[2]) != (obtuse(i) == obtuse(given) ? size : 180 - size))
            return "angle " + (*it)[1].str() + " is not worked from the given angle";
    }
    std::string expected = "abcdefgh";
    expected.erase(static_cast<std::size_t>(given), 1);
    return letters == expected ? "" : "the answer does not give the other seven angles in order";
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
    const int sides = static_cast<int>(fields["sides"].whole());
    if (sides < 3 || sides > 12)
        return "not 3 to 12 sides";
    const std::string& last = fields["solution"].elements().back().text();
    static const std::regex kTriangles(".*the interior angle is (.+)\\.");
    static const std::regex kCentre(".*the interior angle of the .+, is (.+)\\.");
    std::smatch m;
    if (mode == 0 && sides == 3)
        return last.ends_with(" 60\u00B0.") ? "" : "the triangle's angle is not 60°";
    if (!std::regex_match(last, m, mode == 0 ? kTriangles : kCentre) ||
        !statesInteriorAngle(sides, m[1], mode == 0 ? "\u00B0" : " degrees"))
        return "the solution does not state the interior angle exactly";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json fields(e.fields);
    return activity.modes.empty() ? parallelLines(fields) : polygons(mode, fields);
}

} // namespace angles::checks
