// Pixel access to QImage in 0x00BBGGRR colours.
#include "render/bitmap.h"

#include <cassert>

#include "data/error.h"

namespace qv {
namespace {

QImage::Format QtFormat(PixelFormat format)
{
    return format == PixelFormat::Bits24 ? QImage::Format_RGB888 : QImage::Format_RGB32;
}

}  // namespace

QColor ToQColor(TColor color)
{
    return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

Bitmap::Bitmap(int width, int height, TColor fill, PixelFormat format) : m_format(format)
{
    if (width < 0 || height < 0) throw Error("Fehler beim erstellen des Bildes.");
    if (width == 0 || height == 0) return;
    m_image = QImage(width, height, QtFormat(format));
    if (m_image.isNull())
        throw Error("Nicht genügend Speicher zum Erstellen des Bildes verfügbar.");
    Fill(fill);
}

Bitmap::Bitmap(const QImage& image)
{
    bool wide = image.depth() == 32 || image.hasAlphaChannel();
    m_format = wide ? PixelFormat::Bits32 : PixelFormat::Bits24;
    QImage::Format target = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QtFormat(m_format);
    m_image = image.convertToFormat(target);
}

TColor Bitmap::Pixel(int x, int y) const
{
    assert(Contains(x, y));
    const uchar* line = m_image.constScanLine(y);
    if (m_format == PixelFormat::Bits24) {
        const uchar* p = line + 3 * x;
        return RgbColor(p[0], p[1], p[2]);
    }
    QRgb rgb = reinterpret_cast<const QRgb*>(line)[x];
    return RgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void Bitmap::SetPixel(int x, int y, TColor color)
{
    if (!Contains(x, y)) return;
    uchar* line = m_image.scanLine(y);
    if (m_format == PixelFormat::Bits24) {
        uchar* p = line + 3 * x;
        p[0] = static_cast<uchar>(ColorRed(color));
        p[1] = static_cast<uchar>(ColorGreen(color));
        p[2] = static_cast<uchar>(ColorBlue(color));
        return;
    }
    reinterpret_cast<QRgb*>(line)[x] = qRgb(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

void Bitmap::Fill(TColor color)
{
    if (!m_image.isNull()) m_image.fill(ToQColor(color));
}

}  // namespace qv
