// Measuring label text of the chart base: runs in two sizes.
#include <algorithm>

#include "charts/chart_common.h"
#include "charts/chart_text.h"
#include "data/text_encoding.h"

namespace qv {

FontSpec TImage_Common::ChartFont(bool small) const
{
    FontSpec font;
    font.size = small ? SmallFontSize(Settings.FontSize) : Settings.FontSize;
    font.smooth = Settings.FontAntialiasing;
    return font;
}

int TImage_Common::TextWidth(std::string_view text) const
{
    int width = 0;
    std::u16string wide = Utf16FromUtf8(text);
    for (const auto& run : SplitTextRuns<char16_t>(wide))
        width += (run.small ? m_smallMetrics : m_normalMetrics).Width(run.text);
    return width;
}

int TImage_Common::MaxTextWidth(const TArrayOfString& lines) const
{
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, TextWidth(line));
    return widest;
}

}  // namespace qv
