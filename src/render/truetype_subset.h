// A TrueType font cut down to the glyphs one PDF font uses, with a cmap for its codes.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace qv {

// The tables of a font file by their four-letter tag ("glyf", "cvt " with its blank).
using TrueTypeTables = std::map<std::string, std::string>;

// Figures a PDF font descriptor asks for, in font units.
struct TrueTypeMetrics {
    int unitsPerEm = 0;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int ascent = 0, descent = 0, capHeight = 0;
    double italicAngle = 0;
};

// Throws Error when head or hhea is missing or too short.
TrueTypeMetrics ReadTrueTypeMetrics(const TrueTypeTables& tables);

// A complete font file holding glyph 0, the glyphs of the codes and the glyphs those are
// composed of, renumbered from 1. Its cmap maps code c, and U+F000 + c, to the glyph that was
// glyphOfCode[c] in the source, as a symbolic TrueType font in a PDF file is read; codes of
// glyph 0 stay unmapped. Hinting programs and the OS/2 table are kept; glyph names, kerning and
// everything else are left out. Throws Error when a table it needs is missing or damaged.
std::string SubsetTrueType(const TrueTypeTables& tables,
                           const std::array<uint16_t, 256>& glyphOfCode);

}  // namespace qv
