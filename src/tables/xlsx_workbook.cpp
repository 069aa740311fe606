// libxlsxwriter behind a temporary file and a small format cache.
#include "tables/xlsx_workbook.h"

#include "data/error.h"

namespace qv {
namespace {

// The built-in number format "@" (text).
constexpr uint8_t kTextNumberFormat = 49;

}  // namespace

int XlsxStyle::Bits() const
{
    return bold | superscript << 1 | rightBorder << 2 | bottomBorder << 3 | text << 4 | wrap << 5;
}

XlsxWorkbook::XlsxWorkbook(const std::string& path) : m_file(path)
{
    m_workbook = workbook_new(m_file.TempPath().c_str());
    if (!m_workbook) throw Error("Datei " + path + " kann nicht geschrieben werden.");
}

XlsxWorkbook::~XlsxWorkbook()
{
    if (m_workbook) lxw_workbook_free(m_workbook);
}

lxw_worksheet* XlsxWorkbook::AddWorksheet(const std::string& name)
{
    lxw_worksheet* sheet =
        workbook_add_worksheet(m_workbook, name.empty() ? nullptr : name.c_str());
    if (!sheet) throw Error("Tabellenblatt " + name + " kann nicht angelegt werden.");
    return sheet;
}

lxw_chart* XlsxWorkbook::AddChart(uint8_t type)
{
    lxw_chart* chart = workbook_add_chart(m_workbook, type);
    if (!chart) throw Error("Das Diagramm kann nicht angelegt werden.");
    return chart;
}

lxw_chartsheet* XlsxWorkbook::AddChartsheet(const std::string& name)
{
    lxw_chartsheet* sheet = workbook_add_chartsheet(m_workbook, name.c_str());
    if (!sheet) throw Error("Diagrammblatt " + name + " kann nicht angelegt werden.");
    return sheet;
}

lxw_format* XlsxWorkbook::Format(const XlsxStyle& style)
{
    auto [it, added] = m_formats.try_emplace(style.Bits(), nullptr);
    if (!added) return it->second;
    lxw_format* format = workbook_add_format(m_workbook);
    format_set_align(format, LXW_ALIGN_LEFT);
    if (style.bold) format_set_bold(format);
    if (style.superscript) format_set_font_script(format, LXW_FONT_SUPERSCRIPT);
    if (style.rightBorder) format_set_right(format, LXW_BORDER_THIN);
    if (style.bottomBorder) format_set_bottom(format, LXW_BORDER_THIN);
    if (style.text) format_set_num_format_index(format, kTextNumberFormat);
    if (style.wrap) format_set_text_wrap(format);
    return it->second = format;
}

void XlsxWorkbook::Save()
{
    lxw_error error = workbook_close(m_workbook);
    m_workbook = nullptr;
    if (error != LXW_NO_ERROR)
        throw Error("Datei " + m_file.Target() + " kann nicht geschrieben werden. " +
                    lxw_strerror(error));
    m_file.Commit();
}

}  // namespace qv
