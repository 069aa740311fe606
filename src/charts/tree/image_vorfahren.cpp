// Layout of the ancestor chart: selection, rows, row extents, packing and positions.
#include "charts/tree/image_vorfahren.h"

#include <algorithm>
#include <numeric>

#include "charts/tree/ancestor_rows.h"
#include "charts/tree/ancestor_selection.h"
#include "charts/tree/ancestor_sorting.h"
#include "charts/tree/ancestor_sorting_reference.h"
#include "charts/tree/person_sets.h"
#include "charts/tree/tree_orientation.h"
#include "data/cycle_check.h"
#include "data/error.h"

namespace qv {
namespace {

// Drawn persons that the packing can reach: the proband and, recursively, drawn parents.
TArrayOfBoolean ConnectedToProband(const TAhnenData& data, int64_t proband,
                                   const TArrayOfBoolean& drawn)
{
    TArrayOfBoolean connected(drawn.size(), false);
    std::vector<int64_t> stack{proband};
    connected[proband] = true;
    while (!stack.empty()) {
        int64_t person = stack.back();
        stack.pop_back();
        for (int64_t parent : ParentsOf(data, person)) {
            if (parent < 0 || !drawn[parent] || connected[parent]) continue;
            connected[parent] = true;
            stack.push_back(parent);
        }
    }
    return connected;
}

}  // namespace

TImage_Vorfahren::TImage_Vorfahren(const TAhnenData& data, const TImageSettings& settings,
                                   ProgressCallback progress, bool interactive)
    : TImage_Vorfahren(data, settings, nullptr, std::move(progress), interactive)
{
}

TImage_Vorfahren::TImage_Vorfahren(const TAhnenData& data, const TImageSettings& settings,
                                   const LabelMeasure& measure, ProgressCallback progress,
                                   bool interactive)
    : TImage_Vorfahren(data, settings, &measure, std::move(progress), interactive)
{
}

TImage_Vorfahren::TImage_Vorfahren(const TAhnenData& data, const TImageSettings& settings,
                                   const LabelMeasure* measure, ProgressCallback progress,
                                   bool interactive)
    : TImage_Common(ChartClass::Ancestors, data, settings, std::move(progress)),
      m_measure(measure ? *measure : m_ownMeasure),
      m_interactive(interactive),
      m_proband(settings.ProbandIndex),
      m_radius(settings.Symbol.Radius),
      m_familySwitched(data.Families.size(), false),
      m_lineHeight(m_measure.LineHeight())
{
    if (m_proband < 0 || m_proband >= int64_t(data.Persons.size()))
        throw Error("Kein Proband gewählt!");
    CheckAncestryAcyclic(data, m_proband);
    SelectPersons();
}

void TImage_Vorfahren::SelectPersons()
{
    // A person that the selection names but no drawn line connects to the proband could not
    // be placed, so it is left out.
    m_drawn = ConnectedToProband(Data, m_proband, SelectAncestorPersons(Data, m_proband, Settings));
    m_inCircle = FindMarriageCircles(Data, m_drawn);
    m_rows = ComputeAncestorRows(Data, m_proband, m_drawn, m_inCircle);
    const int32_t maxGen = Settings.Tree.TreeMaxGen;
    m_rowCount = 1;
    for (size_t p = 0; p < m_drawn.size(); ++p) {
        if (!m_drawn[p]) continue;
        if (m_rows[p] > maxGen && int64_t(p) != m_proband) {
            m_drawn[p] = false;
            m_rows[p] = -1;
            continue;
        }
        m_rowCount = std::max(m_rowCount, m_rows[p] + 1);
    }
    m_linkedFamilies = FamiliesWithChildIn(Data, m_drawn);
    m_links = LinkAncestors(Data, m_drawn);
    m_calcPersons = m_drawn;
    for (size_t f = 0; f < Data.Families.size(); ++f) {
        if (!m_linkedFamilies[f]) continue;
        for (int64_t parent : {Data.Families[f].Husband, Data.Families[f].Wife})
            if (parent >= 0) m_calcPersons[parent] = true;
    }
}

void TImage_Vorfahren::MeasureLabels(const LabelSource& labels)
{
    m_labels.assign(Data.Persons.size(), {});
    m_labelSize.assign(Data.Persons.size(), {});
    for (size_t p = 0; p < m_drawn.size(); ++p) {
        if (!m_drawn[p]) continue;
        if (labels) m_labels[p] = labels(int64_t(p));
        m_labelSize[p] = {m_measure.MaxTextWidth(m_labels[p]),
                          int32_t(m_labels[p].size()) * m_lineHeight};
    }
}

void TImage_Vorfahren::ComputeRowExtents()
{
    const bool horizontal = IsHorizontalAlignment(Settings.Tree.Alignment);
    const int32_t r = m_radius;
    int32_t widest = 0, highest = 0;
    m_rowExtent.assign(m_rowCount, 0);
    for (size_t p = 0; p < m_drawn.size(); ++p) {
        if (!m_drawn[p]) continue;
        const Point size = m_labelSize[p];
        widest = std::max(widest, size.x);
        highest = std::max(highest, size.y);
        int32_t along = horizontal ? size.x : size.y;
        m_rowExtent[m_rows[p]] = std::max(m_rowExtent[m_rows[p]], along);
    }
    m_pitch = horizontal ? highest + 2 * r + 4 : widest + 2 * r + 2;
    m_pitch = std::max({m_pitch, 3 * r, int32_t(Settings.NodeWidth)});
    for (int32_t& extent : m_rowExtent) {
        extent += horizontal ? 2 * r + 2 : 2 * r + 4;
        extent = std::max({extent, 3 * r, int32_t(Settings.NodeHeight)});
    }
    EqualiseRows();
}

void TImage_Vorfahren::EqualiseRows()
{
    if (Settings.NodeHeightOpt || m_rowExtent.empty()) return;
    int32_t largest = *std::max_element(m_rowExtent.begin(), m_rowExtent.end());
    std::fill(m_rowExtent.begin(), m_rowExtent.end(), largest);
}

void TImage_Vorfahren::ComputeSlotSizes()
{
    const int32_t r = m_radius;
    const int32_t least = std::max(3 * r, int32_t(Settings.NodeWidth));
    m_slotAcross.assign(Data.Persons.size(), m_pitch);
    for (size_t p = 0; p < m_drawn.size(); ++p) {
        if (!m_drawn[p]) continue;
        if (IsHorizontalAlignment(Settings.Tree.Alignment))
            m_slotAcross[p] = std::max(m_labelSize[p].y + 2 * r + 4, least);
        else if (Settings.NodeWidthOpt)
            m_slotAcross[p] = std::max(m_labelSize[p].x + 2 * r + 2, least);
    }
}

AncestorPackingInput TImage_Vorfahren::PackingInput() const
{
    return {m_links,
            m_proband,
            m_rows,
            m_slotAcross,
            m_familySwitched,
            m_rowCount,
            std::max(3 * m_radius, int32_t(Settings.NodeWidth))};
}

bool TImage_Vorfahren::Layout(const LabelSource& labels)
{
    MeasureLabels(labels);
    ComputeRowExtents();
    ComputeSlotSizes();
    m_totalAlong = 2 * m_pitch + SumOfExtents(m_rowCount);
    const uint8_t sorting = Settings.Tree.Sorting;
    if ((sorting == 1 || sorting == 2) && !Sort(sorting)) return false;
    Relayout();
    RecordFamilyOffsets();
    GrowRowsForLines();
    Relayout();
    return true;
}

bool TImage_Vorfahren::Sort(uint8_t sorting)
{
    const AncestorPackingInput input = PackingInput();
    if (!Settings.Tree.ReferenceSorting)
        return AncestorSorter(Data, m_drawn, input, m_familySwitched, Progress).Run(sorting);
    TTetrisVorfahren packing;
    return ReferenceAncestorSorter(Data, m_drawn, input, m_familySwitched, packing, Progress)
        .Run(sorting);
}

void TImage_Vorfahren::Relayout()
{
    m_totalAlong = m_pitch + SumOfExtents(m_rowCount);
    m_packing.Pack(PackingInput());
    PlacePersons();
    std::vector<int32_t> coordinates(m_rowCount);
    for (int32_t row = 0; row < m_rowCount; ++row) coordinates[row] = RowCoordinate(row);
    m_linePlan = PlanLines({Data, m_drawn, m_rows, m_positions, coordinates});
    for (int32_t gap = 0; gap < m_rowCount; ++gap)
        PruneBends(m_linePlan[gap], m_rowExtent[gap], m_interactive);
    const int32_t across = m_packing.PackedWidth + m_pitch;
    const bool horizontal = IsHorizontalAlignment(Settings.Tree.Alignment);
    Width = horizontal ? m_totalAlong : across;
    Height = horizontal ? across : m_totalAlong;
}

void TImage_Vorfahren::PlacePersons()
{
    m_positions.assign(Data.Persons.size(), Point{-1, -1});
    for (const TTetrisVorfahrenNode& node : m_packing.Nodes())
        if (node.Person >= 0)
            m_positions[node.Person] = {m_pitch / 2 + node.Offset,
                                        RowCoordinate(m_rows[node.Person])};
}

void TImage_Vorfahren::RecordFamilyOffsets()
{
    TPosList list(Data.Persons.size());
    for (size_t p = 0; p < list.size(); ++p)
        if (m_drawn[p] && m_packing.NodeOf(int64_t(p)) >= 0)
            list[p] = {m_positions[p].x, m_positions[p].y, m_rows[p], true};
    m_familyOffsets.emplace(Data, std::move(list));
}

// Rows make room for the nested marriage lines and the stacked bends next to them.
void TImage_Vorfahren::GrowRowsForLines()
{
    const uint8_t alignment = Settings.Tree.Alignment;
    const bool bendsBelow = alignment == 0 || alignment == 2;
    for (int32_t row = 0; row < m_rowCount; ++row) {
        int32_t levels = FamilyLevel(0, Width, row);
        int32_t bends = 0;
        if (bendsBelow)
            bends = int32_t(m_linePlan[row].Bends.size());
        else if (row > 0)
            bends = int32_t(m_linePlan[row - 1].Bends.size());
        m_rowExtent[row] = std::max(m_rowExtent[row], 6 * std::max(3, levels + bends));
    }
    EqualiseRows();
}

void TImage_Vorfahren::GrowRow(int32_t row, int32_t extent)
{
    if (row >= 0 && row < m_rowCount) m_rowExtent[row] = std::max(m_rowExtent[row], extent);
}

int32_t TImage_Vorfahren::SumOfExtents(int32_t rows) const
{
    rows = std::clamp(rows, 0, int32_t(m_rowExtent.size()));
    return std::accumulate(m_rowExtent.begin(), m_rowExtent.begin() + rows, 0);
}

int32_t TImage_Vorfahren::RowCoordinate(int32_t row) const
{
    const uint8_t alignment = Settings.Tree.Alignment;
    if (alignment == 0 || alignment == 2) return m_pitch / 2 + SumOfExtents(row);
    return m_totalAlong - (m_pitch / 2 + SumOfExtents(row + 1));
}

int32_t TImage_Vorfahren::RowOf(int64_t person) const
{
    return person >= 0 && person < int64_t(m_rows.size()) ? m_rows[person] : -1;
}

Point TImage_Vorfahren::PositionOf(int64_t person) const
{
    if (person < 0 || person >= int64_t(m_positions.size())) return {-1, -1};
    return m_positions[person];
}

const TArrayOfString& TImage_Vorfahren::LabelOf(int64_t person) const
{
    static const TArrayOfString kNone;
    if (person < 0 || person >= int64_t(m_labels.size())) return kNone;
    return m_labels[person];
}

int32_t TImage_Vorfahren::FamilyLevel(int32_t x1, int32_t x2, int32_t row) const
{
    return m_familyOffsets ? m_familyOffsets->FamilyLevel(x1, x2, row) : 0;
}

int32_t TImage_Vorfahren::AcrossExtent() const
{
    return IsHorizontalAlignment(Settings.Tree.Alignment) ? Height : Width;
}

}  // namespace qv
