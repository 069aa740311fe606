// The blend rules of the raster layer.
#include "render/color.h"

#include <cmath>

namespace qv {
namespace {

template <typename Round>
TColor BlendWith(TColor oldColor, TColor newColor, double a, Round round)
{
    // (1 - a) * o + a * n, written so that equal channels stay exact in floating point.
    auto channel = [&](int o, int n) { return static_cast<int>(round(o + a * (n - o))); };
    return RgbColor(channel(ColorRed(oldColor), ColorRed(newColor)),
                     channel(ColorGreen(oldColor), ColorGreen(newColor)),
                     channel(ColorBlue(oldColor), ColorBlue(newColor)));
}

}  // namespace

TColor Blend(TColor oldColor, TColor newColor, double a)
{
    return BlendWith(oldColor, newColor, a, [](double v) { return std::trunc(v); });
}

TColor RoundedBlend(TColor oldColor, TColor newColor, double a)
{
    // nearbyint follows the default rounding mode, which rounds ties to even.
    return BlendWith(oldColor, newColor, a, [](double v) { return std::nearbyint(v); });
}

}  // namespace qv
