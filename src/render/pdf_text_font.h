// The font that PDF text is set in: the TrueType file behind the charts' measuring font.
#pragma once

#include <cstdint>
#include <string>

#include <QRawFont>

#include "render/truetype_subset.h"

namespace qv {

// Found through Qt's font database under the family the charts measure with ("Arial", which
// fontconfig gives as its metric twin Liberation Sans), so the PDF shows the glyphs the layout
// was measured in.
class PdfTextFont {
public:
    // Throws Error when the family has no font with TrueType outlines.
    PdfTextFont();
    // 0 (.notdef) for a character the font lacks.
    uint16_t GlyphOf(char16_t unit) const;
    const TrueTypeTables& Tables() const { return m_tables; }
    // The family and, unless it is "Regular", the style, without blanks: "LiberationSans".
    const std::string& PostScriptName() const { return m_postScriptName; }

private:
    QRawFont m_font;
    TrueTypeTables m_tables;
    std::string m_postScriptName;
};

}  // namespace qv
