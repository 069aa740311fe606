// Drawing the ancestor chart on a bitmap or into an SVG document.
#include <algorithm>
#include <map>

#include "charts/tree/image_vorfahren.h"
#include "charts/tree/line_hit_grid.h"
#include "charts/tree/tree_orientation.h"
#include "render/bitmap_line.h"

namespace qv {
namespace {

// Persons of one sex character group in the SVG document.
int SexGroup(char sex)
{
    return sex == 'M' ? 0 : sex == 'F' ? 1 : 2;
}

}  // namespace

TColor TImage_Vorfahren::LabelBackground(int64_t person) const
{
    if (person == m_highlighted) return kHighlightColor;
    if (Settings.Tree.BackgroundColored && RowOf(person) % 2 == 1) return kGenerationBandColor;
    return kWhite;
}

Point TImage_Vorfahren::PicturePoint(int64_t person, int32_t x, int32_t y) const
{
    Point p = OrientPoint(m_positions[person]);
    return {p.x + x, p.y + y};
}

std::vector<ChartPolyline> TImage_Vorfahren::PictureLines(int32_t x, int32_t y) const
{
    std::vector<ChartPolyline> lines = Lines();
    for (ChartPolyline& line : lines) {
        for (Point& p : line) {
            p = OrientPoint(p);
            p = {p.x + x, p.y + y};
        }
    }
    return lines;
}

bool TImage_Vorfahren::DrawBitmap(Bitmap& bitmap, int32_t x, int32_t y)
{
    if (ReportProgress(Progress, "Vorfahren: Zeichne Linien", 0, 1)) return false;
    TBitmapLine layer(Width, Height, Progress);
    for (const ChartPolyline& line : PictureLines(0, 0)) layer.AddLine(line);
    if (!layer.Draw(bitmap, x, y, Settings.Tree.Antialiasing)) return false;
    Canvas canvas(bitmap);
    canvas.SetFont(ChartFont());
    const int32_t r = m_radius;
    const int64_t count = int64_t(Data.Persons.size());
    for (int64_t p = 0; p < count; ++p) {
        if (!Shown(p)) continue;
        if (ReportProgress(Progress, "Vorfahren: Zeichne Symbole und Text", p, count)) return false;
        const Point at = PicturePoint(p, x, y);
        DrawSymbol(canvas, Data.Persons[p].Sex, kAlignedDirection, at.x, at.y);
        canvas.SetBrushStyle(BrushStyle::Clear);
        const TArrayOfString& label = m_labels[p];
        for (size_t k = 0; k < label.size(); ++k)
            DrawLabelLine(canvas, at.x + 3, at.y + r + 2 + int32_t(k) * m_lineHeight,
                          LabelBackground(p), label[k]);
    }
    return true;
}

bool TImage_Vorfahren::DrawSvg(TScalableVectorGraphics& svg, int32_t x, int32_t y)
{
    if (ReportProgress(Progress, "Vorfahren: Zeichne Linien", 0, 1)) return false;
    const std::vector<ChartPolyline> lines = PictureLines(x, y);
    TBitmapLine layer(Width, Height, Progress);
    for (const ChartPolyline& line : lines) layer.AddLine(line);
    if (!layer.DrawSVG(svg, 0, 0)) return false;
    if (ReportProgress(Progress, "Vorfahren: Zeichne Text", 0, 1)) return false;
    svg.Font = {"Arial", Settings.FontSize};
    svg.BeginGroup(kSvgFontFamily | kSvgFontSize);
    WriteLabelsSvg(svg, x, y, lines);
    svg.EndGroup();
    if (ReportProgress(Progress, "Vorfahren: Zeichne Symbole", 0, 1)) return false;
    WriteSymbolsSvg(svg, x, y);
    return true;
}

// With FONT_STAY_ON_TOP, label lines that a line passes under get a halo in their background
// first; then every label line is written over it.
void TImage_Vorfahren::WriteLabelsSvg(TScalableVectorGraphics& svg, int32_t x, int32_t y,
                                      const std::vector<ChartPolyline>& lines)
{
    const int32_t r = m_radius;
    auto linePoint = [&](int64_t p, size_t k) {
        const Point at = PicturePoint(p, x, y);
        return Point{at.x + 3, at.y + r + 2 + int32_t(k) * m_lineHeight};
    };
    if (Settings.FontStayOnTop) {
        const LineHitGrid grid(lines);
        svg.Pen = {kWhite, 4};
        svg.Brush = {kWhite, TSVGBrushStyle::Solid};
        svg.BeginGroup(kSvgStroke | kSvgStrokeWidth | kSvgFill);
        for (size_t p = 0; p < m_labels.size(); ++p) {
            if (!Shown(p)) continue;
            for (size_t k = 0; k < m_labels[p].size(); ++k) {
                const Point at = linePoint(int64_t(p), k);
                if (!grid.Crosses(at.x - 2, at.y - 2, TextWidth(m_labels[p][k]) + 4,
                                  m_lineHeight + 4))
                    continue;
                svg.Pen = {LabelBackground(int64_t(p)), 4};
                DrawTextSvg(svg, at.x, at.y, m_labels[p][k]);
            }
        }
        svg.EndGroup();
    }
    svg.Pen = {kBlack, 0};
    svg.Brush = {kBlack, TSVGBrushStyle::Solid};
    svg.BeginGroup(kSvgStroke | kSvgStrokeWidth | kSvgFill);
    for (size_t p = 0; p < m_labels.size(); ++p) {
        if (!Shown(p)) continue;
        for (size_t k = 0; k < m_labels[p].size(); ++k) {
            const Point at = linePoint(int64_t(p), k);
            DrawTextSvg(svg, at.x, at.y, m_labels[p][k]);
        }
    }
    svg.EndGroup();
}

// One group per sex, holding the symbols row by row, each row in order across.
void TImage_Vorfahren::WriteSymbolsSvg(TScalableVectorGraphics& svg, int32_t x, int32_t y)
{
    const bool horizontal = IsHorizontalAlignment(Settings.Tree.Alignment);
    std::map<int32_t, std::vector<std::pair<int32_t, int64_t>>> rows[3];
    for (size_t p = 0; p < m_drawn.size(); ++p) {
        if (!Shown(p)) continue;
        const Point at = PicturePoint(int64_t(p), x, y);
        rows[SexGroup(Data.Persons[p].Sex)][m_rows[p]].push_back(
            {horizontal ? at.y : at.x, int64_t(p)});
    }
    const char groupSex[3] = {'M', 'F', 'U'};
    for (int group = 0; group < 3; ++group) {
        const TColor stroke = Settings.Symbol.Colored ? SexColor(groupSex[group]) : kBlack;
        svg.Pen = {stroke, 1};
        svg.Brush = {Settings.Symbol.Filled ? stroke : kWhite, TSVGBrushStyle::Solid};
        svg.BeginGroup(kSvgStroke | kSvgFill);
        for (auto& [row, persons] : rows[group]) {
            std::sort(persons.begin(), persons.end());
            for (const auto& [across, p] : persons) {
                const Point at = PicturePoint(p, x, y);
                DrawSymbolSvg(svg, Data.Persons[p].Sex, "", kAlignedDirection, at.x, at.y);
            }
        }
        svg.EndGroup();
    }
}

}  // namespace qv
