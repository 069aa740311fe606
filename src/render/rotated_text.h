// Text at an angle: drawn upright on a scratch picture, rotated bilinearly, drawn with a key.
#pragma once

#include <string_view>

#include "render/bitmap.h"
#include "render/canvas.h"
#include "render/point.h"

namespace qv {

// Draws the text in the canvas's font, turned by angle (radians, clockwise on the y-down
// chart) about the centre. The background must be the chart's colour where the text lands:
// it fills the scratch picture and is the transparency key.
void DrawRotatedText(Canvas& canvas, std::u16string_view text, Point centre, TColor background,
                     double angle);

// A new picture of the same size with the content turned by angle about the centre, sampled
// bilinearly; what comes from outside the source is the background colour.
Bitmap RotateBitmap(const Bitmap& bitmap, PointF centre, TColor background, double angle);

}  // namespace qv
