// Comparing two records node by node, and marking every changed node's subtree-holding nodes
// (its node and all below it, in both records) as touched.
#include "charts/tree/tetris_vorfahren_changes.h"

#include <algorithm>

namespace qv {
namespace {

bool SameContour(const TetrisContour& a, const TetrisContour& b)
{
    const int32_t rows = a.High - a.Low;
    return a.Low == b.Low && a.High == b.High && std::equal(a.Left, a.Left + rows, b.Left) &&
           std::equal(a.Right, a.Right + rows, b.Right);
}

// The person of the node below, -1 for the root.
int32_t PersonBelow(const PackingRecord& record, int32_t node)
{
    const int32_t below = record.ParentOf(node);
    return below < 0 ? -1 : record.PersonOf(below);
}

// Whether the node of the person at node number n in after differs in anything a packing or
// a trial reads from the record.
bool NodeDiffers(const PackingRecord& before, const PackingRecord& after, int32_t n)
{
    if (before.NodeOf(after.PersonOf(n)) != n) return true;
    if (PersonBelow(before, n) != PersonBelow(after, n) || before.Offset(n) != after.Offset(n) ||
        before.Shift(n) != after.Shift(n) || before.FrameEnd(n) != after.FrameEnd(n))
        return true;
    if (!std::equal(before.ChildrenBegin(n), before.ChildrenEnd(n), after.ChildrenBegin(n),
                    after.ChildrenEnd(n)) ||
        !std::equal(before.DependentsBegin(n), before.DependentsEnd(n),
                    after.DependentsBegin(n), after.DependentsEnd(n)))
        return true;
    return !SameContour(before.AsChild(n).Contour, after.AsChild(n).Contour);
}

}  // namespace

void PackingChanges::MarkUp(const PackingRecord& record, int32_t node, uint8_t bit)
{
    for (; node >= 0; node = record.ParentOf(node)) {
        uint8_t& mark = m_touched[size_t(record.PersonOf(node))];
        // Everything below a marked node is marked already.
        if (mark & bit) return;
        mark |= bit;
    }
}

void PackingChanges::Compare(const PackingRecord& before, const PackingRecord& after,
                             int32_t switched)
{
    m_before = before.Version();
    m_after = after.Version();
    const int32_t node = before.OrderNode(switched);
    m_frameBegin = node;
    m_frameEnd = node >= 0 ? before.FrameEnd(node) : node;
    m_touched.assign(after.Positions().size(), 0);
    const bool sameSize = before.NodeCount() == after.NodeCount();
    for (int32_t n = 0; n < after.NodeCount(); ++n) {
        if (sameSize && !NodeDiffers(before, after, n)) continue;
        MarkUp(after, n, 1);
        const int32_t was = before.NodeOf(after.PersonOf(n));
        if (was >= 0) MarkUp(before, was, 2);
    }
    for (int32_t n = 0; n < before.NodeCount(); ++n)
        if (after.NodeOf(before.PersonOf(n)) < 0) MarkUp(before, n, 2);
}

bool PackingChanges::Keeps(const TrialReach& reach, const PackingRecord& after,
                           int32_t family) const
{
    if (reach.Record == 0 || reach.Record != m_before || after.Version() != m_after) return false;
    const int32_t node = after.OrderNode(family);
    if (node < 0 || node != reach.OrderNode || after.FrameEnd(node) != reach.FrameEnd) return false;
    // A build redone inside the switch's, or around it, reads the switch.
    if (node < m_frameEnd && m_frameBegin < reach.FrameEnd) return false;
    return std::none_of(reach.Tops.begin(), reach.Tops.end(),
                        [this](int32_t person) { return Touched(person); });
}

}  // namespace qv
