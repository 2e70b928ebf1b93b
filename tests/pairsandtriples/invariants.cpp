// The Pairs and Triples invariants for the volume run: sums and products checked by trying every
// candidate, the Pythagorean triples by their squares.
#include "invariants.h"

#include "shell/core/activity.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pairsandtriples::checks {
namespace {

using reliability::between;
using reliability::readN;

// The working's cells, and the one drawn in orange (empty when not exactly one is).
struct Cells {
    std::vector<std::string> all;
    std::string orange;
};

Cells cellsOf(const shell::Exercise& e)
{
    Cells cells;
    int oranges = 0;
    for (const shell::Line& line : e.working) {
        for (const shell::Cell& cell : line.cells) {
            cells.all.push_back(cell.text);
            if (cell.colour == shell::colour::orange) {
                cells.orange = cell.text;
                ++oranges;
            }
        }
    }
    if (oranges != 1)
        cells.orange.clear();
    return cells;
}

std::string checkPair(bool negatives, long long sum, long long product, long long x, long long y,
                      const shell::Exercise& e)
{
    if (x >= y || (y - x) * (y - x) != sum * sum - 4 * product || x + y != sum || x * y != product)
        return "the numbers do not have the sum and product";
    if (negatives ? (x >= 0 || y == 0 || sum < -23 || sum > 11 || product < -144 || product > 132)
                  : (x < 1 || y > 12 || sum < 3 || sum > 23 || product < 2 || product > 132))
        return "the numbers are out of range";
    if (reliability::readNs(e.answer[0], " and ") != std::vector<long long>{x, y})
        return "the answer is not the two numbers";
    const Cells cells = cellsOf(e);
    const long long size = std::llabs(product);
    std::size_t pairs = 0;
    for (long long f = 1; f * f <= size; ++f)
        pairs += size % f == 0 ? 1 : 0;
    if (cells.all.size() != pairs)
        return "the working does not list every factor pair";
    for (const std::string& cell : cells.all) {
        const std::vector<long long> pair =
            reliability::readNs(cell, " \u00d7 ").value_or(std::vector<long long>());
        if (pair.size() != 2 || pair[0] > pair[1] || pair[0] * pair[1] != size)
            return "\"" + cell + "\" is not a factor pair";
    }
    const std::vector<long long> orange =
        reliability::readNs(cells.orange, " \u00d7 ").value_or(std::vector<long long>());
    if (orange.size() != 2 || orange[0] * orange[1] != size ||
        !((orange[0] == std::llabs(x) && orange[1] == std::llabs(y)) ||
          (orange[0] == std::llabs(y) && orange[1] == std::llabs(x))))
        return "the orange cell is not the numbers' pair";
    return {};
}

std::string checkTriple(long long sum, long long product, const std::vector<long long>& numbers,
                        const shell::Exercise& e)
{
    if (numbers.size() != 3 || numbers[0] < 1 || numbers[0] > numbers[1] || numbers[1] > numbers[2] ||
        numbers[2] > 12 || numbers[0] + numbers[1] + numbers[2] != sum ||
        numbers[0] * numbers[1] * numbers[2] != product)
        return "the three numbers are not in order or lack the sum and product";
    if (sum < 6 || sum > 33 || product < 8 || product > 1331)
        return "the sum or product is out of range";
    int withProduct = 0;
    for (long long u = 1; 3 * u <= sum; ++u) {
        for (long long v = u; u + 2 * v <= sum; ++v) {
            if (u * v * (sum - u - v) == product)
                ++withProduct;
        }
    }
    if (withProduct != 1)
        return "the sum and product fit " + std::to_string(withProduct) + " triples";
    const Cells cells = cellsOf(e);
    int triples = 0;
    for (long long p = 1; p * p * p <= product; ++p) {
        for (long long q = p; p * q * q <= product; ++q)
            triples += product % (p * q) == 0 ? 1 : 0;
    }
    if (triples < 3 || triples > 10 || static_cast<int>(cells.all.size()) != triples)
        return "the working does not list the 3 to 10 factor triples";
    const std::string numbersText =
        std::to_string(numbers[0]) + ", " + std::to_string(numbers[1]) + " and " + std::to_string(numbers[2]);
    if (cells.orange != std::to_string(numbers[0]) + " + " + std::to_string(numbers[1]) + " + " +
                            std::to_string(numbers[2]) + " = " + std::to_string(sum) ||
        e.answer[0] != numbersText)
        return "the orange cell or the answer is not the three numbers";
    return {};
}

std::string checkPythagoras(const shell::Json& data, const shell::Exercise& e)
{
    const long long a = data["a"].whole();
    const long long b = data["b"].whole();
    const long long c = data["c"].whole();
    const long long k = data["multiplier"].whole();
    const shell::Json& triple = data["triple"];
    if (a * a + b * b != c * c || !(0 < a && a < b && b < c))
        return "a, b and c are not a Pythagorean triple in order";
    if (triple[0].whole() * k != a || triple[1].whole() * k != b || triple[2].whole() * k != c)
        return "the sides are not the multiple of the triple";
    const std::string missing = data["missing"].text();
    const std::vector<std::string> shown = reliability::split(e.question[1].text, ", ");
    const std::string letters = "abc";
    const long long sides[] = {a, b, c};
    if (shown.size() != 3)
        return "the question does not show a, b and c";
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<std::string> value = between(shown[i], std::string(1, letters[i]) + " = ", "");
        if (!value || (missing[0] == letters[i] ? *value != "?" : readN(*value) != sides[i]))
            return "the question does not show the triple with one gap";
    }
    const long long answer = sides[letters.find(missing[0])];
    if (readN(between(e.answer[0], missing + " = ", "").value_or("")) != answer)
        return "the answer does not fill the gap";
    if (e.question[0].text != "a\u00b2 + b\u00b2 = c\u00b2" || !e.question[0].style ||
        e.question[0].style->colour != shell::colour::white)
        return "the first line is not a² + b² = c² in white";
    return {};
}

} // namespace

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const std::string kind = data["kind"].text();
    if (kind == "pythagoras")
        return checkPythagoras(data, e);
    const long long sum = data["sum"].whole();
    const long long product = data["product"].whole();
    if (e.question.size() != 2 || readN(between(e.question[0].text, "Sum = ", "").value_or("")) != sum ||
        readN(between(e.question[1].text, "Product = ", "").value_or("")) != product)
        return "the question does not give the sum and product";
    std::vector<long long> numbers;
    for (const shell::Json& n : data["numbers"].elements())
        numbers.push_back(n.whole());
    if (kind == "triples")
        return checkTriple(sum, product, numbers, e);
    if (numbers.size() != 2)
        return "a pair that is not two numbers";
    return checkPair(kind == "negatives", sum, product, numbers[0], numbers[1], e);
}

} // namespace pairsandtriples::checks
