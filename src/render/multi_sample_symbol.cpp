// Reducing and compositing supersampled symbols.
#include "render/multi_sample_symbol.h"

#include <cmath>

namespace qv {

TMultiSampleSymbol::TMultiSampleSymbol(int width, int height, TColor keyColor)
    : m_picture(width, height, keyColor), m_keyColor(ColorToRgb(keyColor))
{
}

void TMultiSampleSymbol::Reduce(int n)
{
    if (n < 1) return;
    m_reducedWidth = m_picture.Width() / n;
    m_reducedHeight = m_picture.Height() / n;
    m_reduced.assign(size_t(m_reducedWidth) * m_reducedHeight, Sample{});
    for (int j = 0; j < m_reducedHeight; ++j)
        for (int i = 0; i < m_reducedWidth; ++i) {
            int covered = 0;
            float red = 0, green = 0, blue = 0;
            for (int b = 0; b < n; ++b)
                for (int a = 0; a < n; ++a) {
                    TColor c = m_picture.Pixel(n * i + a, n * j + b);
                    if (c == m_keyColor) continue;
                    ++covered;
                    red += float(ColorRed(c));
                    green += float(ColorGreen(c));
                    blue += float(ColorBlue(c));
                }
            if (covered == 0) continue;
            m_reduced[size_t(j) * m_reducedWidth + i] = {
                red / covered, green / covered, blue / covered, float(covered) / float(n * n)};
        }
}

void TMultiSampleSymbol::DrawTo(int x, int y, Bitmap& target) const
{
    for (int j = 0; j < m_reducedHeight; ++j)
        for (int i = 0; i < m_reducedWidth; ++i) {
            const Sample& s = At(i, j);
            if (s.alpha <= 0 || !target.Contains(x + i, y + j)) continue;
            TColor average = RgbColor(int(std::trunc(s.red)), int(std::trunc(s.green)),
                                       int(std::trunc(s.blue)));
            if (s.alpha >= 1) {
                target.SetPixel(x + i, y + j, average);
                continue;
            }
            target.SetPixel(x + i, y + j, Blend(target.Pixel(x + i, y + j), average, s.alpha));
        }
}

}  // namespace qv
