// Layout of the descendant tree: selection, tree, row extents, packing and positions.
#include "charts/tree/image_nachfahren.h"

#include <algorithm>
#include <numeric>

#include "charts/tree/descendant_selection.h"
#include "charts/tree/tree_orientation.h"
#include "data/cycle_check.h"
#include "data/error.h"

namespace qv {

TImage_Nachfahren::TImage_Nachfahren(const TAhnenData& data, const TImageSettings& settings,
                                     ProgressCallback progress, int64_t limitFrom)
    : TImage_Nachfahren(data, settings, nullptr, std::move(progress), limitFrom)
{
}

TImage_Nachfahren::TImage_Nachfahren(const TAhnenData& data, const TImageSettings& settings,
                                     const LabelMeasure& measure, ProgressCallback progress,
                                     int64_t limitFrom)
    : TImage_Nachfahren(data, settings, &measure, std::move(progress), limitFrom)
{
}

TImage_Nachfahren::TImage_Nachfahren(const TAhnenData& data, const TImageSettings& settings,
                                     const LabelMeasure* measure, ProgressCallback progress,
                                     int64_t limitFrom)
    : TImage_Common(ChartClass::Descendants, data, settings, std::move(progress)),
      m_measure(measure ? *measure : m_ownMeasure),
      m_proband(settings.ProbandIndex),
      m_radius(settings.Symbol.Radius),
      m_lineHeight(m_measure.LineHeight())
{
    if (m_proband < 0 || m_proband >= int64_t(data.Persons.size()))
        throw Error("Kein Proband gewählt!");
    CheckDescendantsAcyclic(data, m_proband);
    m_drawn = SelectDescendantPersons(data, m_proband, settings);
    CheckDescendantGenerations(data, m_drawn);
    m_tree = BuildDescendantTree(data, m_proband, settings, limitFrom, m_drawn);
    m_treePersons.assign(data.Persons.size(), false);
    for (const TTree_Node& node : m_tree.Nodes) m_treePersons[node.Person] = true;
}

void TImage_Nachfahren::MeasureLabels(const LabelSource& labels)
{
    m_labels.assign(Data.Persons.size(), {});
    m_labelSize.assign(Data.Persons.size(), {});
    for (const TTree_Node& node : m_tree.Nodes) {
        if (labels) m_labels[node.Person] = labels(node.Person);
        m_labelSize[node.Person] = {m_measure.MaxTextWidth(m_labels[node.Person]),
                                    int32_t(m_labels[node.Person].size()) * m_lineHeight};
    }
}

void TImage_Nachfahren::ComputeRowExtents()
{
    const bool horizontal = IsHorizontalAlignment(Settings.Tree.Alignment);
    const int32_t r = m_radius;
    int32_t widest = 0, highest = 0;
    m_rowExtent.assign(m_tree.RowCount(), 0);
    for (const TTree_Node& node : m_tree.Nodes) {
        const Point size = m_labelSize[node.Person];
        widest = std::max(widest, size.x);
        highest = std::max(highest, size.y);
        int32_t along = horizontal ? size.x + 3 * r + 12 : size.y + 2 * r + 15;
        m_rowExtent[node.Depth] = std::max(m_rowExtent[node.Depth], along);
    }
    for (int32_t& extent : m_rowExtent) extent = std::max(extent, int32_t(Settings.NodeHeight));
    EqualiseRows();
    m_pitch = (horizontal ? highest : widest) + 2 * r + 2;
    const int32_t least = std::max(3 * r, int32_t(Settings.NodeWidth));
    m_pitch = std::max(m_pitch, least);
    m_slotAcross.assign(m_tree.Nodes.size(), m_pitch);
    if (!Settings.NodeWidthOpt) return;
    for (size_t n = 0; n < m_tree.Nodes.size(); ++n) {
        const Point size = m_labelSize[m_tree.Nodes[n].Person];
        m_slotAcross[n] = std::max((horizontal ? size.y : size.x) + 2 * r + 2, least);
    }
}

void TImage_Nachfahren::EqualiseRows()
{
    if (Settings.NodeHeightOpt || m_rowExtent.empty()) return;
    int32_t largest = *std::max_element(m_rowExtent.begin(), m_rowExtent.end());
    std::fill(m_rowExtent.begin(), m_rowExtent.end(), largest);
}

bool TImage_Nachfahren::Layout(const LabelSource& labels)
{
    MeasureLabels(labels);
    ComputeRowExtents();
    m_packings = PackDescendantTree(
        {Data, m_tree, m_slotAcross, std::max(3 * m_radius, int32_t(Settings.NodeWidth))});
    m_packedWidth = m_packings.empty() ? 0 : m_packings[0].Width;
    Relayout();
    return true;
}

void TImage_Nachfahren::Relayout()
{
    PlaceNodes();
    TPosList list(Data.Persons.size());
    for (size_t n = 0; n < m_tree.Nodes.size(); ++n) {
        const TTree_Node& node = m_tree.Nodes[n];
        list[node.Person] = {m_positions[n].x, m_positions[n].y, node.Depth, true};
    }
    m_familyOffsets.emplace(Data, std::move(list));
    GrowRowsForLines();
    PlaceNodes();
}

// Every row makes room for the nested marriage lines of its couples.
void TImage_Nachfahren::GrowRowsForLines()
{
    for (int32_t row = 0; row < RowCount(); ++row) {
        int32_t levels = std::max(1, FamilyLevel(0, AcrossExtent(), row));
        m_rowExtent[row] = std::max(m_rowExtent[row], 6 * (levels + 1));
    }
    EqualiseRows();
}

void TImage_Nachfahren::PlaceNodes()
{
    m_totalAlong = m_pitch + SumOfExtents(RowCount());
    std::vector<int32_t> edges = NodeLeftEdges(m_tree, m_packings);
    m_positions.resize(m_tree.Nodes.size());
    for (size_t n = 0; n < m_tree.Nodes.size(); ++n)
        m_positions[n] = {m_pitch / 2 + edges[n], RowCoordinate(m_tree.Nodes[n].Depth)};
    const int32_t across = m_packedWidth + m_pitch;
    const bool horizontal = IsHorizontalAlignment(Settings.Tree.Alignment);
    Width = horizontal ? m_totalAlong : across;
    Height = horizontal ? across : m_totalAlong;
}

void TImage_Nachfahren::GrowRow(int32_t depth, int32_t extent)
{
    if (depth >= 0 && depth < RowCount()) m_rowExtent[depth] = std::max(m_rowExtent[depth], extent);
}

int32_t TImage_Nachfahren::SumOfExtents(int32_t rows) const
{
    rows = std::clamp(rows, 0, RowCount());
    return std::accumulate(m_rowExtent.begin(), m_rowExtent.begin() + rows, 0);
}

int32_t TImage_Nachfahren::RowCoordinate(int32_t depth) const
{
    const uint8_t alignment = Settings.Tree.Alignment;
    if (alignment == 1 || alignment == 3) return m_pitch / 2 + SumOfExtents(depth);
    return m_totalAlong - (m_pitch / 2 + SumOfExtents(depth + 1));
}

Point TImage_Nachfahren::PositionOf(int64_t person) const
{
    if (!HasNode(person) || m_positions.empty()) return {-1, -1};
    return m_positions[m_tree.NodeOf[person]];
}

const TArrayOfString& TImage_Nachfahren::LabelOf(int64_t person) const
{
    static const TArrayOfString kNone;
    if (person < 0 || person >= int64_t(m_labels.size())) return kNone;
    return m_labels[person];
}

int32_t TImage_Nachfahren::FamilyLevel(int32_t x1, int32_t x2, int32_t row) const
{
    return m_familyOffsets ? m_familyOffsets->FamilyLevel(x1, x2, row) : 0;
}

int32_t TImage_Nachfahren::AcrossExtent() const
{
    return m_packedWidth + m_pitch;
}

}  // namespace qv
