// TImage_Dreiecksdiagramm: the triangle diagram, the proband's ancestors and descendants as
// points placed by gbs(d) and g'b(d), with grid, axes, average line, numbers and legend.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "charts/chart_common.h"
#include "charts/triangle/triangle_geometry.h"
#include "charts/triangle/triangle_labels.h"
#include "charts/triangle/triangle_legend.h"
#include "charts/triangle/triangle_points.h"
#include "charts/triangle/triangle_selection.h"

namespace qv {

class TBitmapLine;

class TImage_Dreiecksdiagramm : public TImage_Common {
public:
    // The settings and data must outlive the chart.
    TImage_Dreiecksdiagramm(const TAhnenData& data, const TImageSettings& settings,
                            ProgressCallback progress = {});

    // Selects the persons, runs the calculations on an engine of its own and computes every
    // size; false when cancelled. Throws Error: "Kein Proband gewählt!", "Keine Personen in
    // der Liste zum Anzeigen!" (selected persons without a selection), a cyclic ancestry.
    bool Create(const TriangleLabels& labels);
    // The diagram with its top at offsetY; false when cancelled.
    bool Draw(ChartPainter& painter, int32_t offsetY);

    // Per person: 1 ancestor, -1 descendant, 0 not shown.
    TriangleSides Side;
    // The persons shown, in index order: those beyond the generation limits and those
    // without a value are left out.
    const std::vector<TrianglePoint>& Points() const { return m_points; }
    int32_t PersonCount() const { return int32_t(m_points.size()); }
    const TriangleGeometry& Geometry() const { return *m_geometry; }
    // Where the legend starts.
    int32_t TriangleHeight() const { return m_geometry->TriangleHeight(); }
    // Each point's number (shared by equal points); empty without labels.
    const std::vector<int32_t>& Numbers() const { return m_numbers; }
    const std::vector<TArrayOfString>& Labels() const { return m_labels; }

private:
    bool ReadValues(const TArrayOfBoolean& shown);
    void MeasureLegend();
    bool Report(const std::string& text, int64_t position = 0, int64_t maximum = 1);

    void DrawGrid(ChartPainter& painter, Point offset);
    void DrawSideNames(ChartPainter& painter, Point offset);
    void DrawAxes(ChartPainter& painter, Point offset);
    void DrawAverageLine(ChartPainter& painter, Point offset);
    bool DrawSymbols(ChartPainter& painter, Point offset);
    void DrawTickNumbers(ChartPainter& painter, Point offset);
    void DrawAxisNames(ChartPainter& painter, Point offset);
    void DrawNumbers(ChartPainter& painter, Point offset);
    void DrawLegend(ChartPainter& painter, Point offset);
    // Sides with generations to draw: 1 ancestors, -1 descendants.
    std::vector<int> DrawnSides() const;
    // The middle of a side's far edge, from which the persons' numbers point away.
    Point FarEdgeMiddle(int side) const;
    TBitmapLine NewLineLayer(TColor color) const;

    bool m_cancelled = false;
    std::vector<TrianglePoint> m_points;
    std::vector<int32_t> m_numbers;
    std::vector<TArrayOfString> m_labels;
    std::optional<TriangleGeometry> m_geometry;
    std::optional<TriangleLegend> m_legend;
    int32_t m_numberWidth = 0;
    int32_t m_labelWidth = 0;
};

}  // namespace qv
