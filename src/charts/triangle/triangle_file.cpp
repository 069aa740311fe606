// Dispatching the triangle diagram by file format.
#include "charts/triangle/triangle_file.h"

#include <algorithm>
#include <filesystem>

#include "charts/chart_comments.h"
#include "charts/chart_picture.h"
#include "charts/svg_chart_painter.h"
#include "charts/triangle/image_dreiecksdiagramm.h"
#include "data/atomic_file.h"
#include "data/error.h"
#include "data/text_lines.h"
#include "render/svg_to_pdf.h"

namespace qv {
namespace {

enum class Format { Picture, Svg, Pdf, Html };

std::optional<Format> FormatOf(const std::string& fileName)
{
    std::string extension = std::filesystem::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".png" || extension == ".bmp") return Format::Picture;
    if (extension == ".svg") return Format::Svg;
    if (extension == ".pdf") return Format::Pdf;
    if (extension == ".html" || extension == ".htm") return Format::Html;
    return std::nullopt;
}

bool WritePicture(TImage_Dreiecksdiagramm& chart, const std::string& fileName)
{
    return WriteChartPicture(chart, CommentKind::Triangle, fileName,
                             [&chart](ChartPainter& painter, int32_t top) {
                                 return chart.Draw(painter, top);
                             });
}

// The SVG file carries the comment blocks; a PDF page cannot render them and an HTML page
// shows them itself, so those documents are drawn without.
bool WriteDocument(TImage_Dreiecksdiagramm& chart, Format format, const std::string& fileName,
                   const std::string& creator)
{
    const CommentHeights comments = format == Format::Svg
                                        ? chart.MeasureComments(CommentKind::Triangle, chart.Width)
                                        : CommentHeights{};
    TScalableVectorGraphics svg("UTF-8");
    svg.Width = chart.Width;
    svg.Height = chart.Height + comments.header + comments.footer;
    svg.Font = {"Arial", chart.Settings.FontSize};
    svg.RectAsElement = svg.PdfTarget = format == Format::Pdf;
    SvgChartPainter painter(svg, chart.PainterStyle());
    if (!chart.Draw(painter, comments.header)) return false;
    if (format == Format::Svg) {
        chart.DrawComments(painter, CommentKind::Triangle, chart.Width, comments);
        svg.SaveToFile(fileName);
    } else if (format == Format::Pdf) {
        SaveSvgAsPdf(svg, fileName, creator);
    } else {
        WriteFileAtomically(fileName, JoinLinesCrLf(BuildHtmlPage(svg, chart.Data,
                                                                  CommentKind::Triangle,
                                                                  chart.Settings)));
    }
    return true;
}

}  // namespace

std::optional<OutputCounts> WriteTriangleDiagram(const TAhnenData& data,
                                                 const TImageSettings& settings,
                                                 const TriangleLabels& labels,
                                                 const std::string& fileName,
                                                 const std::string& creator,
                                                 ProgressCallback progress)
{
    const std::optional<Format> format = FormatOf(fileName);
    if (!format) throw Error("Unbekanntes Dateiformat für das Dreiecksdiagramm: " + fileName);
    TImage_Dreiecksdiagramm chart(data, settings, std::move(progress));
    if (!chart.Create(labels)) return std::nullopt;
    const bool written = *format == Format::Picture
                             ? WritePicture(chart, fileName)
                             : WriteDocument(chart, *format, fileName, creator);
    if (!written) return std::nullopt;
    return OutputCounts{chart.PersonCount()};
}

}  // namespace qv
