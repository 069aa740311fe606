// Font construction and measuring through Qt.
#include "render/text_metrics.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QString>

#include "render/gui_application.h"
#include "render/utf16_text.h"

namespace qv {

int FontPixelHeight(int points)
{
    // MulDiv(points, 96, 72): rounds to nearest, halves away from zero.
    int64_t scaled = int64_t(points) * 96;
    int64_t rounded = scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72;
    return static_cast<int>(rounded);
}

QFont MakeQFont(const FontSpec& spec)
{
    EnsureGuiApplication();
    QFont font(QString::fromStdString(spec.name));
    font.setPixelSize(std::max(1, FontPixelHeight(spec.size)));
    font.setBold(spec.bold);
    font.setStyleStrategy(spec.smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

TextMetrics::TextMetrics(const FontSpec& spec) : m_font(MakeQFont(spec))
{
    m_height = QFontMetrics(m_font).height();
}

TextExtent TextMetrics::Extent(std::u16string_view text) const
{
    return {QFontMetrics(m_font).horizontalAdvance(QStringFromUtf16(text)), m_height};
}

int PdfGlyphWidth(char16_t unit)
{
    static const QFont font = [] {
        EnsureGuiApplication();
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(100);
        // Unhinted design widths: hinting at one size would distort the proportions.
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }();
    return static_cast<int>(std::lround(QFontMetricsF(font).horizontalAdvance(QChar(unit)) * 10));
}

}  // namespace qv
