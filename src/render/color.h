// Channels of TColor (0x00BBGGRR, red in the low byte) and the two blend rules.
#pragma once

#include <cstdint>

#include "app/color.h"

namespace qv {

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
