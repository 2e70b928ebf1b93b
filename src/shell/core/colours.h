// Colours as RGB triples, and the named colours every screen shares.
#pragma once

namespace shell {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colour {
inline constexpr Rgb screenBlue{49, 135, 215}; // window backgrounds
inline constexpr Rgb panelBlue{49, 135, 214};  // what the standard set-up paints, and the panel
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb titleGrey{192, 192, 192};
inline constexpr Rgb titleBlue{0, 0, 255};
// The activities' second colour, for what a solution picks out: red and green project badly on
// the blue.
inline constexpr Rgb orange{255, 165, 0};
} // namespace colour

} // namespace shell
