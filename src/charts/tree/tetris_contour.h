// One step of the ancestor chart's packing: a node packed over the contours of its subtrees,
// as TTetrisVorfahren packs it, but on contours kept apart so that they can be reused.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

// A packed subtree's contour over its touched rows [Low, High): Left[row - Low] and
// Right[row - Low] are its extent across; rows outside are empty.
struct TetrisContour {
    const int32_t* Left = nullptr;
    const int32_t* Right = nullptr;
    int32_t Low = 0, High = 0;
};

// A child subtree as its parent packs it.
struct TetrisChild {
    int32_t Person = -1;  // -1 for a spacer
    int32_t Level = 0;
    int32_t Size = 0;
    int32_t Offset = 0;  // its own left edge inside its subtree's frame
    TetrisContour Contour;
};

struct TetrisNode {
    int32_t Level = 0;
    int32_t Size = 0;
    // The drawn parents of the node's person, -1 when none (and for a spacer).
    int32_t Father = -1, Mother = -1;
};

// Where a node's own contour is written: rows 0 .. rows - 1, of which [Low, High) are touched.
struct TetrisContourBuffer {
    int32_t* Left = nullptr;
    int32_t* Right = nullptr;
    int32_t Low = 0, High = 0;

    TetrisContour View() const { return {Left + Low, Right + Low, Low, High}; }
};

// Packs a node over its children in order (children before parents, as TTetrisVorfahren
// does): fills out with the node's contour and returns its own offset. The rows between a child
// and the node are filled into the child's contour on the way, never into the stored one.
int32_t PackTetrisNode(const TetrisNode& node, const TetrisChild* children, size_t count,
                       int32_t rows, int32_t minDistance, TetrisContourBuffer& out,
                       int32_t* shifts);

// Where the packing leaves a root contour: moved right by Shift until nothing is left of 0,
// Width across, as TTetrisVorfahren finishes its root.
struct TetrisExtent {
    int32_t Shift = 0;
    int32_t Width = 0;
};
TetrisExtent RootExtent(const TetrisContour& root, int32_t rows);

}  // namespace qv
