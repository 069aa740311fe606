// The two builders of the tree chart: a raster picture or an SVG document.
#include "charts/tree/tree_chart.h"

#include <unistd.h>

#include "charts/tree/tree_chart_builder.h"
#include "data/error.h"

namespace qv {
namespace {

// A picture larger than the free memory would only fail while drawing, or make the system
// swap itself to a halt; it is refused at once, as a failed allocation would be.
void EnsurePictureFits(int64_t width, int64_t height)
{
    const int64_t bytes = width * height * 3;
    const int64_t available = int64_t(sysconf(_SC_AVPHYS_PAGES)) * sysconf(_SC_PAGESIZE);
    if (width > INT32_MAX / 4 || height > INT32_MAX / 4 || (available > 0 && bytes > available))
        throw Error("Nicht genügend Speicher zum Erstellen des Bildes verfügbar.");
}

}  // namespace

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
    if (interactive)
        throw Error("Die interaktive SVG-Ausgabe der Ahnentafel ist noch nicht verfügbar.");
    TreeChartBuilder builder(data, settings, texts, std::move(progress));
    if (!builder.Prepare()) return std::nullopt;
    if (personCount) *personCount = builder.PersonCount();
    TScalableVectorGraphics svg("UTF-8");
    svg.PdfTarget = pdfTarget;
    if (!builder.DrawVector(svg)) return std::nullopt;
    return svg;
}

}  // namespace qv
