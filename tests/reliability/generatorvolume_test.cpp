// Every activity of the registry at volume: CHALKFACE_VOLUME_QUESTIONS questions (20,000 by
// default, a million under the "volume" label) in every mode, each checked for what every
// activity promises (texts present and well formed, the same seed giving the same questions) and
// for its own invariants, which each activity folder states in tests/<folder>/invariants.cpp.
// Draws come from seeded sources, so a failure names a replayable seed.
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
#define CHALKFACE_ACTIVITIES(folder)                                                                     \
    namespace folder {                                                                                   \
    std::span<const shell::Activity> activities();                                                       \
    namespace checks {                                                                                   \
    std::string invariants(const shell::Activity& activity, int mode, const shell::Exercise& exercise);  \
    }                                                                                                    \
    }
#include "registry/activities.def"
#undef CHALKFACE_ACTIVITIES

namespace {

constexpr std::uint64_t kSeed = 0x5eed2026;

using Check = std::string (*)(const shell::Activity&, int, const shell::Exercise&);

struct Case {
    const shell::Activity* activity;
    int mode;
    Check check;
};

std::vector<Case> everyActivityAndMode()
{
    std::vector<Case> cases;
    const auto add = [&](std::span<const shell::Activity> activities, Check check) {
        for (const shell::Activity& activity : activities) {
            for (int mode = 0; mode < activity.modeCount(); ++mode)
                cases.push_back({&activity, mode, check});
        }
    };
#define CHALKFACE_ACTIVITIES(folder) add(folder::activities(), &folder::checks::invariants);
#include "registry/activities.def"
#undef CHALKFACE_ACTIVITIES
    return cases;
}

long questionCount()
{
    const char* value = std::getenv("CHALKFACE_VOLUME_QUESTIONS");
    const long count = value ? std::strtol(value, nullptr, 10) : 0;
    return count > 0 ? count : 20000;
}

std::vector<std::string> everyText(const shell::Exercise& e)
{
    std::vector<std::string> texts{e.instruction};
    for (const shell::Line& line : e.question)
        texts.push_back(line.text);
    texts.insert(texts.end(), e.described.begin(), e.described.end());
    texts.insert(texts.end(), e.answer.begin(), e.answer.end());
    for (const shell::Line& line : e.working)
        texts.push_back(line.text);
    return texts;
}

// Activities designed on the standard frame write the common JSON fields, a true minus sign, at
// most two answer lines and, where the working panel shows them, at most seven working lines.
bool onStandardFrame(const shell::Exercise& e)
{
    return !e.fields.empty() && e.fields.front().first == "instruction";
}

std::string commonProblems(const shell::Exercise& e)
{
    if (e.question.empty() || e.answer.empty())
        return "a question without question lines or answer";
    if (e.fields.empty())
        return "no JSON fields";
    if (e.fields.front().second.dump().find("\\ufffd") != std::string::npos)
        return "a text that is not UTF-8";
    if (!onStandardFrame(e))
        return {};
    static const std::vector<std::string> kKeys{"instruction", "question", "answer", "solution", "data"};
    std::vector<std::string> keys;
    for (const auto& [key, value] : e.fields)
        keys.push_back(key);
    if (keys != kKeys)
        return "the JSON fields are not instruction, question, answer, solution, data";
    if (shell::Json(e.fields)["data"]["kind"].isNull())
        return "data has no kind";
    if (e.answer.size() > 2 || (e.layout.workingShown && e.working.size() > 7))
        return "more than two answer lines or seven working lines on the panel";
    static const std::regex kHyphenMinus("(^|[ (=×÷])-[0-9]");
    for (const std::string& text : everyText(e)) {
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
    shell::ClockRandom again(kSeed);
    const auto questions = c.activity->questions();
    const auto replay = c.activity->questions();
    const long count = questionCount();
    for (long i = 0; i < count; ++i) {
        const shell::Exercise e = questions->make(c.mode, draws);
        const std::string json = shell::Json(e.fields).dump();
        std::string problem = commonProblems(e);
        if (problem.empty())
            problem = c.check(*c.activity, c.mode, e);
        if (problem.empty() && i < 100 && shell::Json(replay->make(c.mode, again).fields).dump() != json)
            problem = "the same seed gave another question";
        if (!problem.empty())
            FAIL() << c.activity->sheet << " mode " << c.mode << ", question " << i + 1 << " from seed " << kSeed
                   << ": " << problem << "\n" << json;
    }
    std::printf("%s, mode %d: %ld questions checked\n", std::string(c.activity->sheet).c_str(), c.mode, count);
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    const shell::Activity& activity = *info.param.activity;
    std::string name(activity.sheet);
    if (!activity.modes.empty())
        name += "_" + std::string(activity.modes[static_cast<std::size_t>(info.param.mode)].sheetName);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Registry, GeneratorVolume, ::testing::ValuesIn(everyActivityAndMode()), caseName);

} // namespace
