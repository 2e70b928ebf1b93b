// Every activity of the registry at volume: CHALKFACE_VOLUME_QUESTIONS questions (20,000 by
// default, a million under the "volume" label) in every mode from a fixed seed, each checked for
// what every activity promises (texts present and well formed) and for its own invariants, which
// each activity folder states in tests/<folder>/invariants.cpp.
#include "registry/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <span>
#include <string>
#include <vector>

// Each folder states its activities' invariants as `<folder>::checks::invariants`.
// clang-format off
#define CHALKFACE_ACTIVITIES(folder)                                                                     \
    namespace folder { std::span<const shell::Activity> activities(); }                                  \
    namespace folder::checks { std::string invariants(const shell::Activity&, int, const shell::Exercise&); }
#include "registry/activities.def"
#undef CHALKFACE_ACTIVITIES
// clang-format on

namespace {

constexpr std::uint64_t kSeed = 0x5eed2026;

struct Case {
    const shell::Activity* activity;
    int mode;
    std::string (*check)(const shell::Activity&, int, const shell::Exercise&);
};

std::vector<Case> everyActivityAndMode()
{
    std::vector<Case> cases;
#define CHALKFACE_ACTIVITIES(folder)                                                                         \
    for (const shell::Activity& activity : folder::activities())                                             \
        for (int mode = 0; mode < activity.modeCount(); ++mode)                                              \
            cases.push_back({&activity, mode, &folder::checks::invariants});
#include "registry/activities.def"
#undef CHALKFACE_ACTIVITIES
    return cases;
}

// What every question promises. Activities designed on the standard frame (their fields start
// with "instruction") also write the common JSON fields, a true minus sign, at most two answer
// lines and, where the working panel shows them, at most seven working lines.
std::string commonProblems(const shell::Exercise& e)
{
    if (e.question.empty() || e.answer.empty())
        return "a question without question lines or answer";
    if (e.fields.empty())
        return "no JSON fields";
    if (e.fields.front().second.dump().find("\\ufffd") != std::string::npos)
        return "a text that is not UTF-8";
    if (e.fields.front().first != "instruction")
        return {};
    std::string keys;
    for (const auto& [key, value] : e.fields)
        keys += key + " ";
    if (keys != "instruction question answer solution data ")
        return "the JSON fields are not instruction, question, answer, solution, data";
    if (shell::Json(e.fields)["data"]["kind"].isNull())
        return "data has no kind";
    if (e.answer.size() > 2 || (e.layout.workingShown && e.working.size() > 7))
        return "more than two answer lines or seven working lines on the panel";
    std::vector<std::string> texts{e.instruction};
    for (const std::vector<shell::Line>* lines : {&e.question, &e.working})
        std::ranges::transform(*lines, std::back_inserter(texts), &shell::Line::text);
    texts.insert(texts.end(), e.described.begin(), e.described.end());
    texts.insert(texts.end(), e.answer.begin(), e.answer.end());
    static const std::regex kHyphenMinus("(^|[ (=×÷])-[0-9]");
    for (const std::string& text : texts) {
        if (text.empty())
            return "an empty line or instruction";
        for (const char* careless : {"+ \u2212", "\u2212 \u2212", "+ -", "  +", "+  "}) {
            if (text.find(careless) != std::string::npos)
                return "\"" + text + "\" shows \"" + careless + "\"";
        }
        if (std::regex_search(text, kHyphenMinus))
            return "\"" + text + "\" writes a minus sign as a hyphen";
    }
    return {};
}

class GeneratorVolume : public ::testing::TestWithParam<Case> {};

TEST_P(GeneratorVolume, EveryQuestionKeepsItsPromises)
{
    const Case& c = GetParam();
    shell::ClockRandom draws(kSeed);
    const auto questions = c.activity->questions();
    const char* asked = std::getenv("CHALKFACE_VOLUME_QUESTIONS");
    const long count = asked && std::atol(asked) > 0 ? std::atol(asked) : 20000;
    for (long i = 0; i < count; ++i) {
        const shell::Exercise e = questions->make(c.mode, draws);
        std::string problem = commonProblems(e);
        if (problem.empty())
            problem = c.check(*c.activity, c.mode, e);
        if (!problem.empty())
            FAIL() << c.activity->sheet << " mode " << c.mode << ", question " << i + 1 << " from seed "
                   << kSeed << ": " << problem << "\n"
                   << shell::Json(e.fields).dump();
    }
    std::printf("%s, mode %d: %ld questions checked\n", std::string(c.activity->sheet).c_str(), c.mode,
                count);
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    const shell::Activity& a = *info.param.activity;
    std::string name(a.sheet);
    if (!a.modes.empty())
        name += "_" + std::string(a.modes[std::size_t(info.param.mode)].sheetName);
    std::ranges::replace(name, '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Registry, GeneratorVolume, ::testing::ValuesIn(everyActivityAndMode()), caseName);

} // namespace
