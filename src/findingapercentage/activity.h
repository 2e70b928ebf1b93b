// The Finding A Percentage activity as the registry knows it: its names, modes and questions.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace findingapercentage {

std::span<const shell::Activity> activities();

} // namespace findingapercentage
