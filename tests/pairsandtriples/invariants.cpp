// The Pairs and Triples invariants for the volume run: sums and products checked by trying every
// candidate, the Pythagorean triples by their squares.
#include "invariants.h"

#include <cstdlib>
#include <regex>

namespace pairsandtriples::checks {
namespace {

using reliability::readN;

// The text of the working's one orange cell; empty unless there is exactly one.
std::string orangeCell(const shell::Exercise& e)
{
    std::vector<std::string> orange;
    for (const shell::Line& line : e.working) {
        for (const shell::Cell& cell : line.cells) {
            if (cell.colour == shell::colour::orange)
                orange.push_back(cell.text);
        }
    }
    return orange.size() == 1 ? orange[0] : std::string();
}

std::string checkPythagoras(const shell::Json& data, const shell::Exercise& e)
{
    const long long sides[] = {data["a"].whole(), data["b"].whole(), data["c"].whole()};
    const long long k = data["multiplier"].whole();
    const std::string missing = data["missing"].text();
    if (sides[0] * sides[0] + sides[1] * sides[1] != sides[2] * sides[2] || sides[0] <= 0 ||
        sides[0] >= sides[1] || data["triple"][0].whole() * k != sides[0] ||
        data["triple"][2].whole() * k != sides[2])
        return "a, b and c are not a multiple of the triple with a² + b² = c² and a < b";
    static const std::regex kShown("a = (.+), b = (.+), c = (.+)");
    std::smatch m;
    if (!std::regex_match(e.question[1].text, m, kShown))
        return "the question does not show a, b and c";
    for (std::size_t i = 0; i < 3; ++i) {
        const bool gap = missing == std::string(1, "abc"[i]);
        if (gap ? m[i + 1] != "?" : readN(m[i + 1].str()) != sides[i])
            return "the question does not show the triple with one gap";
        if (gap && e.answer[0] != missing + " = " + std::to_string(sides[i]))
            return "the answer does not fill the gap";
    }
    if (e.question[0].text != "a\u00b2 + b\u00b2 = c\u00b2" || !e.question[0].style ||
        e.question[0].style->colour != shell::colour::white)
        return "the first line is not a² + b² = c² in white";
    return {};
}

std::string checkTriple(long long sum, long long product, const std::vector<long long>& n,
                        const shell::Exercise& e)
{
    if (n.size() != 3 || n[0] < 1 || n[0] > n[1] || n[1] > n[2] || n[2] > 12 || n[0] + n[1] + n[2] != sum ||
        n[0] * n[1] * n[2] != product || sum < 6 || sum > 33 || product < 8 || product > 1331)
        return "the three numbers are out of order or range, or lack the sum and product";
    int withProduct = 0;
    for (long long u = 1; 3 * u <= sum; ++u) {
        for (long long v = u; u + 2 * v <= sum; ++v)
            withProduct += u * v * (sum - u - v) == product ? 1 : 0;
    }
    std::size_t triples = 0;
    for (long long p = 1; p * p * p <= product; ++p) {
        for (long long q = p; p * q * q <= product; ++q)
            triples += product % (p * q) == 0 ? 1 : 0;
    }
    std::size_t cells = 0;
    for (const shell::Line& line : e.working)
        cells += line.cells.size();
    const std::string numbers =
        std::to_string(n[0]) + ", " + std::to_string(n[1]) + " and " + std::to_string(n[2]);
    const std::string orange = std::to_string(n[0]) + " + " + std::to_string(n[1]) + " + " +
                               std::to_string(n[2]) + " = " + std::to_string(sum);
    if (withProduct != 1 || triples < 3 || triples > 10 || cells != triples || orangeCell(e) != orange ||
        e.answer[0] != numbers)
        return "not one answer, not 3 to 10 factor triples listed, or the orange cell or answer is not it";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (kind == "pythagoras")
        return checkPythagoras(data, e);
    const long long sum = data["sum"].whole();
    const long long product = data["product"].whole();
    if (e.question.size() != 2 || e.question[0].text.substr(0, 6) != "Sum = " ||
        readN(e.question[0].text.substr(6)) != sum || e.question[1].text.substr(0, 10) != "Product = " ||
        readN(e.question[1].text.substr(10)) != product)
        return "the question does not give the sum and product";
    std::vector<long long> n;
    for (const shell::Json& value : data["numbers"].elements())
        n.push_back(value.whole());
    if (kind == "triples")
        return checkTriple(sum, product, n, e);
    const bool negatives = kind == "negatives";
    if (n.size() != 2 || n[0] >= n[1] || n[0] + n[1] != sum || n[0] * n[1] != product || n[0] == 0 ||
        n[1] == 0 ||
        (negatives ? n[0] > 0 || sum < -23 || sum > 11 || product < -144 || product > 132
                   : n[0] < 1 || n[1] > 12 || sum < 3 || sum > 23 || product < 2 || product > 132))
        return "the numbers lack the sum and product or are out of range";
    const long long small = std::min(std::llabs(n[0]), std::llabs(n[1]));
    if (reliability::readNs(e.answer[0], " and ") != n ||
        orangeCell(e) != std::to_string(small) + " \u00d7 " + std::to_string(std::llabs(product) / small))
        return "the answer or the orange cell is not the two numbers";
    return reliability::checkFactorPairs(e.working, std::llabs(product));
}

} // namespace pairsandtriples::checks
