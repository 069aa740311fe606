// The texts of the triangle diagram: tick numbers, axis names, person numbers and legend.
#include <cmath>
#include <numbers>
#include <string>

#include "charts/triangle/image_dreiecksdiagramm.h"

namespace qv {

// Each number outside the triangle: below or above the base, left or right of the slanted
// edge, whichever side the triangle does not lie on.
void TImage_Dreiecksdiagramm::DrawTickNumbers(ChartPainter& painter, Point offset)
{
    const int32_t lineHeight = LineHeight();
    const int32_t slantGap = 3 + int32_t(std::tan(std::numbers::pi / 6) * lineHeight / 2);
    for (int side : DrawnSides()) {
        const Point growth = m_geometry->Growth(side);
        for (int32_t c = 1; c <= m_geometry->Generations(side) - 1; ++c) {
            const std::string text = std::to_string(c);
            const int32_t width = TextWidth(text);
            const Point base = Shifted(m_geometry->Place(side, 0, c), offset);
            painter.Text({base.x - width / 2, growth.y > 0 ? base.y - 3 - lineHeight : base.y + 3},
                         text);
            const Point slant = Shifted(m_geometry->Place(side, c, c), offset);
            painter.Text({growth.x > 0 ? slant.x - slantGap - width : slant.x + slantGap,
                          slant.y - lineHeight / 2},
                         text);
        }
    }
}

void TImage_Dreiecksdiagramm::DrawAxisNames(ChartPainter& painter, Point offset)
{
    for (int side : DrawnSides()) {
        const int32_t n = m_geometry->Generations(side);
        for (const auto& [text, h] : {std::pair{"g'b", n}, std::pair{"gbs", 0}}) {
            const Point at = Shifted(m_geometry->Place(side, h, n), offset);
            painter.Text({at.x - TextWidth(text) / 2, at.y - LineHeight() / 2}, text);
        }
    }
}

// Each number once, just outside its symbol, pointing away from the middle of the far edge.
// A point on that middle itself gets its number to the right.
void TImage_Dreiecksdiagramm::DrawNumbers(ChartPainter& painter, Point offset)
{
    const double distance = Settings.Symbol.Radius + 2;
    std::vector<bool> written(m_numbers.size() + 1, false);
    for (size_t i = 0; i < m_points.size(); ++i) {
        const auto number = size_t(m_numbers[i]);
        if (written[number]) continue;
        written[number] = true;
        const TrianglePoint& point = m_points[i];
        const Point at = m_geometry->Place(point.side, point.h, point.b);
        const Point from = FarEdgeMiddle(point.side);
        const double dx = at.x - from.x, dy = at.y - from.y, length = std::hypot(dx, dy);
        const Point shift = length == 0 ? Point{int32_t(distance), 0}
                                        : Point{int32_t(std::lround(distance * dx / length)),
                                                int32_t(std::lround(distance * dy / length))};
        const std::string text = std::to_string(number);
        const Point beside = Shifted({at.x + shift.x, at.y + shift.y}, offset);
        const int32_t up = shift.y < 0 ? LineHeight() : 0;
        painter.Text({shift.x >= 1 ? beside.x : beside.x - TextWidth(text),
                      beside.y - LineHeight() / 2 - up},
                     text);
    }
}

void TImage_Dreiecksdiagramm::DrawLegend(ChartPainter& painter, Point offset)
{
    const int32_t top = TriangleHeight() + offset.y;
    for (size_t i = 0; i < m_points.size(); ++i) {
        const Point cell = m_legend->Cell(i, top);
        painter.Text({cell.x + 2, cell.y + 2}, std::to_string(m_numbers[i]));
        const TArrayOfString& lines = m_labels[i];
        for (size_t k = 0; k < lines.size(); ++k)
            painter.Text({cell.x + m_numberWidth + 2, cell.y + int32_t(k) * LineHeight() + 2},
                         lines[k]);
    }
}

}  // namespace qv
