// Layout and drawing of the frequency picture.
#include "charts/frequency/image_diagramm.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {
namespace {

constexpr int kMargin = 16;
constexpr int kPlotWidth = 600;
constexpr int kPlotHeight = 360;
constexpr int kTickLength = 5;
constexpr int kGap = 8;
constexpr int kCurveWidth = 2;
constexpr int kMarkerRadius = 4;
constexpr int kLegendSample = 28;
constexpr int kSampleStep = 2;  // pixels between curve points
constexpr TColor kGridColor = 0xE4E4E4;
constexpr TColor kAxisColor = 0x404040;

// A filled box of whole pixels: crisp axes, ticks and grid lines in every format.
void Bar(ChartPainter& painter, Point a, Point b, TColor color)
{
    ShapeStyle style;
    style.fill = color;
    style.outlineWidth = 0;
    painter.Rectangle(a, b, style);
}

}  // namespace

TImage_Diagramm::TImage_Diagramm(const TAhnenData& data, const TImageSettings& settings,
                                 const DiagramData& diagram, ProgressCallback progress)
    : TImage_Common(ChartClass::Frequency, data, settings, std::move(progress)), m_diagram(diagram)
{
    Layout();
}

ChartPainterStyle TImage_Diagramm::DiagramStyle() const
{
    ChartPainterStyle style = PainterStyle();
    style.smoothLines = true;
    return style;
}

Point TImage_Diagramm::At(double x, double y) const
{
    const double px = m_left + m_x.Fraction(x) * (m_right - m_left);
    const double py = m_bottom - m_y.Fraction(y) * (m_bottom - m_top);
    return {static_cast<int32_t>(std::lround(px)), static_cast<int32_t>(std::lround(py))};
}

std::vector<Point> TImage_Diagramm::CurvePoints(const NormalCurve& curve) const
{
    std::vector<Point> points;
    const int steps = (m_right - m_left) / kSampleStep;
    for (int i = 0; i <= steps; ++i) {
        const double x = m_x.low + (m_x.high - m_x.low) * i / steps;
        points.push_back(At(x, curve.At(x)));
    }
    return points;
}

// Over the counts and the curves as they are drawn, so nothing leaves the plot.
double TImage_Diagramm::LargestValue() const
{
    double largest = 0;
    for (const DiagramPerson& person : m_diagram.persons) {
        for (int64_t j = m_diagram.first; j <= m_diagram.last; ++j)
            largest = std::max(largest, static_cast<double>(person.Count(j)));
        if (!person.curve) continue;
        const int steps = kPlotWidth / kSampleStep;
        for (int i = 0; i <= steps; ++i)
            largest =
                std::max(largest, person.curve->At(m_x.low + (m_x.high - m_x.low) * i / steps));
    }
    return largest;
}

void TImage_Diagramm::Layout()
{
    const double first = static_cast<double>(m_diagram.first);
    const double last = static_cast<double>(m_diagram.last);
    const double pad = m_diagram.first == m_diagram.last ? 1 : 0.5;
    m_x = {first - pad, last + pad, RoundStep(last - first + 2 * pad, 12, 1)};
    m_y = ValueScale(LargestValue(), 6);
    for (double tick : m_y.Ticks())
        m_valueTextWidth = std::max(m_valueTextWidth, TextWidth(TickText(tick, m_y.step)));
    m_left = kMargin + LineHeight() + kGap + m_valueTextWidth + kTickLength + 2;
    m_top = kMargin + 2 * LineHeight();
    m_right = m_left + kPlotWidth;
    m_bottom = m_top + kPlotHeight;
    m_legendX = m_right + 3 * kGap;
    int labels = 0;
    for (const DiagramPerson& person : m_diagram.persons)
        labels = std::max(labels, TextWidth(person.label));
    const int legendBottom =
        m_top + static_cast<int>(m_diagram.persons.size()) * (LineHeight() + kGap);
    Width = m_legendX + kLegendSample + kGap + labels + kMargin;
    Height = std::max(m_bottom + kGap + 2 * LineHeight() + kGap, legendBottom) + kMargin;
}

void TImage_Diagramm::DrawGrid(ChartPainter& painter) const
{
    for (double tick : m_y.Ticks()) {
        const int y = At(m_x.low, tick).y;
        if (tick > m_y.low) Bar(painter, {m_left, y}, {m_right, y + 1}, kGridColor);
        Bar(painter, {m_left - kTickLength, y}, {m_left, y + 1}, kAxisColor);
    }
    for (double tick : m_x.Ticks()) {
        const int x = At(tick, 0).x;
        Bar(painter, {x, m_bottom}, {x + 1, m_bottom + kTickLength}, kAxisColor);
    }
    Bar(painter, {m_left - 1, m_top}, {m_left, m_bottom + 1}, kAxisColor);
    Bar(painter, {m_left - 1, m_bottom}, {m_right, m_bottom + 1}, kAxisColor);
}

void TImage_Diagramm::DrawAxisTexts(ChartPainter& painter) const
{
    const int half = LineHeight() / 2;
    const std::string& title = m_diagram.value;
    painter.Text({(m_left + m_right - TextWidth(title)) / 2, kMargin}, title);
    for (double tick : m_y.Ticks()) {
        const std::string text = TickText(tick, m_y.step);
        const int y = At(m_x.low, tick).y;
        painter.Text({m_left - kTickLength - 2 - TextWidth(text), y - half}, text);
    }
    for (double tick : m_x.Ticks()) {
        const std::string text = TickText(tick, m_x.step);
        painter.Text({At(tick, 0).x - TextWidth(text) / 2, m_bottom + kTickLength + 2}, text);
    }
    const std::string xTitle = "Generation";
    painter.Text({(m_left + m_right - TextWidth(xTitle)) / 2,
                  m_bottom + kTickLength + 2 + LineHeight() + kGap / 2},
                 xTitle);
    painter.RotatedText({kMargin + half, (m_top + m_bottom) / 2}, "Vorkommen in einer Generation",
                        kBlack, kWhite, -std::numbers::pi / 2);
}

void TImage_Diagramm::DrawMarker(ChartPainter& painter, Point centre, TColor color) const
{
    ShapeStyle style;
    style.fill = color;
    style.outline = kAxisColor;
    painter.Ellipse({centre.x - kMarkerRadius, centre.y - kMarkerRadius},
                    {centre.x + kMarkerRadius + 1, centre.y + kMarkerRadius + 1}, style);
}

// Each person's curve, then its counts, in groups of their own that a document names. Zero
// counts are left out: stacked on the axis they would only hide one another.
void TImage_Diagramm::DrawSeries(ChartPainter& painter) const
{
    for (const DiagramPerson& person : m_diagram.persons) {
        if (person.curve) {
            GroupStyle curve;
            curve.Stroke(person.color, kCurveWidth).attributes = " class=\"curve\"";
            painter.BeginGroup(curve);
            painter.Polyline(CurvePoints(*person.curve), person.color, kCurveWidth);
            painter.EndGroup();
        }
        GroupStyle counts;
        counts.attributes = " class=\"counts\"";
        painter.BeginGroup(counts);
        for (int64_t j = m_diagram.first; j <= m_diagram.last; ++j)
            if (person.Count(j) != 0)
                DrawMarker(painter,
                           At(static_cast<double>(j), static_cast<double>(person.Count(j))),
                           person.color);
        painter.EndGroup();
    }
}

void TImage_Diagramm::DrawLegend(ChartPainter& painter) const
{
    int y = m_top;
    for (const DiagramPerson& person : m_diagram.persons) {
        const int middle = y + LineHeight() / 2;
        const Point line[] = {{m_legendX, middle}, {m_legendX + kLegendSample, middle}};
        if (person.curve) painter.Polyline(line, person.color, kCurveWidth);
        DrawMarker(painter, {m_legendX + kLegendSample / 2, middle}, person.color);
        painter.Text({m_legendX + kLegendSample + kGap, y}, person.label);
        y += LineHeight() + kGap;
    }
}

void TImage_Diagramm::Draw(ChartPainter& painter) const
{
    Bar(painter, {0, 0}, {Width, Height}, kWhite);
    DrawGrid(painter);
    DrawAxisTexts(painter);
    DrawSeries(painter);
    DrawLegend(painter);
}

}  // namespace qv
