// The standard set-up that every screen but the title screen runs first in its load step.
#pragma once

namespace shell {

class Screen;

// Fixes the window at 12000 by 9000 twips, places it on the display, paints the standard
// background and, on activity screens, lays out the control panel and its three buttons.
void setscreen(Screen& screen);

} // namespace shell
