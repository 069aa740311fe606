// Drawing the frequency picture into a bitmap or an SVG document and saving it.
#include "charts/frequency/diagram_picture.h"

#include "charts/frequency/image_diagramm.h"
#include "charts/raster_chart_painter.h"
#include "charts/svg_chart_painter.h"
#include "data/data_file.h"
#include "data/error.h"
#include "render/bitmap_file.h"
#include "render/svg_to_pdf.h"

namespace qv {

bool IsDiagramPictureName(const std::string& fileName)
{
    const std::string extension = LowerCaseExtension(fileName);
    return extension == ".png" || extension == ".svg" || extension == ".pdf";
}

TScalableVectorGraphics DiagramSvg(const TAhnenData& data, const TImageSettings& settings,
                                   const DiagramData& diagram, bool pdfTarget)
{
    TImage_Diagramm chart(data, settings, diagram);
    TScalableVectorGraphics svg;
    svg.Width = chart.Width;
    svg.Height = chart.Height;
    svg.PdfTarget = pdfTarget;
    SvgChartPainter painter(svg, chart.DiagramStyle());
    chart.Draw(painter);
    return svg;
}

void WriteDiagramPicture(const TAhnenData& data, const TImageSettings& settings,
                         const DiagramData& diagram, const std::string& fileName,
                         const std::string& creator)
{
    const std::string extension = LowerCaseExtension(fileName);
    if (extension == ".svg") return DiagramSvg(data, settings, diagram).SaveToFile(fileName);
    if (extension == ".pdf")
        return SaveSvgAsPdf(DiagramSvg(data, settings, diagram, true), fileName, creator);
    if (extension != ".png") throw Error("Unbekanntes Dateiformat für das Diagramm: " + fileName);
    TImage_Diagramm chart(data, settings, diagram);
    Bitmap picture(chart.Width, chart.Height);
    RasterChartPainter painter(picture, chart.DiagramStyle());
    chart.Draw(painter);
    SaveChartBitmap(fileName, picture);
}

}  // namespace qv
