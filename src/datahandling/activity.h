// The Data activity as the registry knows it: mean, median, mode and range from a list, a
// frequency table and a bar chart.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace datahandling {

std::span<const shell::Activity> activities();

} // namespace datahandling
