// The legend below the triangle diagram: one cell per numbered person, in rows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/point.h"

namespace qv {

class TriangleLegend {
public:
    // Cells of cellWidth × cellHeight fill the width between the margins, at least one per
    // row: a cell wider than that room still gets a row of its own (where the column count
    // alone would come to none), and Width() grows to hold it.
    TriangleLegend(int32_t chartWidth, int32_t margin, int32_t cellWidth, int32_t cellHeight,
                   size_t cells);

    int32_t Columns() const { return m_columns; }
    int32_t Rows() const { return m_rows; }
    int32_t Height() const { return m_rows * m_cellHeight; }
    // The chart width the legend needs.
    int32_t Width() const;
    // The top-left corner of cell i, the first row's top at `top`.
    Point Cell(size_t index, int32_t top) const;

private:
    int32_t m_chartWidth;
    int32_t m_margin;
    int32_t m_cellWidth;
    int32_t m_cellHeight;
    int32_t m_columns;
    int32_t m_rows;
};

}  // namespace qv
