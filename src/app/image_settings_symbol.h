// The person symbols of the tree chart and the triangle diagram: size, colouring, filling.
#pragma once

#include <cstdint>

#include "app/color.h"

namespace qv {

// Only Radius, Colored and Filled are settings; the colours belong to whoever creates the
// object (the mini ancestor table makes its own sets). The pictures drawn from these values
// are made by the rendering layer.
struct TImageSettings_Symbol {
    uint8_t Radius = 5;   // NODE_RADIUS
    bool Colored = true;  // NODE_COLOR: sex colours, else black
    bool Filled = true;   // NODE_FILL: filled with the outline colour, else white
    TColor SquareColor = RgbColor(0, 0, 255);    // sex "M"
    TColor CircleColor = RgbColor(255, 0, 0);    // sex "F"
    TColor TriangleColor = RgbColor(0, 128, 0);  // any other sex
};

}  // namespace qv
