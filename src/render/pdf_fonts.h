// The font objects of a PDF page: each slot a TrueType font with an embedded subset.
#pragma once

#include "render/pdf_file.h"
#include "render/pdf_font_slots.h"

namespace qv {

// Slot n becomes font 3n + 16 (resource "/R" n), its descriptor 3n + 17 and its ToUnicode map
// 3n + 18; the slots' font files follow as 3s + 16 + n for s slots. Each font is symbolic and
// carries, as its own file, the glyphs of its codes cut from the text font (PdfTextFont), so
// every reader shows the text, and its ToUnicode map keeps the text searchable.
// Throws Error when the text font cannot be had; nothing is needed without slots.
void WritePdfFonts(PdfFile& file, const PdfFontSlots& fontSlots);

}  // namespace qv
