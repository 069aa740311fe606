// The two builders of the tree chart: a raster picture or an SVG document.
#include "charts/tree/tree_chart.h"

#include <string>

#include "charts/picture_fits.h"
#include "charts/tree/interactive_tree.h"
#include "charts/tree/tree_chart_builder.h"
#include "data/error.h"

namespace qv {

std::optional<Bitmap> BuildTreeChartBitmap(const TAhnenData& data, const TImageSettings& settings,
                                           const TreeChartTexts& texts, ProgressCallback progress,
                                           int32_t* personCount)
{
    TreeChartBuilder builder(data, settings, texts, std::move(progress));
    if (!builder.Prepare()) return std::nullopt;
    if (personCount) *personCount = builder.PersonCount();
    EnsurePictureFits(builder.ImageWidth(), builder.ImageHeight());
    Bitmap bitmap(builder.ImageWidth(), builder.ImageHeight(), kWhite, PixelFormat::Bits24);
    if (!builder.DrawRaster(bitmap)) return std::nullopt;
    return bitmap;
}

std::optional<TScalableVectorGraphics> BuildTreeChartSvg(
    const TAhnenData& data, const TImageSettings& settings, bool interactive,
    const TreeChartTexts& texts, ProgressCallback progress, bool pdfTarget, int32_t* personCount)
{
    TreeChartBuilder builder(data, settings, texts, std::move(progress), interactive);
    if (!builder.Prepare()) return std::nullopt;
    if (personCount) *personCount = builder.PersonCount();
    TScalableVectorGraphics svg("UTF-8");
    svg.PdfTarget = pdfTarget && !interactive;
    if (!builder.DrawVector(svg, interactive ? NewDocumentGuid() : std::string()))
        return std::nullopt;
    return svg;
}

}  // namespace qv
