// Drawing the triangle diagram: grid, side names, axes, average line and symbols.
#include <cmath>
#include <numbers>

#include "charts/triangle/image_dreiecksdiagramm.h"
#include "render/bitmap_line.h"

namespace qv {
namespace {

constexpr TColor kTriangleGridColor = 0xE0E0E0;
constexpr TColor kAverageColor = 0x00FF00;
constexpr double kSideNameAngle = std::numbers::pi / 3;
// How often the symbol loop reports: every person would flood the window's event loop.
constexpr int64_t kSymbolReportStep = 256;

PointF UnitVector(Point from, Point to)
{
    const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
    if (length == 0) return {1, 0};
    return {dx / length, dy / length};
}

// Two strokes back from the tip, a quarter generation long, about 14 degrees off the axis.
void AddArrow(TBitmapLine& lines, Point from, Point tip)
{
    const PointF back = UnitVector(tip, from);
    const double spread = std::atan(0.25), length = kTriangleScale / 4.0;
    for (double turn : {spread, -spread}) {
        const double c = std::cos(turn), s = std::sin(turn);
        const PointF arm{back.x * c - back.y * s, back.x * s + back.y * c};
        lines.AddSegment(tip, {tip.x + int32_t(std::lround(length * arm.x)),
                               tip.y + int32_t(std::lround(length * arm.y))});
    }
    lines.AddSegment(from, tip);
}

}  // namespace

std::vector<int> TImage_Dreiecksdiagramm::DrawnSides() const
{
    std::vector<int> sides;
    for (int side : {1, -1})
        if (m_geometry->Generations(side) > 0) sides.push_back(side);
    return sides;
}

Point TImage_Dreiecksdiagramm::FarEdgeMiddle(int side) const
{
    const int32_t n = m_geometry->Generations(side);
    return m_geometry->Place(side, (n - 1) / 2.0, n - 1);
}

TBitmapLine TImage_Dreiecksdiagramm::NewLineLayer(TColor color) const
{
    TBitmapLine lines(Width, Height);
    lines.Color = color;
    return lines;
}

bool TImage_Dreiecksdiagramm::Draw(ChartPainter& painter, int32_t offsetY)
{
    const Point offset{0, offsetY};
    if (Report("Zeichne Diagramm-Linien und -Beschriftung")) return false;
    DrawGrid(painter, offset);
    DrawSideNames(painter, offset);
    DrawAxes(painter, offset);
    DrawAverageLine(painter, offset);
    if (!DrawSymbols(painter, offset) || Report("Zeichne Text")) return false;
    painter.BeginGroup(GroupStyle().Stroke(kBlack, 0).Fill(kBlack).Font());
    DrawTickNumbers(painter, offset);
    DrawAxisNames(painter, offset);
    if (!m_labels.empty()) {
        DrawNumbers(painter, offset);
        DrawLegend(painter, offset);
    }
    painter.EndGroup();
    return !m_cancelled;
}

// Lines parallel to the far edge from the base to the slanted edge, then lines parallel to
// the base from the slanted edge to the far edge.
void TImage_Dreiecksdiagramm::DrawGrid(ChartPainter& painter, Point offset)
{
    TBitmapLine across = NewLineLayer(kTriangleGridColor);
    TBitmapLine along = NewLineLayer(kTriangleGridColor);
    for (int side : DrawnSides()) {
        const TriangleGeometry& g = *m_geometry;
        const int32_t n = g.Generations(side);
        for (int32_t c = 1; c <= n - 1; ++c) across.AddSegment(g.Place(side, 0, c), g.Place(side, c, c));
        for (int32_t c = 1; c <= n - 2; ++c)
            along.AddSegment(g.Place(side, c, c), g.Place(side, c, n - 1));
    }
    painter.Lines(across, offset);
    painter.Lines(along, offset);
}

void TImage_Dreiecksdiagramm::DrawSideNames(ChartPainter& painter, Point offset)
{
    const int direction = Settings.Triangle.Alignment;
    const double angle = direction == 0 || direction == 1 ? -kSideNameAngle : kSideNameAngle;
    const double beyond = LineHeight() + Settings.Symbol.Radius;
    for (int side : DrawnSides()) {
        const Point edge = FarEdgeMiddle(side);
        const PointF u = UnitVector(m_geometry->Origin(), edge);
        const Point at{edge.x + int32_t(std::ceil(beyond * u.x)),
                       edge.y + int32_t(std::ceil(beyond * u.y))};
        painter.RotatedBlock({Shifted(at, offset), {side == 1 ? "Vorfahren" : "Nachfahren"},
                              2 * Settings.FontSize, angle, kTriangleGridColor, kWhite});
    }
}

void TImage_Dreiecksdiagramm::DrawAxes(ChartPainter& painter, Point offset)
{
    TBitmapLine axes = NewLineLayer(kBlack);
    for (int side : DrawnSides()) {
        const double end = m_geometry->Generations(side) - 0.5;
        AddArrow(axes, m_geometry->Origin(), m_geometry->Place(side, end, end));
        AddArrow(axes, m_geometry->Origin(), m_geometry->Place(side, 0, end));
    }
    painter.Lines(axes, offset);
}

void TImage_Dreiecksdiagramm::DrawAverageLine(ChartPainter& painter, Point offset)
{
    TBitmapLine average = NewLineLayer(kAverageColor);
    for (int side : DrawnSides()) {
        std::vector<Point> line{m_geometry->Origin()};
        for (const auto& [h, b] : AverageLine(m_points, side, m_geometry->Generations(side)))
            line.push_back(m_geometry->Place(side, h, b));
        if (line.size() > 1) average.AddLine(line);
    }
    painter.Lines(average, offset);
}

// Males first, then females, then everybody else, each pass in index order.
bool TImage_Dreiecksdiagramm::DrawSymbols(ChartPainter& painter, Point offset)
{
    const auto total = int64_t(3 * m_points.size());
    int64_t step = 0;
    painter.BeginSymbols();
    for (char pass : {'M', 'F', 'U'}) {
        for (const TrianglePoint& point : m_points) {
            if (step % kSymbolReportStep == 0 && Report("Vorfahren: Zeichne Symbole", step, total))
                break;
            ++step;
            const char sex = Data.Persons[size_t(point.person)].Sex;
            const char group = sex == 'M' || sex == 'F' ? sex : 'U';
            if (group != pass) continue;
            const Point at = m_geometry->Place(point.side, point.h, point.b);
            DrawSymbol(painter, sex, Shifted(at, offset));
        }
    }
    painter.EndSymbols();
    return !m_cancelled;
}

}  // namespace qv
