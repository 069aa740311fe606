// Fonts at 96 pixels per inch and the text extents every chart measures with.
#pragma once

#include <string>
#include <string_view>

#include <QFont>

#include "render/color.h"

namespace qv {

// The string whose height is a font's line height throughout the charts.
inline constexpr char16_t kLineHeightSample[] =
    u"abcdefghifklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ";

struct FontSpec {
    std::string name = "Arial";
    int size = 11;  // points
    TColor color = kBlack;
    bool smooth = true;
    bool bold = false;
};

// Points at 96 pixels per inch, rounded: 11 pt is 15 pixels.
int FontPixelHeight(int points);
// Creates the application object on first use (see gui_application.h).
QFont MakeQFont(const FontSpec& spec);

struct TextExtent {
    int width = 0;
    int height = 0;
};

// Integer pixel extents of texts in one font; the height is the font's cell height
// (ascent + descent), whatever the text.
class TextMetrics {
public:
    explicit TextMetrics(const FontSpec& spec);
    TextExtent Extent(std::u16string_view text) const;
    int Width(std::u16string_view text) const { return Extent(text).width; }
    int Height() const { return m_height; }
    const QFont& Font() const { return m_font; }

private:
    QFont m_font;
    int m_height = 0;
};

// Advance width of one UTF-16 unit in "Arial" at a character height of 100 pixels, times ten:
// thousandths of the em, as a PDF font's width array wants them.
int PdfGlyphWidth(char16_t unit);

}  // namespace qv
