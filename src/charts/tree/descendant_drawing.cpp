// Drawing the descendant tree through a painter.
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

Point TImage_Nachfahren::PicturePoint(int32_t node, Point origin) const
{
    Point p = OrientPoint(m_positions[node]);
    return {p.x + origin.x, p.y + origin.y};
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

// Symbols in person order, then the labels from the root down, each node before its children.
bool TImage_Nachfahren::Draw(ChartPainter& painter, Point origin)
{
    if (ReportProgress(Progress, "Nachfahren: Zeichne Linien", 0, 1)) return false;
    if (!painter.Lines(LineLayer(), origin)) return false;
    // Progress counts the symbols drawn: person numbers run past the number of nodes.
    const int64_t count = int64_t(m_tree.Nodes.size());
    int64_t drawn = 0;
    painter.BeginSymbols();
    for (size_t p = 0; p < m_tree.NodeOf.size(); ++p) {
        const int32_t node = m_tree.NodeOf[p];
        if (node < 0 || !Shown(m_tree.Nodes[node])) continue;
        if (ReportProgress(Progress, "Nachfahren: Zeichne Symbole", drawn++, count)) {
            painter.EndSymbols();
            return false;
        }
        DrawSymbol(painter, Data.Persons[p].Sex, PicturePoint(node, origin));
    }
    painter.EndSymbols();
    if (ReportProgress(Progress, "Nachfahren: Zeichne Text", 0, 1)) return false;
    painter.BeginGroup(GroupStyle().StrokeWidth(0).Fill(kBlack).Font());
    for (int32_t node : TreeOrder()) {
        if (!Shown(m_tree.Nodes[node])) continue;
        const int32_t person = m_tree.Nodes[node].Person;
        DrawLabel(painter, Placement(), PicturePoint(node, origin), m_labels[person],
                  LabelBackground(person));
    }
    painter.EndGroup();
    return true;
}

}  // namespace qv
