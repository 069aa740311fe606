// Packing one node of the ancestor chart over its children's contours.
#include "charts/tree/tetris_contour.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace qv {
namespace {

// A child's contour as its parent sees it, copied out: the rows between the two hold a slot of
// the smallest width below the child's own left edge, so that nothing is packed into the room of
// the line that crosses them. Rows outside [Low, High) are empty.
class ChildRows {
public:
    ChildRows(const TetrisChild& child, int32_t parentLevel, int32_t rows, int32_t minDistance)
    {
        const TetrisContour& stored = child.Contour;
        int32_t fillLow = 0, fillHigh = 0;
        m_low = stored.Low;
        m_high = stored.High;
        if (child.Level >= 0 && child.Level < rows && child.Level >= parentLevel + 2) {
            fillLow = parentLevel + 1;
            fillHigh = child.Level;
            m_low = std::min(m_low, fillLow);
        }
        if (fillLow == fillHigh) {
            // Nothing to fill: the stored rows are read where they are.
            m_left = stored.Left ? stored.Left - m_low : nullptr;
            m_right = stored.Right ? stored.Right - m_low : nullptr;
            return;
        }
        thread_local std::vector<int32_t> left, right;
        left.resize(size_t(m_high - m_low));
        right.resize(size_t(m_high - m_low));
        std::copy(stored.Left, stored.Left + (stored.High - stored.Low),
                  left.data() + (stored.Low - m_low));
        std::copy(stored.Right, stored.Right + (stored.High - stored.Low),
                  right.data() + (stored.Low - m_low));
        for (int32_t row = fillLow; row < fillHigh; ++row) {
            left[row - m_low] = child.Offset;
            right[row - m_low] = child.Offset + minDistance;
        }
        m_left = left.data() - m_low;
        m_right = right.data() - m_low;
    }

    int32_t Low() const { return m_low; }
    int32_t High() const { return m_high; }
    // Only for rows in [Low, High).
    int32_t L(int32_t row) const { return m_left[row]; }
    int32_t R(int32_t row) const { return m_right[row]; }

private:
    int32_t m_low, m_high;
    const int32_t* m_left;
    const int32_t* m_right;
};

// The node's contour being built; untouched rows read as empty.
class NodeRows {
public:
    explicit NodeRows(TetrisContourBuffer& out) : m_out(out) { m_out.Low = m_out.High = 0; }

    bool Empty(int32_t row) const
    {
        return row < m_out.Low || row >= m_out.High || m_out.Left[row] == m_out.Right[row];
    }
    int32_t Low() const { return m_out.Low; }
    int32_t High() const { return m_out.High; }
    int32_t R(int32_t row) const { return m_out.Right[row]; }
    void SetRight(int32_t row, int32_t right) { m_out.Right[row] = right; }

    void Set(int32_t row, int32_t left, int32_t right)
    {
        if (m_out.Low == m_out.High) {
            m_out.Low = row;
            m_out.High = row + 1;
        }
        for (; m_out.Low > row; --m_out.Low)
            m_out.Left[m_out.Low - 1] = m_out.Right[m_out.Low - 1] = 0;
        for (; m_out.High <= row; ++m_out.High)
            m_out.Left[m_out.High] = m_out.Right[m_out.High] = 0;
        m_out.Left[row] = left;
        m_out.Right[row] = right;
    }

    void Copy(const ChildRows& child)
    {
        for (int32_t row = child.Low(); row < child.High(); ++row) {
            m_out.Left[row] = child.L(row);
            m_out.Right[row] = child.R(row);
        }
        m_out.Low = child.Low();
        m_out.High = child.High();
    }

private:
    TetrisContourBuffer& m_out;
};

// How far the child must move right to clear what its earlier siblings occupy, over the rows
// above the node where both have something.
int32_t ClearingShift(const NodeRows& node, int32_t level, const ChildRows& child, int32_t rows)
{
    int32_t shift = INT_MIN;
    const int32_t first = level + 1;
    if (first >= node.Low() && first >= child.Low()) {
        const int32_t end = std::min({node.High(), child.High(), rows});
        for (int32_t row = first; row < end; ++row) {
            const int32_t left = child.L(row);
            if (node.Empty(row) || left == child.R(row)) break;
            shift = std::max(shift, node.R(row) - left);
        }
    }
    return shift == INT_MIN ? 0 : shift;
}

// Moves the child's subtree right against what its earlier siblings occupy (a child in the
// node's own row or below goes left by its size) and takes its contour in.
int32_t MergeChild(NodeRows& node, int32_t level, const TetrisChild& child, const ChildRows& rows,
                   int32_t rowCount)
{
    const int32_t shift =
        level < child.Level ? ClearingShift(node, level, rows, rowCount) : -child.Size;
    if (level + 1 < rows.Low()) return shift;
    const int32_t end = std::min(rows.High(), rowCount);
    for (int32_t row = level + 1; row < end; ++row) {
        const int32_t left = rows.L(row), right = rows.R(row);
        if (left == right) break;
        if (node.Empty(row))
            node.Set(row, left + shift, right + shift);
        else
            node.SetRight(row, right + shift);
    }
    return shift;
}

// Above both parents' midpoint when the first two children are the person's parents, else
// above the first child.
int32_t OwnOffset(const TetrisNode& node, const TetrisChild* children, size_t count,
                  const int32_t* shifts)
{
    const int32_t first = children[0].Offset + shifts[0];
    if (count >= 2 && node.Father >= 0 && node.Mother >= 0) {
        int32_t a = children[0].Person, b = children[1].Person;
        if ((a == node.Father && b == node.Mother) || (a == node.Mother && b == node.Father))
            return (first + children[1].Offset + shifts[1]) / 2;
    }
    return first;
}

}  // namespace

int32_t PackTetrisNode(const TetrisNode& node, const TetrisChild* children, size_t count,
                       int32_t rows, int32_t minDistance, TetrisContourBuffer& out, int32_t* shifts)
{
    NodeRows own(out);
    int32_t lowest = INT_MAX;
    for (size_t k = 0; k < count; ++k) {
        const ChildRows childRows(children[k], node.Level, rows, minDistance);
        if (k == 0) {
            own.Copy(childRows);
            shifts[0] = 0;
        } else {
            shifts[k] = MergeChild(own, node.Level, children[k], childRows, rows);
        }
        lowest = std::min(lowest, children[k].Level);
    }
    const int32_t offset = count == 0 ? 0 : OwnOffset(node, children, count, shifts);
    if (count >= 2) {
        const int32_t last = children[count - 1].Offset + shifts[count - 1];
        const int32_t secondLast = children[count - 2].Offset + shifts[count - 2];
        const int32_t right = (last + secondLast + minDistance) / 2;
        for (int32_t row = node.Level + 1; row < std::min(lowest, rows); ++row)
            own.Set(row, offset, right);
    }
    if (node.Level >= 0 && node.Level < rows) own.Set(node.Level, offset, offset + node.Size);
    return offset;
}

TetrisExtent RootExtent(const TetrisContour& root, int32_t rows)
{
    auto cell = [&root](const int32_t* values, int32_t row) {
        return row >= root.Low && row < root.High ? values[row - root.Low] : 0;
    };
    int32_t least = 0;
    for (int32_t row = 0; row < rows; ++row) least = std::min(least, cell(root.Left, row));
    TetrisExtent extent{-least, 0};
    for (int32_t row = 0; row < rows; ++row)
        extent.Width = std::max(extent.Width, cell(root.Right, row) - least);
    return extent;
}

}  // namespace qv
