#include "sheet/seed.h"

#include "shell/core/randomsource.h"

#include <memory>
#include <random>

namespace sheet {

std::uint64_t drawSeed()
{
    std::random_device device;
    return std::uniform_int_distribution<std::uint64_t>(1, 99'999'999)(device);
}

std::vector<shell::Exercise> seededQuestions(const shell::Activity& activity, int mode, int count,
                                             std::uint64_t seed)
{
    shell::ClockRandom draws(seed);
    const std::unique_ptr<shell::QuestionMaker> questions = activity.questions();
    std::vector<shell::Exercise> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        items.push_back(questions->make(mode, draws));
    return items;
}

} // namespace sheet
