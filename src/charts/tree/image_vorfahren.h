// TImage_Vorfahren: the ancestor chart, one symbol per ancestor in generation rows, with the
// geometry of its lines. Drawing goes through the chart base; this is the layout.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/image_settings.h"
#include "charts/chart_common.h"
#include "charts/tree/chart_label_measure.h"
#include "charts/tree/chart_polyline.h"
#include "charts/tree/family_offset.h"
#include "charts/tree/label_measure.h"
#include "charts/tree/label_placement.h"
#include "charts/tree/line_plan.h"
#include "charts/tree/tetris_vorfahren.h"
#include "data/ahnen_data.h"
#include "data/progress.h"
#include "render/point.h"

namespace qv {

// A drawn child's line up to its parents' anchor, and the bend level at which it turns
// toward the anchor, along (0 for a line that is not bent).
struct ChildLineOf {
    int64_t child = -1;
    ChartPolyline line;
    int32_t bend = 0;
};

// A family's lines: the two halves of the marriage line (father's first; none unless both
// parents are drawn), then the line of every drawn child in the family's order.
struct FamilyLines {
    std::vector<ChartPolyline> marriage;
    std::vector<ChildLineOf> children;
};

class TImage_Vorfahren : public TImage_Common {
public:
    // Selects the persons (ProbandIndex of the settings is the proband), finds the marriage
    // circles and the rows. Throws Error when the proband's ancestry is cyclic.
    TImage_Vorfahren(const TAhnenData& data, const TImageSettings& settings,
                     ProgressCallback progress = {}, bool interactive = false);
    // The same, with labels measured by the given measure instead of the chart's font.
    TImage_Vorfahren(const TAhnenData& data, const TImageSettings& settings,
                     const LabelMeasure& measure, ProgressCallback progress = {},
                     bool interactive = false);

    // Labels, row extents, sorting, packing and the line plan; false when cancelled.
    bool Layout(const LabelSource& labels);
    // Packing, positions, line plan and size again, after row extents grew.
    void Relayout();
    // Lets a row grow to at least the extent (generation captions); Relayout applies it.
    void GrowRow(int32_t row, int32_t extent);

    int32_t RowOf(int64_t person) const;
    // The symbol line of a row, along.
    int32_t RowCoordinate(int32_t row) const;
    // The symbol centre in layout orientation; (-1, -1) for a person not in the chart.
    Point PositionOf(int64_t person) const;
    const TArrayOfString& LabelOf(int64_t person) const;
    int32_t FamilyLevel(int32_t x1, int32_t x2, int32_t row) const;
    // How far a couple's anchor moves toward its children, along (0 for none).
    int32_t MarriageOffset(int32_t family) const;
    // The marriage and child lines of every family, in family order.
    std::vector<ChartPolyline> Lines() const;
    // One family's lines; empty for a family without a drawn parent.
    FamilyLines LinesOf(int32_t family) const;

    // The person whose label is shaded yellow (the proband when FONT_HIGHLIGHT is on).
    void SetHighlighted(int64_t person) { m_highlighted = person; }
    // The background of a person's label: highlight, shaded odd rows, or white.
    TColor LabelBackground(int64_t person) const;
    // Draws the chart with its origin at the point; false when the progress callback
    // cancelled.
    bool Draw(ChartPainter& painter, Point origin);

    int64_t Proband() const { return m_proband; }
    const TArrayOfBoolean& Drawn() const { return m_drawn; }
    const TArrayOfBoolean& CalcPersons() const { return m_calcPersons; }
    const TArrayOfBoolean& InCircle() const { return m_inCircle; }
    int32_t RowCount() const { return m_rowCount; }
    const std::vector<int32_t>& RowExtent() const { return m_rowExtent; }
    int32_t Pitch() const { return m_pitch; }
    int32_t TotalAlong() const { return m_totalAlong; }
    const std::vector<TLineGen>& LinePlan() const { return m_linePlan; }
    const TTetrisVorfahren& Packing() const { return m_packing; }
    const TArrayOfBoolean& FamilySwitched() const { return m_familySwitched; }
    bool Interactive() const { return m_interactive; }

private:
    TImage_Vorfahren(const TAhnenData& data, const TImageSettings& settings,
                     const LabelMeasure* measure, ProgressCallback progress, bool interactive);
    void SelectPersons();
    void MeasureLabels(const LabelSource& labels);
    void ComputeRowExtents();
    void ComputeSlotSizes();
    AncestorPackingInput PackingInput() const;
    // The "Sortierung" passes; false when cancelled.
    bool Sort(uint8_t sorting);
    void PlacePersons();
    void RecordFamilyOffsets();
    void GrowRowsForLines();
    void EqualiseRows();
    int32_t AcrossExtent() const;
    int32_t SumOfExtents(int32_t rows) const;
    ChildLineOf ChildLine(int64_t child, int32_t family, Point anchor, int32_t levels) const;
    int32_t LevelCount(int32_t row) const;
    // Lines and persons in picture coordinates for a chart origin.
    std::vector<ChartPolyline> PictureLines(Point origin) const;
    Point PicturePoint(int64_t person, Point origin) const;
    bool Shown(size_t person) const { return m_drawn[person] && !Data.Persons[person].IsDummy; }
    LabelPlacement Placement() const { return {m_radius, m_lineHeight}; }
    bool DrawPersonByPerson(ChartPainter& painter, Point origin);
    bool DrawLabelsThenSymbols(ChartPainter& painter, Point origin);
    void DrawCrossedHalos(ChartPainter& painter, Point origin);

    ChartLabelMeasure m_ownMeasure{*this};
    const LabelMeasure& m_measure;
    bool m_interactive;
    int64_t m_proband;
    int32_t m_radius;

    TArrayOfBoolean m_drawn;
    TArrayOfBoolean m_calcPersons;
    TArrayOfBoolean m_inCircle;
    TArrayOfBoolean m_linkedFamilies;
    AncestorLinks m_links;
    std::vector<int32_t> m_rows;
    int32_t m_rowCount = 1;
    TArrayOfBoolean m_familySwitched;

    std::vector<TArrayOfString> m_labels;
    std::vector<Point> m_labelSize;  // width, height per person
    std::vector<int32_t> m_slotAcross;
    std::vector<int32_t> m_rowExtent;
    int32_t m_pitch = 0;
    int32_t m_totalAlong = 0;
    int32_t m_lineHeight = 0;

    TTetrisVorfahren m_packing;
    std::vector<Point> m_positions;
    std::vector<TLineGen> m_linePlan;
    std::optional<TFamilyOffset> m_familyOffsets;
    int64_t m_highlighted = -1;
};

}  // namespace qv
