#include "shell/core/placement.h"

namespace shell {

WindowPlacement standardPlacement(float displayWidth, float displayHeight)
{
    WindowPlacement p;
    p.top = displayHeight / 2 - kScreenHeightTwips / 2;
    p.left = displayWidth / 2 - kScreenWidthTwips / 2;
    // On displays wider than the window it stands a little left of centre.
    if (displayWidth > kScreenWidthTwips)
        p.left -= 840;
    return p;
}

WindowPlacement centredPlacement(float displayWidth, float displayHeight, float windowWidth,
                                 float windowHeight)
{
    return {displayWidth / 2 - windowWidth / 2, displayHeight / 2 - windowHeight / 2};
}

} // namespace shell
