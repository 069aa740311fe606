// Rows and columns of the triangle diagram's legend.
#include "charts/triangle/triangle_legend.h"

#include <algorithm>

namespace qv {

TriangleLegend::TriangleLegend(int32_t chartWidth, int32_t margin, int32_t cellWidth,
                               int32_t cellHeight, size_t cells)
    : m_chartWidth(chartWidth), m_margin(margin), m_cellWidth(std::max(cellWidth, 1)),
      m_cellHeight(cellHeight)
{
    m_columns = std::max<int32_t>(1, (chartWidth - 2 * margin) / m_cellWidth);
    m_rows = int32_t((cells + size_t(m_columns) - 1) / size_t(m_columns));
}

int32_t TriangleLegend::Width() const
{
    return m_rows > 0 ? std::max(m_chartWidth, 2 * m_margin + m_cellWidth) : m_chartWidth;
}

Point TriangleLegend::Cell(size_t index, int32_t top) const
{
    const auto column = int32_t(index % size_t(m_columns));
    const auto row = int32_t(index / size_t(m_columns));
    return {m_margin + column * m_cellWidth, top + row * m_cellHeight};
}

}  // namespace qv
