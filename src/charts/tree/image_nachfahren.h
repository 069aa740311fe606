// TImage_Nachfahren: the descendant tree below the proband, each descendant with the partners
// it has children with, and the geometry of its family lines.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/image_settings.h"
#include "charts/chart_common.h"
#include "charts/tree/chart_label_measure.h"
#include "charts/tree/chart_polyline.h"
#include "charts/tree/descendant_tree.h"
#include "charts/tree/family_offset.h"
#include "charts/tree/label_measure.h"
#include "charts/tree/label_placement.h"
#include "charts/tree/tetris.h"
#include "data/ahnen_data.h"
#include "data/progress.h"
#include "render/bitmap_line.h"
#include "render/point.h"

namespace qv {

class TImage_Nachfahren : public TImage_Common {
public:
    // Selects the persons, checks that they can be drawn in rows and builds the tree below
    // ProbandIndex. limitFrom: in the collateral-relatives copy, the user's proband, from
    // whose depth the descendant generations are counted. Throws Error when the proband's
    // descendants are cyclic or a person would stand in its parents' row.
    TImage_Nachfahren(const TAhnenData& data, const TImageSettings& settings,
                      ProgressCallback progress = {}, int64_t limitFrom = -1);
    // The same, with labels measured by the given measure instead of the chart's font.
    TImage_Nachfahren(const TAhnenData& data, const TImageSettings& settings,
                      const LabelMeasure& measure, ProgressCallback progress = {},
                      int64_t limitFrom = -1);

    // Labels, row extents, packing and positions; false when cancelled.
    bool Layout(const LabelSource& labels);
    // Positions, family levels and size again, after row extents grew.
    void Relayout();
    // Lets a row grow to at least the extent (generation captions); Relayout applies it.
    void GrowRow(int32_t depth, int32_t extent);

    int32_t RowCoordinate(int32_t depth) const;
    // The symbol centre in layout orientation; (-1, -1) for a person without a node.
    Point PositionOf(int64_t person) const;
    const TArrayOfString& LabelOf(int64_t person) const;
    int32_t FamilyLevel(int32_t x1, int32_t x2, int32_t row) const;
    // The bars, child lines and marriage lines of every family, in family order.
    std::vector<ChartPolyline> Lines() const;

    // The person whose label is shaded yellow (the proband when FONT_HIGHLIGHT is on).
    void SetHighlighted(int64_t person) { m_highlighted = person; }
    TColor LabelBackground(int64_t person) const;
    // Draws the tree with its origin at the point, all but the proband, whose symbol and
    // label the ancestor chart draws on the same point; false when the progress callback
    // cancelled.
    bool Draw(ChartPainter& painter, Point origin);

    int64_t Proband() const { return m_proband; }
    const TArrayOfBoolean& Drawn() const { return m_drawn; }
    // The persons with a node, whose label values the calculation engine must provide.
    const TArrayOfBoolean& TreePersons() const { return m_treePersons; }
    const TTree& Tree() const { return m_tree; }
    int32_t RowCount() const { return int32_t(m_rowExtent.size()); }
    const std::vector<int32_t>& RowExtent() const { return m_rowExtent; }
    int32_t Pitch() const { return m_pitch; }
    int32_t TotalAlong() const { return m_totalAlong; }
    // Room below a parent for its family line.
    int32_t LineMargin() const { return m_radius + 10; }

private:
    TImage_Nachfahren(const TAhnenData& data, const TImageSettings& settings,
                      const LabelMeasure* measure, ProgressCallback progress, int64_t limitFrom);
    void MeasureLabels(const LabelSource& labels);
    void ComputeRowExtents();
    void EqualiseRows();
    void PlaceNodes();
    void GrowRowsForLines();
    int32_t AcrossExtent() const;
    int32_t SumOfExtents(int32_t rows) const;
    void AddFamilyLines(int32_t family, std::vector<ChartPolyline>& lines) const;
    int32_t BarOffset(int64_t parent) const;
    std::optional<int32_t> AddBar(int64_t parent, int64_t father, int64_t mother,
                                  std::vector<ChartPolyline>& lines) const;
    bool HasNode(int64_t person) const { return person >= 0 && m_tree.NodeOf[person] >= 0; }
    // Nodes with a symbol and label: not the root, no placeholder.
    bool Shown(const TTree_Node& node) const
    {
        return node.Parent >= 0 && !Data.Persons[node.Person].IsDummy;
    }
    Point PicturePoint(int32_t node, Point origin) const;
    TBitmapLine LineLayer() const;
    // Nodes from the root, each before its children.
    std::vector<int32_t> TreeOrder() const;
    LabelPlacement Placement() const { return {m_radius, m_lineHeight}; }

    ChartLabelMeasure m_ownMeasure{*this};
    const LabelMeasure& m_measure;
    int64_t m_proband;
    int32_t m_radius;

    TArrayOfBoolean m_drawn;
    TArrayOfBoolean m_treePersons;
    TTree m_tree;

    std::vector<TArrayOfString> m_labels;  // per person
    std::vector<Point> m_labelSize;        // per person: width, height
    std::vector<int32_t> m_slotAcross;     // per node
    std::vector<int32_t> m_rowExtent;
    int32_t m_pitch = 0;
    int32_t m_totalAlong = 0;
    int32_t m_lineHeight = 0;

    std::vector<TTetris> m_packings;  // per node
    int32_t m_packedWidth = 0;
    std::vector<Point> m_positions;  // per node
    std::optional<TFamilyOffset> m_familyOffsets;
    int64_t m_highlighted = -1;
};

}  // namespace qv
