// Objects, cross-reference table and trailer of a PDF file.
#include "render/pdf_file.h"

#include <algorithm>
#include <cstdio>

namespace qv {

void PdfFile::BeginObject(int number)
{
    m_offsets.resize(std::max<size_t>(m_offsets.size(), size_t(number) + 1), -1);
    m_offsets[number] = int64_t(m_bytes.size());
    Line(std::to_string(number) + " 0 obj");
}

void PdfFile::Dictionary(int number, const std::vector<std::string>& entries)
{
    BeginObject(number);
    Line("<<");
    for (const std::string& entry : entries) Line(entry);
    Line(">>");
    Line("endobj");
}

void PdfFile::Stream(int number, const std::string& dictionary, const std::string& data)
{
    BeginObject(number);
    Line(dictionary);
    Line("stream");
    Raw(data);
    if (!data.ends_with('\n')) Raw("\n");
    Line("endstream");
    Line("endobj");
}

std::string PdfFile::Finish()
{
    int64_t xref = int64_t(m_bytes.size());
    size_t size = m_offsets.size();
    std::vector<size_t> free{0};
    for (size_t n = 1; n < size; ++n)
        if (m_offsets[n] < 0) free.push_back(n);
    Line("xref");
    Line("0 " + std::to_string(size));
    char entry[32];
    for (size_t n = 0, f = 0; n < size; ++n) {
        if (n == 0 || m_offsets[n] < 0) {
            size_t next = f + 1 < free.size() ? free[f + 1] : 0;
            std::snprintf(entry, sizeof entry, "%.10zu %05d f \n", next, n == 0 ? 65535 : 0);
            ++f;
        } else {
            std::snprintf(entry, sizeof entry, "%.10lld 00000 n \n", (long long)m_offsets[n]);
        }
        Raw(entry);
    }
    for (const char* line : {"trailer", "<<"}) Line(line);
    Line("/Size " + std::to_string(size));
    for (const char* line : {"/Root 1 0 R", "/Info 2 0 R", ">>", "startxref"}) Line(line);
    Line(std::to_string(xref));
    Line("%%EOF");
    return std::move(m_bytes);
}

}  // namespace qv
