// The six antialiased person symbols: male square, female circle, and a triangle per direction.
#pragma once

#include <array>

#include "app/image_settings_symbol.h"
#include "render/color.h"
#include "render/multi_sample_symbol.h"

namespace qv {

// Triangle directions: where the apex points.
enum class SymbolDirection { Down = 0, Up = 1, Right = 2, Left = 3 };

// The pictures of one symbol setting; each symbol has side 2r + 1 once reduced. They are
// drawn four times as large with a pen four pixels wide on key colour 0x800080.
class PersonSymbols {
public:
    explicit PersonSymbols(const TImageSettings_Symbol& setting);

    // Whether these pictures still show the setting (radius, colouring and filling).
    bool Shows(const TImageSettings_Symbol& setting) const;
    // "M" the square, "F" the circle, any other sex character the triangle of the direction.
    const TMultiSampleSymbol& Symbol(char sex, SymbolDirection direction) const;

private:
    TImageSettings_Symbol m_setting;
    // Male, female, then the triangles down, up, right, left.
    std::array<TMultiSampleSymbol, 6> m_symbols;
};

}  // namespace qv
