// Checking written PDF files with qpdf and poppler, as a reader would open them.
#pragma once

#include <unistd.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <QImage>

#include <gtest/gtest.h>

namespace qv::test {

struct ToolResult {
    int status = -1;
    std::string output;
};

inline ToolResult RunTool(const std::string& command)
{
    ToolResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), n);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// A scratch directory for one test, removed afterwards.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& name)
        : m_path(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDirectory() { std::filesystem::remove_all(m_path); }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// qpdf finds no fault, and poppler renders the page; returns the rendered page.
inline QImage CheckedPdfPage(const std::string& pdfPath, int dpi = 72)
{
    ToolResult check = RunTool("qpdf --check '" + pdfPath + "'");
    EXPECT_EQ(check.status, 0) << check.output;
    std::string prefix = pdfPath + "-page";
    ToolResult render = RunTool("pdftoppm -png -singlefile -r " + std::to_string(dpi) + " '" +
                                pdfPath + "' '" + prefix + "'");
    EXPECT_EQ(render.status, 0) << render.output;
    EXPECT_EQ(render.output, "");
    return QImage(QString::fromStdString(prefix + ".png"));
}

inline std::string PdfText(const std::string& pdfPath)
{
    return RunTool("pdftotext -enc UTF-8 '" + pdfPath + "' -").output;
}

}  // namespace qv::test
