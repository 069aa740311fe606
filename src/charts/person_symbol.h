// The person symbol's colours and triangle, the same on every back-end.
#pragma once

#include <array>

#include "app/image_settings_symbol.h"
#include "render/color.h"
#include "render/person_symbols.h"
#include "render/point.h"

namespace qv {

// "M" blue, "F" red, anything else green.
TColor SexColor(char sex);

struct SymbolColors {
    TColor outline;
    TColor fill;
};

// The sex colour (black when symbols are not coloured), filled with it or white.
SymbolColors SymbolColorsOf(const TImageSettings_Symbol& symbol, char sex);

// The corners of the triangle of radius r centred at `at`, its apex pointing the direction.
std::array<Point, 3> TrianglePoints(SymbolDirection direction, Point at, int r);

}  // namespace qv
