// The Vocabulary invariants for the volume run, looked up again in the word list: the target of
// the mode's strand, four different options of its family, none excluded for it, and the answer
// the target's row.
#include "shell/core/activity.h"
#include "vocabulary/words.h"

#include <algorithm>
#include <set>

namespace vocabulary::checks {

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    const shell::Json data = shell::Json(e.fields)["data"];
    const auto find = [](std::string_view term) {
        return std::find_if(kWords.begin(), kWords.end(), [&](const Word& w) { return w.term == term; });
    };
    const auto target = find(data["term"].text());
    if (target == kWords.end())
        return "the target is not in the list";
    const Family& family = kFamilies[static_cast<std::size_t>(target->family)];
    if (data["kind"].text() !=
            std::vector<std::string>{"number", "algebra", "shape"}[static_cast<std::size_t>(family.strand)] ||
        data["family"].text() != family.name || (mode < 3 && mode != static_cast<int>(family.strand)))
        return "the kind or the family is not the target's, or the strand not the mode's";
    std::set<std::string> offered;
    std::vector<std::string> answer;
    for (std::size_t r = 0; r < data["options"].elements().size(); ++r) {
        const std::string term = data["options"][r].text();
        const auto word = find(term);
        if (word == kWords.end() || word->family != target->family || !offered.insert(term).second ||
            std::find(target->excluded.begin(), target->excluded.end(), word->term) != target->excluded.end())
            return "\"" + term + "\" is not another term of the target's family that misses its definition";
        if (word == target)
            answer = {std::string(1, static_cast<char>('A' + r)) + "  " + term};
    }
    return offered.size() == 4 && e.answer == answer ? "" : "the answer is not the target's row";
}

} // namespace vocabulary::checks
