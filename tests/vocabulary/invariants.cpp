// What every vocabulary question must satisfy, looked up again in the word list: the definition
// is the target's, the four options are distinct terms of its family, none excluded for it, the
// answer names the target's row, and the working gives each wrong option's own definition.
#include "shell/core/activity.h"
#include "vocabulary/words.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vocabulary::checks {
namespace {

const Word* find(std::string_view term)
{
    const auto found = std::find_if(kWords.begin(), kWords.end(), [&](const Word& w) { return w.term == term; });
    return found == kWords.end() ? nullptr : &*found;
}

} // namespace

std::string invariants(const shell::Activity&, int mode, const shell::Exercise& e)
{
    static const std::vector<std::string> kStrands{"number", "algebra", "shape"};
    const shell::Json& data = e.fields.back().second;
    const Word* target = find(data["term"].text());
    if (!target)
        return "the target is not in the list";
    const Family& family = kFamilies[static_cast<std::size_t>(target->family)];
    const std::string strand = kStrands[static_cast<std::size_t>(family.strand)];
    if (data["kind"].text() != strand || data["family"].text() != family.name)
        return "kind or family is not the target's";
    if (mode < 3 && strand != kStrands[static_cast<std::size_t>(mode)])
        return "a target of another strand";
    if (e.question.size() != 1 || e.question[0].text != target->definition)
        return "the question is not the target's definition";

    const shell::Json::Array& options = data["options"].elements();
    const std::string letters = "ABCD";
    if (options.size() != 4 || e.described.size() != 4)
        return "not four options";
    int targets = 0;
    std::vector<std::string> working;
    for (std::size_t r = 0; r < 4; ++r) {
        const std::string term = options[r].text();
        const Word* word = find(term);
        if (!word || word->family != target->family)
            return "\"" + term + "\" is not of the target's family";
        if (std::count_if(options.begin(), options.end(), [&](const shell::Json& o) { return o.text() == term; }) != 1)
            return "\"" + term + "\" offered twice";
        if (std::find(target->excluded.begin(), target->excluded.end(), word->term) != target->excluded.end())
            return "\"" + term + "\" also fits the definition";
        const std::string row = std::string(1, letters[r]) + "  " + term;
        if (e.described[r] != row)
            return "row " + std::to_string(r + 1) + " reads \"" + e.described[r] + "\"";
        if (word == target) {
            ++targets;
            if (data["correct"].text() != std::string(1, letters[r]) || e.answer != std::vector<std::string>{row})
                return "the answer is not the target's row";
        } else {
            working.push_back(row + ": " + std::string(word->definition));
        }
    }
    if (targets != 1)
        return "the target is not among the options once";
    if (e.working.size() != 3)
        return "not one working line per wrong option";
    for (std::size_t i = 0; i < 3; ++i) {
        if (e.working[i].text != working[i])
            return "working line \"" + e.working[i].text + "\" is not a wrong option's definition";
    }
    return {};
}

} // namespace vocabulary::checks
