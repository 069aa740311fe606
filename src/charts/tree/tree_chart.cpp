// The two builders of the tree chart: a raster picture or an SVG document.
#include "charts/tree/tree_chart.h"

#include <fstream>
#include <string>

#include "charts/tree/interactive_tree.h"
#include "charts/tree/tree_chart_builder.h"
#include "data/error.h"

namespace qv {
namespace {

// The memory the system can give without swapping (MemAvailable), or -1 when unknown.
int64_t AvailableMemory()
{
    std::ifstream meminfo("/proc/meminfo");
    for (std::string line; std::getline(meminfo, line);)
        if (line.rfind("MemAvailable:", 0) == 0) return std::stoll(line.substr(13)) * 1024;
    return -1;
}

// A picture larger than the memory at hand would only fail while drawing, or make the system
// swap itself to a halt; it is refused at once, as a failed allocation would be.
void EnsurePictureFits(int64_t width, int64_t height)
{
    const int64_t available = AvailableMemory();
    const bool tooWide = width > INT32_MAX / 4 || height > INT32_MAX / 4;
    if (tooWide || (available >= 0 && width * height * 3 > available))
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
