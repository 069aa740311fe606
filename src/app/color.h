// Colours as the charts store them: 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace qv {

using TColor = uint32_t;

constexpr TColor RgbColor(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<TColor>(red) | static_cast<TColor>(green) << 8 |
           static_cast<TColor>(blue) << 16;
}

}  // namespace qv
