// A spreadsheet workbook written with libxlsxwriter into a temporary file and renamed on Save.
#pragma once

#include <map>
#include <string>

#include <xlsxwriter.h>

#include "data/atomic_file.h"

namespace qv {

// The formatting a cell or column of a metric table needs; every format aligns left.
struct XlsxStyle {
    bool bold = false;
    bool superscript = false;
    bool rightBorder = false;
    bool bottomBorder = false;
    bool text = false;  // number format "@"
    bool wrap = false;  // the text has line breaks

    int Bits() const;
};

// Move-only: the workbook is freed unsaved unless Save succeeds.
class XlsxWorkbook {
public:
    // Throws Error when the target's directory takes no file.
    explicit XlsxWorkbook(const std::string& path);
    ~XlsxWorkbook();
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    // A new worksheet; an empty name gives the default ("Sheet1" …).
    lxw_worksheet* AddWorksheet(const std::string& name = {});
    // A chart of the type (LXW_CHART_…), placed by the caller.
    lxw_chart* AddChart(uint8_t type);
    // A sheet that shows one chart.
    lxw_chartsheet* AddChartsheet(const std::string& name);
    // One shared format per style.
    lxw_format* Format(const XlsxStyle& style);
    // Writes the file; throws Error with the reason when that fails.
    void Save();

private:
    AtomicFile m_file;
    lxw_workbook* m_workbook = nullptr;
    std::map<int, lxw_format*> m_formats;
};

}  // namespace qv
