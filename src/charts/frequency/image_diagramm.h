// TImage_Diagramm: the frequency diagram as a picture, for readers without a spreadsheet
// program: each person's fitted curve and its counts over the generations, with axes, grid
// and a legend in the persons' colours.
#pragma once

#include <vector>

#include "charts/chart_common.h"
#include "charts/frequency/diagram_axis.h"
#include "charts/frequency/diagram_data.h"

namespace qv {

class TImage_Diagramm : public TImage_Common {
public:
    // Lays the picture out (Width, Height); the diagram must outlive the chart.
    TImage_Diagramm(const TAhnenData& data, const TImageSettings& settings,
                    const DiagramData& diagram, ProgressCallback progress = {});

    // The style the picture is drawn with: the chart font, curves always smoothed.
    ChartPainterStyle DiagramStyle() const;
    void Draw(ChartPainter& painter) const;

    const AxisScale& GenerationAxis() const { return m_x; }
    const AxisScale& ValueAxis() const { return m_y; }
    // The chart pixel of generation x and value y.
    Point At(double x, double y) const;

private:
    // The sampled curve of a person, one point every few pixels across the plot.
    std::vector<Point> CurvePoints(const NormalCurve& curve) const;
    double LargestValue() const;
    void Layout();
    void DrawGrid(ChartPainter& painter) const;
    void DrawAxisTexts(ChartPainter& painter) const;
    void DrawSeries(ChartPainter& painter) const;
    void DrawMarker(ChartPainter& painter, Point centre, TColor color) const;
    void DrawLegend(ChartPainter& painter) const;

    const DiagramData& m_diagram;
    AxisScale m_x;
    AxisScale m_y;
    int m_valueTextWidth = 0;
    // The plot area: left, top, right, bottom in chart pixels.
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    int m_legendX = 0;
};

}  // namespace qv
