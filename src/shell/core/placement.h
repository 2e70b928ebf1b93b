// Where a window goes on the display. All values are twips; the arithmetic is single precision
// and nothing is rounded before the values reach the window.
#pragma once

namespace shell {

// The outer size of every screen but the title screen (800 by 600 pixels).
inline constexpr float kScreenWidthTwips = 12000.0f;
inline constexpr float kScreenHeightTwips = 9000.0f;
// The client area inside that outer size, as the screens are designed (792 by 566 pixels).
inline constexpr float kClientWidthTwips = 11880.0f;
inline constexpr float kClientHeightTwips = 8490.0f;

struct WindowPlacement {
    float left = 0;
    float top = 0;
};

// The standard placement: centred vertically; centred horizontally on displays up to 12000
// twips wide, and 840 twips left of centre on wider ones.
WindowPlacement standardPlacement(float displayWidth, float displayHeight);

// Centred on the display (the title screen).
WindowPlacement centredPlacement(float displayWidth, float displayHeight, float windowWidth,
                                 float windowHeight);

} // namespace shell
