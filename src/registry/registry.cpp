#include "registry/registry.h"

#include <vector>

// Each folder exports its descriptors as `<folder>::activities()`.
#define CHALKFACE_ACTIVITIES(folder)                                                                     \
    namespace folder {                                                                                   \
    std::span<const shell::Activity> activities();                                                       \
    }
#include "registry/activities.def"
#undef CHALKFACE_ACTIVITIES

namespace registry {
namespace {

std::vector<const shell::Activity*> collect()
{
    std::vector<const shell::Activity*> all;
#define CHALKFACE_ACTIVITIES(folder)                                                                     \
    for (const shell::Activity& activity : folder::activities())                                         \
        all.push_back(&activity);
#include "registry/activities.def"
#undef CHALKFACE_ACTIVITIES
    return all;
}

} // namespace

std::span<const shell::Activity* const> activities()
{
    static const std::vector<const shell::Activity*> all = collect();
    return all;
}

const shell::Activity* bySheetName(std::string_view sheet)
{
    for (const shell::Activity* activity : activities()) {
        if (activity->sheet == sheet)
            return activity;
    }
    return nullptr;
}

const shell::Activity* byScreenName(std::string_view screen)
{
    for (const shell::Activity* activity : activities()) {
        if (activity->screen == screen)
            return activity;
    }
    return nullptr;
}

} // namespace registry
