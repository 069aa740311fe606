// Bilinear rotation of pictures and rotated text.
#include "render/rotated_text.h"

#include <cmath>
#include <vector>

namespace qv {
namespace {

class Source {
public:
    Source(const Bitmap& bitmap, TColor background)
        : m_width(bitmap.Width()), m_height(bitmap.Height()), m_background(background)
    {
        m_pixels.reserve(size_t(m_width) * m_height);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) m_pixels.push_back(bitmap.Pixel(x, y));
    }

    TColor At(int64_t x, int64_t y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) return m_background;
        return m_pixels[size_t(y) * m_width + size_t(x)];
    }

    TColor Bilinear(double sx, double sy) const
    {
        double fx0 = std::floor(sx), fy0 = std::floor(sy);
        if (fx0 < -1 || fy0 < -1 || fx0 > m_width || fy0 > m_height) return m_background;
        int64_t xi = int64_t(fx0), yi = int64_t(fy0);
        double fx = sx - fx0, fy = sy - fy0;
        TColor top = RoundedBlend(At(xi, yi), At(xi + 1, yi), fx);
        TColor bottom = RoundedBlend(At(xi, yi + 1), At(xi + 1, yi + 1), fx);
        return RoundedBlend(top, bottom, fy);
    }

private:
    int m_width;
    int m_height;
    TColor m_background;
    std::vector<TColor> m_pixels;
};

}  // namespace

Bitmap RotateBitmap(const Bitmap& bitmap, PointF centre, TColor background, double angle)
{
    background = ColorToRgb(background);
    Source source(bitmap, background);
    Bitmap target(bitmap.Width(), bitmap.Height(), background, bitmap.Format());
    double cosine = std::cos(-angle), sine = std::sin(-angle);
    for (int j = 0; j < target.Height(); ++j)
        for (int i = 0; i < target.Width(); ++i) {
            double vx = i - centre.x, vy = j - centre.y;
            double ux = vx * cosine - vy * sine, uy = vx * sine + vy * cosine;
            target.SetPixel(i, j, source.Bilinear(ux + centre.x, uy + centre.y));
        }
    return target;
}

void DrawRotatedText(Canvas& canvas, std::u16string_view text, Point centre, TColor background,
                     double angle)
{
    background = ColorToRgb(background);
    int h = canvas.Extent(kLineHeightSample).height;
    TextMetrics metrics(canvas.Font());
    int w = metrics.Width(text);
    int d = static_cast<int>(std::ceil(std::sqrt(double(w) * w + double(h) * h) / 2));
    if (d == 0) return;
    Bitmap scratch(2 * d, 2 * d, background);
    {
        Canvas scratchCanvas(scratch);
        scratchCanvas.SetFont(canvas.Font());
        scratchCanvas.SetBrushStyle(BrushStyle::Clear);
        scratchCanvas.TextOut(d - w / 2, d - h / 2, text);
    }
    Bitmap rotated = RotateBitmap(scratch, {double(d), double(d)}, background, angle);
    canvas.DrawTransparent(centre.x - d, centre.y - d, rotated, background);
}

}  // namespace qv
