// Planning and stacking the bent child lines of the ancestor chart.
#include "charts/tree/line_plan.h"

#include <algorithm>
#include <cstdlib>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

int32_t Sign(int32_t v)
{
    return (v > 0) - (v < 0);
}

int32_t AcrossMin(const TLineEntry& e)
{
    return std::min(e.Lower.x, e.Upper.x);
}
int32_t AcrossMax(const TLineEntry& e)
{
    return std::max(e.Lower.x, e.Upper.x);
}

double Flatness(const TLineEntry& e)
{
    double along = std::abs(e.Upper.y - e.Lower.y);
    double across = std::abs(e.Upper.x - e.Lower.x);
    return along == 0 ? (across == 0 ? 0.0 : 1e300) : across / along;
}

bool SameWay(const TLineEntry& a, const TLineEntry& b)
{
    return Sign(a.Upper.x - a.Lower.x) == Sign(b.Upper.x - b.Lower.x);
}

bool Conflicts(const TLineEntry& bend, const TLineEntry& segment, int32_t rowExtent)
{
    int32_t overlap = std::min(AcrossMax(bend), AcrossMax(segment)) -
                      std::max(AcrossMin(bend), AcrossMin(segment));
    int32_t allowed = SameWay(bend, segment) ? rowExtent / 2 : 0;
    return overlap > allowed;
}

bool MustBend(const TLineEntry& bend, const TLineGen& gap, int32_t rowExtent)
{
    if (bend.Span >= 2 || Flatness(bend) > 3) return true;
    for (const TLineEntry& segment : gap.Segments) {
        if (segment.Lower == bend.Lower && segment.Upper == bend.Upper) continue;
        if (Conflicts(bend, segment, rowExtent)) return true;
    }
    return false;
}

// Lines running the same way are stacked by their smaller across coordinate (then the larger),
// ascending when the lower point lies beyond the upper point, descending otherwise.
bool StacksBefore(const TLineEntry& a, const TLineEntry& b)
{
    bool ascending = a.Lower.x > a.Upper.x;
    int32_t a1 = AcrossMin(a), b1 = AcrossMin(b);
    int32_t a2 = AcrossMax(a), b2 = AcrossMax(b);
    if (a1 != b1) return ascending ? a1 < b1 : a1 > b1;
    return ascending ? a2 < b2 : a2 > b2;
}

// The upper point of a person's line; false when both parents are drawn in different rows.
bool UpperPoint(const LinePlanInput& input, int64_t person, Point& upper, int32_t& parentRow)
{
    auto parents = ParentsOf(input.Data, person);
    bool father = parents[0] >= 0 && input.Drawn[parents[0]];
    bool mother = parents[1] >= 0 && input.Drawn[parents[1]];
    if (father && mother) {
        if (input.Rows[parents[0]] != input.Rows[parents[1]]) return false;
        const Point& f = input.Positions[parents[0]];
        const Point& m = input.Positions[parents[1]];
        upper = {(f.x + m.x) / 2, (f.y + m.y) / 2};
        parentRow = input.Rows[parents[0]];
        return true;
    }
    if (!father && !mother) return false;
    int64_t parent = father ? parents[0] : parents[1];
    upper = input.Positions[parent];
    parentRow = input.Rows[parent];
    return true;
}

}  // namespace

std::vector<TLineGen> PlanLines(const LinePlanInput& input)
{
    std::vector<TLineGen> plan(input.RowCoordinates.size());
    for (size_t p = 0; p < input.Data.Persons.size(); ++p) {
        Point upper;
        int32_t parentRow = 0;
        if (!input.Drawn[p] || !UpperPoint(input, int64_t(p), upper, parentRow)) continue;
        const int32_t row = input.Rows[p];
        const int32_t gap = parentRow - 1;
        if (gap < 0 || gap >= int32_t(plan.size())) continue;
        const Point child = input.Positions[p];
        Point lower = row == gap ? child : Point{child.x, input.RowCoordinates[gap]};
        TLineEntry line{lower, upper, 0};
        if (lower.x != upper.x && lower.y != upper.y &&
            (parentRow - row >= 2 || Flatness(line) >= 0.5)) {
            plan[gap].Bends.push_back({lower, upper, parentRow - row});
        }
        plan[gap].Segments.push_back(line);
        for (int32_t j = std::max(row, 0); j <= parentRow - 2; ++j)
            plan[j].Segments.push_back({child, upper, 0});
    }
    return plan;
}

void PruneBends(TLineGen& gap, int32_t rowExtent, bool interactive)
{
    std::vector<TLineEntry>& bends = gap.Bends;
    if (!interactive) {
        for (size_t i = bends.size(); i-- > 0;) {
            if (MustBend(bends[i], gap, rowExtent)) continue;
            bends[i] = bends.back();
            bends.pop_back();
        }
    }
    for (size_t j = 1; j < bends.size(); ++j)
        for (size_t f = 0; f < j; ++f)
            if (SameWay(bends[j], bends[f]) && StacksBefore(bends[j], bends[f]))
                std::swap(bends[j], bends[f]);
}

}  // namespace qv
