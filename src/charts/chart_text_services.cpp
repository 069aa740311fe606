// Label text of the chart base: runs in two sizes, the halo, on canvas and in SVG.
#include <algorithm>

#include "charts/chart_common.h"
#include "charts/chart_text.h"
#include "data/text_encoding.h"

namespace qv {
namespace {

// Malformed UTF-8 makes the whole text empty, on the canvas and in the SVG alike.
std::string_view ValidOrEmpty(std::string_view text)
{
    return IsValidUtf8(text) ? text : std::string_view();
}

}  // namespace

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

void TImage_Common::DrawText(Canvas& canvas, int x, int y, std::string_view text) const
{
    FontSpec before = canvas.Font();
    std::u16string wide = Utf16FromUtf8(text);
    for (const auto& run : SplitTextRuns<char16_t>(wide)) {
        FontSpec font = ChartFont(run.small);
        font.color = before.color;
        canvas.SetFont(font);
        canvas.TextOut(x, y, run.text);
        x += canvas.TextWidth(run.text);
    }
    canvas.SetFont(before);
}

void TImage_Common::DrawLabelLine(Canvas& canvas, int x, int y, TColor background,
                                  std::string_view text) const
{
    TColor color = canvas.Font().color;
    if (Settings.FontStayOnTop) {
        canvas.SetFontColor(background);
        for (int j = -2; j <= 2; ++j)
            for (int i = -2; i <= 2; ++i)
                if (std::abs(i) + std::abs(j) <= 2) DrawText(canvas, x + i, y + j, text);
    }
    canvas.SetFontColor(kBlack);
    DrawText(canvas, x, y, text);
    canvas.SetFontColor(color);
}

void TImage_Common::DrawTextSvg(TScalableVectorGraphics& svg, int x, int y,
                                std::string_view text) const
{
    int32_t size = svg.Font.Size;
    for (const auto& run : SplitTextRuns<char>(ValidOrEmpty(text))) {
        svg.Font.Size = run.small ? SmallFontSize(size) : size;
        svg.TextOut(x, y, run.text);
        x += svg.TextWidth(run.text);
    }
    svg.Font.Size = size;
}

void TImage_Common::DrawLabelLineSvg(TScalableVectorGraphics& svg, int x, int y, TColor background,
                                     std::string_view text) const
{
    if (Settings.FontStayOnTop) {
        svg.Pen = {background, 4};
        DrawTextSvg(svg, x, y, text);
    }
    svg.Pen = {kBlack, 0};
    DrawTextSvg(svg, x, y, text);
}

}  // namespace qv
