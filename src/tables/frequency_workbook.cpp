// Tables and chart of the frequency workbook.
#include "tables/frequency_workbook.h"

#include <charconv>

#include "tables/table_excel.h"
#include "tables/xlsx_workbook.h"

namespace qv {
namespace {

constexpr int kCurvePrecision = 15;  // significant digits a spreadsheet keeps

std::string CurveText(double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                kCurvePrecision);
    return std::string(buffer, result.ptr);
}

// libxlsxwriter takes colours as 0xRRGGBB.
lxw_color_t ChartColor(TColor color)
{
    return static_cast<lxw_color_t>(ColorRed(color)) << 16 |
           static_cast<lxw_color_t>(ColorGreen(color)) << 8 |
           static_cast<lxw_color_t>(ColorBlue(color));
}

void AddCurveSeries(lxw_chart* chart, const DiagramPerson& person, lxw_col_t column,
                    lxw_row_t lastRow)
{
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    chart_series_set_categories(series, kCurveSheet, 1, 0, lastRow, 0);
    chart_series_set_values(series, kCurveSheet, 1, column, lastRow, column);
    chart_series_set_name(series, person.label.c_str());
    chart_series_set_smooth(series, LXW_TRUE);
    chart_series_set_marker_type(series, LXW_CHART_MARKER_NONE);
    lxw_chart_line line{};
    line.color = ChartColor(person.color);
    line.width = 2.25;
    chart_series_set_line(series, &line);
}

void AddCountSeries(lxw_chart* chart, const DiagramPerson& person, lxw_col_t column,
                    lxw_row_t lastRow)
{
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    chart_series_set_categories(series, kCountsSheet, 1, 0, lastRow, 0);
    chart_series_set_values(series, kCountsSheet, 1, column, lastRow, column);
    lxw_chart_line none{};
    none.none = LXW_TRUE;
    chart_series_set_line(series, &none);
    chart_series_set_marker_type(series, LXW_CHART_MARKER_CIRCLE);
    chart_series_set_marker_size(series, 7);
    lxw_chart_fill fill{};
    fill.color = ChartColor(person.color);
    chart_series_set_marker_fill(series, &fill);
    lxw_chart_line outline{};
    outline.color = ChartColor(person.color);
    chart_series_set_marker_line(series, &outline);
}

// The marker series repeat the curves' persons: the legend lists only the curves.
void AddChart(XlsxWorkbook& workbook, const DiagramData& diagram)
{
    lxw_chart* chart = workbook.AddChart(LXW_CHART_SCATTER);
    chart_title_set_name(chart, diagram.value.c_str());
    const auto span = static_cast<lxw_row_t>(diagram.last - diagram.first);
    std::vector<int16_t> hidden;
    for (size_t p = 0; p < diagram.persons.size(); ++p) {
        const auto column = static_cast<lxw_col_t>(p + 1);
        AddCurveSeries(chart, diagram.persons[p], column, 4 * span + 1);
        AddCountSeries(chart, diagram.persons[p], column, span + 1);
        hidden.push_back(static_cast<int16_t>(2 * p + 1));
    }
    hidden.push_back(-1);
    chart_legend_delete_series(chart, hidden.data());
    chart_axis_set_name(chart->x_axis, "Generation");
    chart_axis_set_name(chart->y_axis, "Vorkommen in einer Generation");
    chartsheet_set_chart(workbook.AddChartsheet(kChartSheet), chart);
}

}  // namespace

TTableData DiagramCountsTable(const DiagramData& diagram)
{
    TTableData table(1, {"k"});
    for (int64_t j = diagram.first; j <= diagram.last; ++j) table[0].push_back(std::to_string(j));
    for (const DiagramPerson& person : diagram.persons) {
        TTableDataCol column{person.label};
        for (int64_t j = diagram.first; j <= diagram.last; ++j)
            column.push_back(std::to_string(person.Count(j)));
        table.push_back(std::move(column));
    }
    return table;
}

TTableData DiagramCurveTable(const DiagramData& diagram)
{
    TTableData table(1, {"k"});
    for (int64_t i = 4 * diagram.first; i <= 4 * diagram.last; ++i)
        table[0].push_back(QuarterText(i));
    for (const DiagramPerson& person : diagram.persons) {
        TTableDataCol column{person.label};
        for (int64_t i = 4 * diagram.first; i <= 4 * diagram.last; ++i)
            column.push_back(person.curve ? CurveText(person.curve->At(i / 4.0)) : std::string());
        table.push_back(std::move(column));
    }
    return table;
}

bool WriteDiagramWorkbook(const DiagramData& diagram, const std::string& path,
                          const ProgressCallback& progress)
{
    XlsxWorkbook workbook(path);
    lxw_worksheet* counts = workbook.AddWorksheet(kCountsSheet);
    lxw_worksheet* curves = workbook.AddWorksheet(kCurveSheet);
    if (!WriteTableExcel(workbook, counts, DiagramCountsTable(diagram), 0, 0, true, progress) ||
        !WriteTableExcel(workbook, curves, DiagramCurveTable(diagram), 0, 0, true, progress))
        return false;
    AddChart(workbook, diagram);
    worksheet_activate(counts);
    workbook.Save();
    return true;
}

}  // namespace qv
