// The sectors of the circle chart in the two forms: a picture paints them one by one in
// walking order and draws all outlines last; a document writes them ring by ring, one path
// per colour, outlined by the group's stroke.
#include <array>
#include <numbers>

#include "charts/circle/image_kreisdiagramm.h"

namespace qv {
namespace {

size_t OwnSectorCount(const std::vector<CircleSector>& sectors)
{
    size_t count = 0;
    for (const CircleSector& sector : sectors) count += sector.deepRings == 0;
    return count;
}

std::vector<Point> Pixels(const std::vector<PointF>& points)
{
    std::vector<Point> pixels;
    pixels.reserve(points.size());
    for (const PointF& p : points) pixels.push_back(RoundToPixel(p));
    return pixels;
}

}  // namespace

bool TImage_Kreisdiagramm::DrawPictureSectors(ChartPainter& painter, const CircleFrame& frame,
                                              const std::vector<CircleSector>& sectors)
{
    const size_t total = OwnSectorCount(sectors);
    size_t done = 0;
    for (const CircleSector& sector : sectors) {
        if (sector.deepRings > 0) continue;
        if (ReportSector(done++, total)) return false;
        const ShapeStyle style{sector.color, sector.color, 1};
        if (sector.depth > 0) {
            painter.PolygonF(SectorOutline(frame, sector.depth, sector.from, sector.span), style);
        } else if (m_half) {
            painter.PolygonF(ProbandShape(frame), style);
        } else {
            const Point c = RoundToPixel(frame.centre);
            painter.Ellipse({c.x - m_ringWidth, c.y - m_ringWidth},
                            {c.x + m_ringWidth + 1, c.y + m_ringWidth + 1}, style);
        }
        DrawLabel(painter, frame, sector);
    }
    return true;
}

// Black outlines over all sectors, drawn without gaps; the ancestry above a person where the
// walk stopped is one radial line, as its hair-thin sectors' outlines would have merged.
bool TImage_Kreisdiagramm::DrawPictureOutlines(ChartPainter& painter, const CircleFrame& frame,
                                               const std::vector<CircleSector>& sectors,
                                               Point extent) const
{
    TBitmapLine lines(extent.x, extent.y, Progress);
    const double ring = m_ringWidth;
    for (const CircleSector& sector : sectors) {
        if (sector.deepRings > 0) {
            lines.AddSegment(
                RoundToPixel(frame.At(sector.from, sector.depth * ring)),
                RoundToPixel(frame.At(sector.from, (sector.depth + sector.deepRings) * ring)));
        } else if (sector.depth > 0) {
            lines.AddLine(Pixels(SectorOutline(frame, sector.depth, sector.from, sector.span)));
        } else {
            std::vector<PointF> shape =
                m_half ? ProbandShape(frame) : ArcPoints(frame, ring, 0, 2 * std::numbers::pi, 361);
            if (m_half) shape.push_back(shape.front());
            lines.AddLine(Pixels(shape));
        }
    }
    return painter.PlainLines(lines, {0, 0});
}

// Inner end, inner start, then the outer arc; a deep line's outer arc lies its rings further
// out and has no width, so only its stroke shows, in its person's colour.
void TImage_Kreisdiagramm::DrawDocumentSector(ChartPainter& painter, const CircleFrame& frame,
                                              const CircleSector& sector) const
{
    const bool deep = sector.deepRings > 0;
    const ShapeStyle style{sector.color, deep ? sector.color : kBlack, 1};
    if (sector.depth == 0) {
        if (m_half) return painter.PolygonF(ProbandShape(frame), style);
        const Point c = RoundToPixel(frame.centre);
        const int32_t r = m_ringWidth + 1;
        return painter.Ellipse({c.x - r, c.y - r}, {c.x + r, c.y + r}, style);
    }
    const double inner = double(sector.depth) * m_ringWidth;
    const double outer = inner + double(deep ? sector.deepRings : 1) * m_ringWidth;
    std::vector<PointF> points{frame.At(sector.from + sector.span, inner),
                               frame.At(sector.from, inner)};
    const std::vector<PointF> arc =
        ArcPoints(frame, outer, sector.from, sector.span, ArcPointCount(sector.span));
    points.insert(points.end(), arc.begin(), arc.end());
    painter.PolygonF(points, style);
}

// Within a ring the sectors go colour by colour, and each joins the path of the one before
// when their colours agree: one path element per colour and ring.
bool TImage_Kreisdiagramm::DrawDocumentSectors(ChartPainter& painter, const CircleFrame& frame,
                                               const std::vector<CircleSector>& sectors)
{
    std::vector<std::vector<const CircleSector*>> rings(static_cast<size_t>(m_generations));
    for (const CircleSector& sector : sectors) rings[size_t(sector.depth)].push_back(&sector);
    const std::array<TColor, 4> colours{kCircleMaleColor, kCircleFemaleColor, kCircleOtherColor,
                                        kCircleDoubleColor};
    const size_t total = sectors.size();
    size_t done = 0;
    painter.BeginGroup(GroupStyle().Stroke(kBlack, 1));
    for (size_t ring = rings.size(); ring-- > 0;) {
        painter.MergeShapes(false);
        for (TColor colour : colours)
            for (const CircleSector* sector : rings[ring]) {
                if (sector->color != colour) continue;
                if (ReportSector(done++, total)) return false;
                DrawDocumentSector(painter, frame, *sector);
                painter.MergeShapes(true);
            }
    }
    painter.EndGroup();
    return true;
}

}  // namespace qv
