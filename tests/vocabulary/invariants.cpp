// The Vocabulary invariants for the volume run, looked up again in the word list: the target of
// the mode's strand, four different options of its family, none excluded for it, and the answer
// the target's row.
#include "shell/core/activity.h"
#include "vocabulary/words.h"

#include <algorithm>
#include <set>
#include <string>

namespace vocabulary::checks {
namespace {

const Word* find(std::string_view term)
{
    const auto found =
        std::find_if(kWords.begin(), kWords.end(), [&](const Word& w) { return w.term == term; });
    return found == kWords.end() ? nullptr : &*found;
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    static const std::vector<std::string> kStrands{"number", "algebra", "shape"};
    const shell::Json data = shell::Json(e.fields)["data"];
    const Word* target = find(data["term"].text());
    if (!target)
        return "the target is not in the list";
    const Family& family = kFamilies[static_cast<std::size_t>(target->family)];
    const std::string strand = kStrands[static_cast<std::size_t>(family.strand)];
    if (data["kind"].text() != strand || data["family"].text() != family.name ||
        (mode < 3 && mode != static_cast<int>(family.strand)))
        return "the kind or the family is not the target's, or the strand not the mode's";
    std::set<std::string> offered;
    std::string answer;
    for (std::size_t r = 0; r < data["options"].elements().size(); ++r) {
        const std::string term = data["options"][r].text();
        const Word* word = find(term);
        if (!word || word->family != target->family || !offered.insert(term).second ||
            std::find(target->excluded.begin(), target->excluded.end(), word->term) != target->excluded.end())
            return "\"" + term + "\" is not another term of the target's family that misses its definition";
        if (word == target)
            answer = std::string(1, static_cast<char>('A' + r)) + "  " + term;
    }
    return offered.size() == 4 && e.answer == std::vector<std::string>{answer}
               ? ""
               : "the answer is not the target's row";
}

} // namespace vocabulary::checks
