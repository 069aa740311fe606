// Dispatching the circle chart by file format.
#include "charts/circle/circle_chart_file.h"

#include <cctype>
#include <filesystem>

#include "charts/chart_comments.h"
#include "charts/chart_picture.h"
#include "charts/circle/image_kreisdiagramm.h"
#include "charts/svg_chart_painter.h"
#include "data/atomic_file.h"
#include "data/error.h"
#include "data/text_lines.h"
#include "render/svg_to_pdf.h"

namespace qv {
namespace {

std::string LowerExtension(const std::string& fileName)
{
    std::string extension = std::filesystem::path(fileName).extension().string();
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

bool WritePicture(TImage_Kreisdiagramm& chart, const std::string& fileName)
{
    return WriteChartPicture(chart, CommentKind::Circle, fileName,
                             [&chart](ChartPainter& painter, int32_t top) {
                                 return chart.Draw(painter, {0, top});
                             });
}

std::optional<TScalableVectorGraphics> BuildDocument(TImage_Kreisdiagramm& chart, bool pdf)
{
    const CommentHeights heights = chart.MeasureComments(CommentKind::Circle, chart.Width);
    TScalableVectorGraphics svg("UTF-8");
    svg.Width = chart.Width;
    svg.Height = chart.Height + heights.header + heights.footer;
    svg.Font = {"Arial", chart.Settings.FontSize};
    svg.RectAsElement = pdf;
    svg.PdfTarget = pdf;
    SvgChartPainter painter(svg, chart.PainterStyle());
    if (!chart.Draw(painter, {0, heights.header})) return std::nullopt;
    chart.DrawComments(painter, CommentKind::Circle, chart.Width, heights);
    return svg;
}

// PDF and HTML draw on a copy without comment blocks: a PDF page cannot render HTML, and the
// HTML page shows the comments itself.
TImageSettings WithoutComments(const TImageSettings& settings)
{
    TImageSettings copy;
    copy.Assign(settings);
    copy.Circle.CommentHeadline = copy.Circle.CommentHeader = copy.Circle.CommentFooter = false;
    return copy;
}

bool WriteDocument(const TAhnenData& data, const TImageSettings& settings,
                   const std::string& fileName, const std::string& extension,
                   const std::string& creator, ProgressCallback progress)
{
    const bool pdf = extension == ".pdf";
    const bool bare = extension != ".svg";
    const TImageSettings copy = WithoutComments(settings);
    TImage_Kreisdiagramm chart(data, bare ? copy : settings, std::move(progress));
    if (!chart.Create()) return false;
    std::optional<TScalableVectorGraphics> svg = BuildDocument(chart, pdf);
    if (!svg) return false;
    if (extension == ".svg")
        svg->SaveToFile(fileName);
    else if (pdf)
        SaveSvgAsPdf(*svg, fileName, creator);
    else
        WriteFileAtomically(
            fileName, JoinLinesCrLf(BuildHtmlPage(*svg, data, CommentKind::Circle, settings)));
    return true;
}

}  // namespace

bool IsCircleChartFileName(const std::string& fileName)
{
    const std::string extension = LowerExtension(fileName);
    for (const char* known : {".png", ".bmp", ".svg", ".pdf", ".html", ".htm"})
        if (extension == known) return true;
    return false;
}

bool WriteCircleChart(const TAhnenData& data, const TImageSettings& settings,
                      const std::string& fileName, const std::string& creator,
                      ProgressCallback progress)
{
    if (!IsCircleChartFileName(fileName))
        throw Error("Unbekanntes Dateiformat für die Kreisahnentafel: " + fileName);
    const std::string extension = LowerExtension(fileName);
    if (extension != ".png" && extension != ".bmp")
        return WriteDocument(data, settings, fileName, extension, creator, std::move(progress));
    TImage_Kreisdiagramm chart(data, settings, std::move(progress));
    return chart.Create() && WritePicture(chart, fileName);
}

}  // namespace qv
