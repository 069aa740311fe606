// Colours and triangle corners of the person symbol.
#include "charts/person_symbol.h"

namespace qv {

TColor SexColor(char sex)
{
    if (sex == 'M') return RgbColor(0, 0, 255);
    if (sex == 'F') return RgbColor(255, 0, 0);
    return RgbColor(0, 128, 0);
}

SymbolColors SymbolColorsOf(const TImageSettings_Symbol& symbol, char sex)
{
    const TColor outline = symbol.Colored ? SexColor(sex) : kBlack;
    return {outline, symbol.Filled ? outline : kWhite};
}

std::array<Point, 3> TrianglePoints(SymbolDirection direction, Point at, int r)
{
    const int x = at.x, y = at.y;
    switch (direction) {
        case SymbolDirection::Up:
            return {{{x - r, y + r}, {x + r, y + r}, {x, y - r}}};
        case SymbolDirection::Right:
            return {{{x - r, y + r}, {x - r, y - r}, {x + r, y}}};
        case SymbolDirection::Left:
            return {{{x + r, y + r}, {x + r, y - r}, {x - r, y}}};
        case SymbolDirection::Down:
            break;
    }
    return {{{x - r, y - r}, {x + r, y - r}, {x, y + r}}};
}

}  // namespace qv
