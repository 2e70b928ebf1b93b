// Mathematical Vocabulary as the registry knows it: a definition and four words of one family,
// one of which it defines.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace vocabulary {

std::span<const shell::Activity> activities();

} // namespace vocabulary
