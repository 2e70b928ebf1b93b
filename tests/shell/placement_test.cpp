#include "shell/core/placement.h"

#include <gtest/gtest.h>

namespace {

TEST(Placement, StandardPlacementOnTheUsualDisplays)
{
    const struct {
        const char* name;
        float width;
        float height;
        float left;
        float top;
    } cases[] = {
        {"800 x 600 fits exactly, no shift", 12000, 9000, 0, 0},
        {"1024 x 768 stands 840 left of centre", 15360, 11520, 840, 1260},
        {"640 x 480 runs past the edges", 9600, 7200, -1200, -900},
        {"1920 x 1080", 28800, 16200, 7560, 3600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto p = shell::standardPlacement(c.width, c.height);
        EXPECT_EQ(p.left, c.left);
        EXPECT_EQ(p.top, c.top);
    }
}

TEST(Placement, CentredPlacementHalvesTheDifference)
{
    const auto p = shell::centredPlacement(12000, 9000, 5460, 6570);
    EXPECT_EQ(p.left, 3270);
    EXPECT_EQ(p.top, 1215);
}

} // namespace
