// Colours as 0x00BBGGRR integers (red in the low byte) and the two blend rules.
#pragma once

#include <cstdint>

namespace qv {

using TColor = uint32_t;

constexpr TColor MakeColor(int red, int green, int blue)
{
    return static_cast<TColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int ColorRed(TColor color)
{
    return static_cast<int>(color & 0xFF);
}
constexpr int ColorGreen(TColor color)
{
    return static_cast<int>(color >> 8 & 0xFF);
}
constexpr int ColorBlue(TColor color)
{
    return static_cast<int>(color >> 16 & 0xFF);
}

// The program has no system colour constants, so resolving a colour only drops the high byte.
constexpr TColor ColorToRgb(TColor color)
{
    return color & 0xFFFFFF;
}

constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;

// Channel by channel trunc((1 - a) * old + a * new); a in [0, 1].
TColor Blend(TColor oldColor, TColor newColor, double a);
// As Blend, rounded to nearest with ties to even.
TColor RoundedBlend(TColor oldColor, TColor newColor, double a);

}  // namespace qv
