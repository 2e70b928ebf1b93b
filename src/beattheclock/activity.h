// Beat the Clock as the registry knows it: worksheets of its rounds, an item a question.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace beattheclock {

std::span<const shell::Activity> activities();

} // namespace beattheclock
