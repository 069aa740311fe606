// Drawing the descendant tree on a bitmap or into an SVG document.
#include <algorithm>

#include "charts/tree/image_nachfahren.h"

namespace qv {

TColor TImage_Nachfahren::LabelBackground(int64_t person) const
{
    if (person == m_highlighted) return kHighlightColor;
    const int32_t node = HasNode(person) ? m_tree.NodeOf[person] : -1;
    if (Settings.Tree.BackgroundColored && node >= 0 && m_tree.Nodes[node].Depth % 2 == 1)
        return kGenerationBandColor;
    return kWhite;
}

Point TImage_Nachfahren::PicturePoint(int32_t node, int32_t x, int32_t y) const
{
    Point p = OrientPoint(m_positions[node]);
    return {p.x + x, p.y + y};
}

TBitmapLine TImage_Nachfahren::LineLayer() const
{
    TBitmapLine layer(Width, Height, Progress);
    for (ChartPolyline line : Lines()) {
        for (Point& p : line) p = OrientPoint(p);
        layer.AddLine(line);
    }
    return layer;
}

std::vector<int32_t> TImage_Nachfahren::TreeOrder() const
{
    std::vector<int32_t> order, stack{0};
    while (!stack.empty()) {
        int32_t node = stack.back();
        stack.pop_back();
        order.push_back(node);
        const std::vector<int32_t>& children = m_tree.Nodes[node].Children;
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return order;
}

bool TImage_Nachfahren::DrawBitmap(Bitmap& bitmap, int32_t x, int32_t y)
{
    if (ReportProgress(Progress, "Nachfahren: Zeichne Linien", 0, 1)) return false;
    if (!LineLayer().Draw(bitmap, x, y, Settings.Tree.Antialiasing)) return false;
    Canvas canvas(bitmap);
    const int64_t count = int64_t(m_tree.Nodes.size());
    for (size_t p = 0; p < m_tree.NodeOf.size(); ++p) {
        const int32_t node = m_tree.NodeOf[p];
        if (node < 0 || !Shown(m_tree.Nodes[node])) continue;
        if (ReportProgress(Progress, "Nachfahren: Zeichne Symbole", int64_t(p), count))
            return false;
        const Point at = PicturePoint(node, x, y);
        DrawSymbol(canvas, Data.Persons[p].Sex, kAlignedDirection, at.x, at.y);
    }
    if (ReportProgress(Progress, "Nachfahren: Zeichne Text", 0, 1)) return false;
    canvas.SetFont(ChartFont());
    canvas.SetBrushStyle(BrushStyle::Clear);
    for (int32_t node : TreeOrder()) {
        if (!Shown(m_tree.Nodes[node])) continue;
        const int32_t person = m_tree.Nodes[node].Person;
        const Point at = PicturePoint(node, x, y);
        const TArrayOfString& label = m_labels[person];
        for (size_t k = 0; k < label.size(); ++k)
            DrawLabelLine(canvas, at.x + 3, at.y + m_radius + 2 + int32_t(k) * m_lineHeight,
                          LabelBackground(person), label[k]);
    }
    return true;
}

bool TImage_Nachfahren::DrawSvg(TScalableVectorGraphics& svg, int32_t x, int32_t y)
{
    if (ReportProgress(Progress, "Nachfahren: Zeichne Linien", 0, 1)) return false;
    if (!LineLayer().DrawSVG(svg, x, y)) return false;
    if (ReportProgress(Progress, "Nachfahren: Zeichne Symbole", 0, 1)) return false;
    WriteSymbolsSvg(svg, x, y);
    if (ReportProgress(Progress, "Nachfahren: Zeichne Text", 0, 1)) return false;
    svg.Pen = {kBlack, 0};
    svg.Brush = {kBlack, TSVGBrushStyle::Solid};
    svg.Font = {"Arial", Settings.FontSize};
    svg.BeginGroup(kSvgFill | kSvgStrokeWidth | kSvgFontFamily | kSvgFontSize);
    for (int32_t node : TreeOrder()) {
        if (!Shown(m_tree.Nodes[node])) continue;
        const int32_t person = m_tree.Nodes[node].Person;
        const Point at = PicturePoint(node, x, y);
        const TArrayOfString& label = m_labels[person];
        for (size_t k = 0; k < label.size(); ++k)
            DrawLabelLineSvg(svg, at.x + 3, at.y + m_radius + 2 + int32_t(k) * m_lineHeight,
                             LabelBackground(person), label[k]);
    }
    svg.EndGroup();
    return true;
}

// One group per sex, holding the symbols in person order.
void TImage_Nachfahren::WriteSymbolsSvg(TScalableVectorGraphics& svg, int32_t x, int32_t y)
{
    const char groupSex[3] = {'M', 'F', 'U'};
    for (char sex : groupSex) {
        const TColor stroke = Settings.Symbol.Colored ? SexColor(sex) : kBlack;
        svg.Pen = {stroke, 1};
        svg.Brush = {Settings.Symbol.Filled ? stroke : kWhite, TSVGBrushStyle::Solid};
        svg.BeginGroup(kSvgStroke | kSvgFill);
        for (size_t p = 0; p < m_tree.NodeOf.size(); ++p) {
            const int32_t node = m_tree.NodeOf[p];
            if (node < 0 || !Shown(m_tree.Nodes[node])) continue;
            const char own = Data.Persons[p].Sex;
            if ((own == 'M' || own == 'F' ? own : 'U') != sex) continue;
            const Point at = PicturePoint(node, x, y);
            DrawSymbolSvg(svg, own, "", kAlignedDirection, at.x, at.y);
        }
        svg.EndGroup();
    }
}

}  // namespace qv
