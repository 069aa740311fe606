// Dispatching the tree chart by file format.
#include "charts/tree/tree_chart_file.h"

#include <algorithm>
#include <filesystem>

#include "charts/chart_comments.h"
#include "charts/tree/tree_chart.h"
#include "data/atomic_file.h"
#include "data/error.h"
#include "data/text_lines.h"
#include "render/bitmap_file.h"
#include "render/svg_to_pdf.h"

namespace qv {
namespace {

std::string Extension(const std::string& fileName)
{
    std::string extension = std::filesystem::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

std::optional<OutputCounts> WriteSvgKind(const TAhnenData& data, const TImageSettings& settings,
                                         const TreeChartTexts& texts, const std::string& fileName,
                                         const std::string& extension, const std::string& creator,
                                         ProgressCallback progress, bool interactive)
{
    int32_t persons = 0;
    if (extension == ".svg") {
        auto svg = BuildTreeChartSvg(data, settings, interactive, texts, std::move(progress), false,
                                     &persons);
        if (!svg) return std::nullopt;
        svg->SaveToFile(fileName);
        return OutputCounts{persons};
    }
    const TImageSettings bare = SettingsWithoutComments(settings);
    const bool pdf = extension == ".pdf";
    auto svg =
        BuildTreeChartSvg(data, bare, interactive, texts, std::move(progress), pdf, &persons);
    if (!svg) return std::nullopt;
    if (pdf)
        SaveSvgAsPdf(*svg, fileName, creator);
    else
        WriteFileAtomically(
            fileName, JoinLinesCrLf(BuildHtmlPage(*svg, data, CommentKind::TreeChart, settings)));
    return OutputCounts{persons};
}

}  // namespace

bool IsTreeChartFileName(const std::string& fileName)
{
    const std::string extension = Extension(fileName);
    for (const char* known : {".png", ".bmp", ".svg", ".pdf", ".html", ".htm"})
        if (extension == known) return true;
    return false;
}

bool IsInteractiveTreeChartFileName(const std::string& fileName)
{
    const std::string extension = Extension(fileName);
    return extension == ".svg" || extension == ".html" || extension == ".htm";
}

TImageSettings SettingsWithoutComments(const TImageSettings& settings)
{
    TImageSettings copy;
    copy.Assign(settings);
    copy.Tree.CommentHeadline = false;
    copy.Tree.CommentHeader = false;
    copy.Tree.CommentFooter = false;
    return copy;
}

std::optional<OutputCounts> WriteTreeChart(const TAhnenData& data, const TImageSettings& settings,
                                           const TreeChartTexts& texts, const std::string& fileName,
                                           const std::string& creator, ProgressCallback progress,
                                           bool interactive)
{
    if (!IsTreeChartFileName(fileName))
        throw Error("Unbekanntes Dateiformat für die Ahnentafel: " + fileName);
    if (interactive && !IsInteractiveTreeChartFileName(fileName))
        throw Error(
            "Interaktiv lässt sich die Ahnentafel nur als SVG- oder HTML-Datei speichern: " +
            fileName);
    const std::string extension = Extension(fileName);
    if (extension != ".png" && extension != ".bmp")
        return WriteSvgKind(data, settings, texts, fileName, extension, creator,
                            std::move(progress), interactive);
    int32_t persons = 0;
    std::optional<Bitmap> picture =
        BuildTreeChartBitmap(data, settings, texts, std::move(progress), &persons);
    if (!picture) return std::nullopt;
    SaveChartBitmap(fileName, *picture);
    return OutputCounts{persons};
}

}  // namespace qv
