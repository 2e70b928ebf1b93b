// The Pairs and Triples invariants for the volume run: the numbers' ranges, their sum and
// product, one answer only, and the Pythagorean triples by their squares.
#include "invariants.h"

namespace pairsandtriples::checks {

std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& e)
{
    if (auto problem = reliability::checkKind(activity, mode, e); !problem.empty())
        return problem;
    const shell::Json data = shell::Json(e.fields)["data"];
    const std::string kind = data["kind"].text();
    if (kind == "pythagoras") {
        const long long a = data["a"].whole(), b = data["b"].whole(), c = data["c"].whole();
        const std::string missing = data["missing"].text();
        const long long asked = missing == "a" ? a : missing == "b" ? b : c;
        return a > 0 && a < b && a * a + b * b == c * c &&
                       e.answer[0] == missing + " = " + std::to_string(asked)
                   ? ""
                   : "not a triple with a < b, or the answer does not fill the gap";
    }
    const long long sum = data["sum"].whole();
    const long long product = data["product"].whole();
    std::vector<long long> n;
    for (const shell::Json& value : data["numbers"].elements())
        n.push_back(value.whole());
    if (kind == "triples") {
        // One answer with the sum, among 3 to 10 factor triples of the product.
        int answers = 0;
        int triples = 0;
        for (long long u = 1; u * u * u <= product; ++u) {
            for (long long v = u; u * v * v <= product; ++v) {
                triples += product % (u * v) == 0 ? 1 : 0;
                answers += product % (u * v) == 0 && u + v + product / (u * v) == sum ? 1 : 0;
            }
        }
        const std::string numbers =
            std::to_string(n[0]) + ", " + std::to_string(n[1]) + " and " + std::to_string(n[2]);
        return answers == 1 && triples >= 3 && triples <= 10 && n[0] <= n[1] && n[1] <= n[2] && n[2] <= 12 &&
                       n[0] + n[1] + n[2] == sum && n[0] * n[1] * n[2] == product && e.answer[0] == numbers
                   ? ""
                   : "not the one triple of 1 to 12 with the sum and product";
    }
    const bool negatives = kind == "negatives";
    if (n.size() != 2 || n[0] >= n[1] || n[0] + n[1] != sum || n[0] * n[1] != product || n[0] == 0 ||
        n[1] == 0 || (negatives ? n[0] > 0 || n[0] < -12 || n[1] > 12 : n[0] < 1 || n[1] > 12))
        return "the numbers lack the sum and product or are out of range";
    return reliability::readNs(e.answer[0], " and ") == n ? "" : "the answer is not the two numbers";
}

} // namespace pairsandtriples::checks
