// The lines of the ancestor chart: marriage lines parted by nesting level, child lines bent and
// stacked in the gap below their parents' row.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "charts/tree/image_vorfahren.h"
#include "charts/tree/person_sets.h"

namespace qv {
namespace {

int32_t Sign(int32_t v)
{
    return (v > 0) - (v < 0);
}

bool AlongIsNegated(uint8_t alignment)
{
    return alignment == 1 || alignment == 3;
}

// The curved corner of a bent line, from the bend point B to the anchor A, with the bend level
// s (the distance from B along at which the line turns).
ChartPolyline CurvedLine(Point c, Point b, Point a, int32_t s, int32_t span)
{
    const int32_t along = std::abs(b.y - a.y);
    const int32_t q = Sign(a.x - b.x) * (std::abs(a.x - b.x) - along / 2);
    const int32_t t = Sign(a.x - b.x) * (along / 4);
    const int32_t k = Sign(q) * int32_t(std::pow(std::abs(q) / 8.0, 0.75)) + t;
    Point p1 = span == 1 ? Point{b.x + int32_t(int64_t(k) * std::abs(s) / along), b.y + s}
                         : Point{b.x, b.y + s};
    Point p2{a.x - int32_t(int64_t(k) * std::abs(s + b.y - a.y) / along), b.y + s};
    return {c, p1, p2, a};
}

}  // namespace

int32_t TImage_Vorfahren::LevelCount(int32_t row) const
{
    return FamilyLevel(0, AcrossExtent(), row) - 1;
}

int32_t TImage_Vorfahren::MarriageOffset(int32_t family) const
{
    const TFamilie& f = Data.Families[family];
    if (f.Husband < 0 || f.Wife < 0 || !m_drawn[f.Husband] || !m_drawn[f.Wife]) return 0;
    const int32_t row = m_rows[f.Husband];
    if (row != m_rows[f.Wife]) return 0;
    int32_t g = FamilyLevel(m_positions[f.Husband].x, m_positions[f.Wife].x, row);
    const int32_t levels = LevelCount(row);
    const uint8_t alignment = Settings.Tree.Alignment;
    if (levels >= 1) {
        const int32_t gap = std::max(row - 1, 0);
        const int32_t bends = int32_t(m_linePlan[gap].Bends.size());
        const int32_t extent = AlongIsNegated(alignment) ? m_rowExtent[row] : m_rowExtent[gap];
        g = int32_t(int64_t(g) * extent / std::max(3, bends + 1 + levels));
    }
    return AlongIsNegated(alignment) ? -g : g;
}

std::vector<ChartPolyline> TImage_Vorfahren::Lines() const
{
    std::vector<ChartPolyline> lines;
    for (size_t f = 0; f < Data.Families.size(); ++f) {
        if (!m_linkedFamilies[f]) continue;
        FamilyLines family = LinesOf(int32_t(f));
        for (ChartPolyline& half : family.marriage) lines.push_back(std::move(half));
        for (ChildLineOf& child : family.children) lines.push_back(std::move(child.line));
    }
    return lines;
}

FamilyLines TImage_Vorfahren::LinesOf(int32_t family) const
{
    FamilyLines lines;
    const TFamilie& f = Data.Families[family];
    const bool father = f.Husband >= 0 && m_drawn[f.Husband];
    const bool mother = f.Wife >= 0 && m_drawn[f.Wife];
    if (!father && !mother) return lines;
    Point anchor = father ? m_positions[f.Husband] : m_positions[f.Wife];
    int32_t levels = 0;
    if (father && mother) {
        const Point fp = m_positions[f.Husband], mp = m_positions[f.Wife];
        const Point z{(fp.x + mp.x) / 2, (fp.y + mp.y) / 2};
        const int32_t g = MarriageOffset(family);
        anchor = {z.x, z.y - g};
        if (m_rows[f.Husband] == m_rows[f.Wife]) levels = LevelCount(m_rows[f.Husband]);
        if (g != 0) {
            const int32_t corner = 3 * m_radius;
            lines.marriage.push_back({fp, {fp.x + corner * Sign(mp.x - fp.x), fp.y - g}, anchor});
            lines.marriage.push_back({mp, {mp.x + corner * Sign(fp.x - mp.x), mp.y - g}, anchor});
        } else {
            lines.marriage.push_back({fp, z});
            lines.marriage.push_back({z, mp});
        }
    }
    for (int64_t child : f.Children)
        if (m_drawn[child]) lines.children.push_back(ChildLine(child, family, anchor, levels));
    return lines;
}

ChildLineOf TImage_Vorfahren::ChildLine(int64_t child, int32_t family, Point anchor,
                                        int32_t levels) const
{
    const TFamilie& f = Data.Families[family];
    const bool father = f.Husband >= 0 && m_drawn[f.Husband];
    const bool mother = f.Wife >= 0 && m_drawn[f.Wife];
    const Point c = m_positions[child];
    int32_t parentRow =
        std::min(father ? m_rows[f.Husband] : INT32_MAX, mother ? m_rows[f.Wife] : INT32_MAX);
    const int32_t gapRow = parentRow - 1;
    if (gapRow < 0 || gapRow >= m_rowCount) return {child, {c, anchor}, 0};
    const Point b = m_rows[child] == gapRow ? c : Point{c.x, RowCoordinate(gapRow)};
    Point upper = father ? m_positions[f.Husband] : m_positions[f.Wife];
    if (father && mother)
        upper = {(m_positions[f.Husband].x + m_positions[f.Wife].x) / 2,
                 (m_positions[f.Husband].y + m_positions[f.Wife].y) / 2};
    const std::vector<TLineEntry>& bends = m_linePlan[gapRow].Bends;
    auto found = std::find_if(bends.begin(), bends.end(), [&](const TLineEntry& e) {
        return e.Lower == b && e.Upper == upper;
    });
    if (found == bends.end() || b.y == anchor.y) return {child, {c, anchor}, 0};
    const int32_t index = int32_t(found - bends.begin()), count = int32_t(bends.size());
    const uint8_t alignment = Settings.Tree.Alignment;
    const int32_t extent = m_rowExtent[AlongIsNegated(alignment) ? parentRow : gapRow];
    const int32_t v =
        levels < 1 ? extent
                   : int32_t(int64_t(extent) * (count + 1) / std::max(3, count + levels + 1));
    int32_t s = int32_t(int64_t(v) * (index + 1) / (count + 1));
    if (AlongIsNegated(alignment)) s = -s;
    const int32_t span = (father ? m_rows[f.Husband] : m_rows[f.Wife]) - m_rows[child];
    const double flatness = std::abs(double(b.x - anchor.x) / double(b.y - anchor.y));
    if (flatness < 0.5)
        return {child, span == 1 ? ChartPolyline{b, anchor} : ChartPolyline{c, b, anchor}, s};
    return {child, CurvedLine(c, b, anchor, s, span), s};
}

}  // namespace qv
