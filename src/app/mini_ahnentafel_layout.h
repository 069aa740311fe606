// Where the mini ancestor table puts its symbols and lines: four generations of ancestors
// above the centre person, partners beside it and their children below.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/ahnen_data.h"

namespace qv {

// Per generation the ancestors stand this much higher; parents of generation g stand
// 2^(7 - g) pixels to either side of their child's line.
inline constexpr int kMiniGenerationHeight = 16;
inline constexpr int kMiniGenerations = 4;
// Children stand this far below the centre, with this much room between two symbols.
inline constexpr int kMiniChildDistance = 20;
inline constexpr int kMiniChildGap = 8;
inline constexpr int kMiniSymbolRadius = 5;
inline constexpr int kMiniHoverRadius = 6;

enum class MiniRole { Centre, Ancestor, Partner, Child };

struct MiniSymbol {
    int64_t person;
    int x;
    int y;
    MiniRole role;
    // The family that joins a partner to the centre (its marriage goes into the hint), or -1.
    int32_t family = -1;
    // Outermost generation, or no known parent: the line ends here.
    bool endMarker = false;
};

struct MiniLine {
    int x1, y1, x2, y2;
};

struct MiniLayout {
    std::vector<MiniSymbol> symbols;
    std::vector<MiniLine> lines;
};

// The layout for a control of width × height; empty for a centre outside the data.
MiniLayout LayoutMiniAhnentafel(const TAhnenData& data, int64_t centre, int width, int height);

// The index of the symbol at (x, y) (the last drawn where symbols overlap), or -1.
int MiniSymbolAt(const MiniLayout& layout, int x, int y);

// "#I5 Müller, Hans" with a line per known event: "geb.", "get.", "verh." (partners only),
// "gest.", "begr.", each with " " + date and " in " + place where known.
std::string MiniAhnentafelHint(const TAhnenData& data, const MiniSymbol& symbol);

}  // namespace qv
