// A worksheet's seed: every sheet is made from one, so that chalkface-sheet --seed makes any
// sheet again, whether the program or the worksheet dialog first made it.
#pragma once

#include "shell/core/activity.h"

#include <cstdint>
#include <vector>

namespace sheet {

// A fresh seed, from 1 to 99,999,999: short enough to copy from a printed footer.
std::uint64_t drawSeed();

// The sheet's questions, as every output makes them: one question maker for the whole sheet,
// drawing from a source that the seed starts.
std::vector<shell::Exercise> seededQuestions(const shell::Activity& activity, int mode, int count,
                                             std::uint64_t seed);

} // namespace sheet
