// Circumcircles and Incircles as the registry knows it: the circumradius and inradius of a
// right-angled triangle, and where a triangle's circumcentre lies.
#pragma once

#include "shell/core/activity.h"

#include <span>

namespace circumcircles {

std::span<const shell::Activity> activities();

} // namespace circumcircles
