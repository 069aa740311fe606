// The six antialiased person symbols: male square, female circle, and a triangle per direction.
#pragma once

#include <array>

#include "render/color.h"
#include "render/multi_sample_symbol.h"

namespace qv {

inline constexpr TColor kMaleSymbolColor = 0xFF0000;    // blue
inline constexpr TColor kFemaleSymbolColor = 0x0000FF;  // red
inline constexpr TColor kOtherSymbolColor = 0x008000;   // green

// Triangle directions: where the apex points.
enum class SymbolDirection { Down = 0, Up = 1, Right = 2, Left = 3 };

// Built for one radius r and switch setting; each symbol has side 2r + 1 once reduced. They are
// drawn four times as large with a pen four pixels wide on key colour 0x800080.
class PersonSymbols {
public:
    PersonSymbols(int radius, bool coloured, bool filled);

    int Radius() const { return m_radius; }
    bool Coloured() const { return m_coloured; }
    bool Filled() const { return m_filled; }
    // "M" the square, "F" the circle, any other sex character the triangle of the direction.
    const TMultiSampleSymbol& Symbol(char sex, SymbolDirection direction) const;

private:
    int m_radius;
    bool m_coloured;
    bool m_filled;
    // Male, female, then the triangles down, up, right, left.
    std::array<TMultiSampleSymbol, 6> m_symbols;
};

}  // namespace qv
