// Writing a chart as a picture.
#include "charts/chart_picture.h"

#include "charts/picture_fits.h"
#include "charts/raster_chart_painter.h"
#include "render/bitmap_file.h"

namespace qv {

bool WriteChartPicture(TImage_Common& chart, CommentKind kind, const std::string& fileName,
                       const std::function<bool(ChartPainter& painter, int32_t top)>& draw)
{
    const CommentHeights comments = chart.MeasureComments(kind, chart.Width);
    const int64_t height = int64_t(chart.Height) + comments.header + comments.footer;
    EnsurePictureFits(chart.Width, height);
    Bitmap bitmap(chart.Width, int32_t(height), kWhite, PixelFormat::Bits24);
    RasterChartPainter painter(bitmap, chart.PainterStyle());
    if (!draw(painter, comments.header)) return false;
    chart.DrawComments(painter, kind, chart.Width, comments);
    SaveChartBitmap(fileName, bitmap);
    return true;
}

}  // namespace qv
