// Every activity of the program, from the one list in activities.def. Qt-free: the worksheet
// program, the volume tests and the benchmarks read it without the screens.
#pragma once

#include "shell/core/activity.h"

#include <span>
#include <string_view>

namespace registry {

// In the order of the list, and each folder's activities in the folder's own order.
std::span<const shell::Activity* const> activities();

// The activity with that worksheet name, or with that screen name; nullptr when there is none.
const shell::Activity* bySheetName(std::string_view sheet);
const shell::Activity* byScreenName(std::string_view screen);

} // namespace registry
