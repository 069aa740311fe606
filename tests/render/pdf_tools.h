// Checking written PDF files with qpdf and poppler, as a reader would open them.
#pragma once

#include <unistd.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <QImage>
#include <QRect>

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

inline QImage RenderedPdfPage(const std::string& pdfPath, int dpi, const std::string& environment)
{
    ToolResult check = RunTool("qpdf --check '" + pdfPath + "'");
    EXPECT_EQ(check.status, 0) << check.output;
    std::string prefix = pdfPath + "-page";
    ToolResult render = RunTool(environment + "pdftoppm -png -singlefile -r " +
                                std::to_string(dpi) + " '" + pdfPath + "' '" + prefix + "'");
    EXPECT_EQ(render.status, 0) << render.output;
    EXPECT_EQ(render.output, "");
    return QImage(QString::fromStdString(prefix + ".png"));
}

// qpdf finds no fault, and poppler renders the page; returns the rendered page.
inline QImage CheckedPdfPage(const std::string& pdfPath, int dpi = 72)
{
    return RenderedPdfPage(pdfPath, dpi, "");
}

// The same by a reader that has no fonts of its own, so that only fonts the file embeds show
// text: a system's stand-in for a font the file only names may lack its glyphs.
inline QImage CheckedPdfPageWithoutSystemFonts(const std::string& pdfPath, int dpi = 72)
{
    const std::string config = pdfPath + "-fonts.conf";
    WriteBytes(config, "<fontconfig></fontconfig>\n");
    return RenderedPdfPage(pdfPath, dpi, "FONTCONFIG_FILE='" + config + "' ");
}

inline std::string PdfText(const std::string& pdfPath)
{
    return RunTool("pdftotext -enc UTF-8 '" + pdfPath + "' -").output;
}

// Poppler's list of the file's fonts: name, type, encoding, emb, sub, uni, object.
inline std::string PdfFonts(const std::string& pdfPath)
{
    return RunTool("pdffonts '" + pdfPath + "'").output;
}

// Pixels darker than middle grey inside the box (clipped to the picture).
inline int DarkPixels(const QImage& image, QRect box)
{
    box = box.intersected(image.rect());
    int dark = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
}

}  // namespace qv::test
