// A PDF file written object by object, closed by its cross-reference table and trailer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

class PdfFile {
public:
    void Line(const std::string& line) { (m_bytes += line) += '\n'; }
    void Raw(const std::string& bytes) { m_bytes += bytes; }
    // Records the object's offset and writes "n 0 obj".
    void BeginObject(int number);
    // "<<", one line per entry, ">>".
    void Dictionary(int number, const std::vector<std::string>& entries);
    // The stream's data follows "stream" unchanged; a line end goes before "endstream" unless
    // the data ends with one.
    void Stream(int number, const std::string& dictionary, const std::string& data);
    // The cross-reference table from object 0 to the highest number written, whose unused
    // numbers are free entries chained from object 0, and the trailer. Returns the file.
    std::string Finish();

private:
    std::string m_bytes;
    std::vector<int64_t> m_offsets;
};

}  // namespace qv
