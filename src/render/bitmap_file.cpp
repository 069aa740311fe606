// PNG through libpng, BMP through Qt's writer, both through a temporary file.
#include "render/bitmap_file.h"

#include <filesystem>
#include <vector>

#include <png.h>

#include <QBuffer>
#include <QImageWriter>

#include "app/qt_text.h"
#include "data/atomic_file.h"
#include "data/error.h"

namespace qv {
namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

void FlushNothing(png_structp) {}

// R, G, B (and the fourth byte of each pixel as alpha) of one row of a 32-bit image.
void FillRow(const QImage& image, int y, bool withAlpha, png_byte* row)
{
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        *row++ = png_byte(qRed(line[x]));
        *row++ = png_byte(qGreen(line[x]));
        *row++ = png_byte(qBlue(line[x]));
        if (withAlpha) *row++ = png_byte(qAlpha(line[x]));
    }
}

// libpng reports errors by longjmp, so nothing with a destructor is created after setjmp;
// rows are converted one at a time to keep a large chart from being copied whole.
bool WritePng(std::string& out, const QImage& image, bool withAlpha, int level,
              std::vector<png_byte>& row)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, AppendToString, FlushNothing);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        FillRow(image, y, withAlpha, row.data());
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

std::string LowerExtension(const std::string& fileName)
{
    return LowerCaseUtf8(std::filesystem::path(fileName).extension().string());
}

void CreateDirectories(const std::string& fileName)
{
    std::filesystem::path directory = std::filesystem::path(fileName).parent_path();
    std::error_code error;
    if (!directory.empty()) std::filesystem::create_directories(directory, error);
    if (error)
        throw Error("Verzeichnis " + directory.string() + " kann nicht angelegt werden. " +
                    error.message());
}

}  // namespace

std::string EncodePng(const Bitmap& bitmap, int compressionLevel, bool withAlpha)
{
    const QImage& source = bitmap.Image();
    QImage image = source.convertToFormat(
        withAlpha && source.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    std::string out;
    std::vector<png_byte> row(size_t(image.width()) * (withAlpha ? 4 : 3));
    if (image.isNull() || !WritePng(out, image, withAlpha, compressionLevel, row))
        throw Error("Das Bild kann nicht als PNG gespeichert werden.");
    return out;
}

std::string EncodeBmp(const Bitmap& bitmap)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (bitmap.Image().isNull() || !writer.write(bitmap.Image()))
        throw Error("Das Bild kann nicht als Bitmap gespeichert werden.");
    return buffer.data().toStdString();
}

void SaveBitmapToFile(const std::string& fileName, const Bitmap& bitmap)
{
    std::string extension = LowerExtension(fileName);
    if (extension != ".png" && extension != ".bmp")
        throw Error("Bilder können nur als .png oder .bmp gespeichert werden: " + fileName);
    CreateDirectories(fileName);
    bool alpha = bitmap.Format() == PixelFormat::Bits32;
    WriteFileAtomically(fileName,
                        extension == ".png" ? EncodePng(bitmap, 9, alpha) : EncodeBmp(bitmap));
}

void SaveChartBitmap(const std::string& fileName, const Bitmap& bitmap)
{
    bool png = LowerExtension(fileName) == ".png";
    WriteFileAtomically(fileName, png ? EncodePng(bitmap, -1, false) : EncodeBmp(bitmap));
}

}  // namespace qv
