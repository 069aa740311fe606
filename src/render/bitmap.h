// A raster picture with per-pixel access in TColor terms.
#pragma once

#include <cstdint>

#include <QImage>

#include "render/color.h"

namespace qv {

enum class PixelFormat { Bits24, Bits32 };

// Holds a QImage of 24 or 32 bits per pixel; a 32-bit picture's fourth byte is its alpha
// (opaque unless someone wrote otherwise). Pixels outside the picture are ignored on writing.
class Bitmap {
public:
    Bitmap() = default;
    // Filled with the colour. Throws Error when the memory cannot be had or the size is invalid.
    Bitmap(int width, int height, TColor fill = kWhite, PixelFormat format = PixelFormat::Bits32);
    // Adopts an image, converting it to the nearest supported format.
    explicit Bitmap(const QImage& image);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    PixelFormat Format() const { return m_format; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

    // Precondition: Contains(x, y).
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    void Fill(TColor color);

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
    PixelFormat m_format = PixelFormat::Bits32;
};

QColor ToQColor(TColor color);

}  // namespace qv
