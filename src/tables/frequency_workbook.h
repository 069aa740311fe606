// The frequency diagram as a spreadsheet workbook: the counts, the fitted curves and an XY
// chart of both.
#pragma once

#include <string>

#include "charts/frequency/diagram_data.h"
#include "data/progress.h"
#include "tables/table_data.h"

namespace qv {

// Worksheet names; the chart's series refer to them.
inline constexpr const char* kCountsSheet = "Vorkommen";
inline constexpr const char* kCurveSheet = "Kurven";
inline constexpr const char* kChartSheet = "Diagramm";

// "k" with the generations b … e, then per person a column headed by its label with its counts.
TTableData DiagramCountsTable(const DiagramData& diagram);

// "k" with x = i / 4 for i = 4b … 4e, then per person its curve at each x; a person without a
// curve (no occurrence, or all in one generation) has empty cells.
TTableData DiagramCurveTable(const DiagramData& diagram);

// Both tables (worksheets 1 and 2, worksheet 1 active) and a chart sheet: per person a smooth
// line without markers through its curve and markers alone at its counts, in its colour.
// False when the progress callback cancelled (no file is written then).
bool WriteDiagramWorkbook(const DiagramData& diagram, const std::string& path,
                          const ProgressCallback& progress = {});

}  // namespace qv
