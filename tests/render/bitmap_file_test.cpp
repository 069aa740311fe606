// Saving pictures: type by extension, alpha for 32-bit pictures, folders created.
#include "render/bitmap_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <QImage>

#include <gtest/gtest.h>

#include "data/error.h"
#include "pdf_tools.h"

namespace qv {
namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The colour type in the PNG header: 2 RGB, 6 RGB with alpha.
int PngColorType(const std::string& png)
{
    return static_cast<unsigned char>(png.at(25));
}

Bitmap Sample(PixelFormat format)
{
    Bitmap bitmap(5, 3, kWhite, format);
    bitmap.SetPixel(1, 1, 0x0000FF);
    bitmap.SetPixel(4, 2, 0x123456);
    return bitmap;
}

TEST(BitmapFile, PngCarriesAlphaOnlyFor32BitPictures)
{
    test::ScratchDirectory dir("qv-bitmap");
    struct Case {
        const char* name;
        PixelFormat format;
        int colorType;
    } cases[] = {
        {"deep/er/wide.png", PixelFormat::Bits32, 6},
        {"narrow.PNG", PixelFormat::Bits24, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.File(c.name);
        SaveBitmapToFile(path, Sample(c.format));
        std::string bytes = ReadFile(path);
        ASSERT_TRUE(bytes.starts_with("\x89PNG"));
        EXPECT_EQ(PngColorType(bytes), c.colorType);
        QImage back(QString::fromStdString(path));
        EXPECT_EQ(back.pixel(1, 1), qRgb(255, 0, 0));
        EXPECT_EQ(back.pixel(4, 2), qRgb(0x56, 0x34, 0x12));
        EXPECT_EQ(qAlpha(back.pixel(0, 0)), 255);
    }
    // The highest compression is no larger than the default one.
    Bitmap big(300, 200);
    for (int x = 0; x < 300; ++x) big.SetPixel(x, x % 200, TColor(x * 7919));
    EXPECT_LE(EncodePng(big, 9, false).size(), EncodePng(big, -1, false).size());
}

TEST(BitmapFile, BmpByExtensionAndChartPngWithoutAlpha)
{
    test::ScratchDirectory dir("qv-bitmap");
    SaveBitmapToFile(dir.File("picture.Bmp"), Sample(PixelFormat::Bits32));
    std::string bmp = ReadFile(dir.File("picture.Bmp"));
    ASSERT_TRUE(bmp.starts_with("BM"));
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("picture.Bmp"))).pixel(1, 1), qRgb(255, 0, 0));

    SaveChartBitmap(dir.File("chart.png"), Sample(PixelFormat::Bits32));
    EXPECT_EQ(PngColorType(ReadFile(dir.File("chart.png"))), 2);
    SaveChartBitmap(dir.File("chart.bmp"), Sample(PixelFormat::Bits32));
    EXPECT_TRUE(ReadFile(dir.File("chart.bmp")).starts_with("BM"));
}

TEST(BitmapFile, FailuresNameTheProblem)
{
    test::ScratchDirectory dir("qv-bitmap");
    try {
        SaveBitmapToFile(dir.File("picture.gif"), Sample(PixelFormat::Bits32));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(
            std::string(e.what()),
            "Bilder können nur als .png oder .bmp gespeichert werden: " + dir.File("picture.gif"));
    }
    std::ofstream(dir.File("file")) << "x";
    try {
        SaveBitmapToFile(dir.File("file/picture.png"), Sample(PixelFormat::Bits32));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Verzeichnis " + dir.File("file"), 0), 0u)
            << e.what();
    }
    EXPECT_THROW(EncodePng(Bitmap(), 9, false), Error);
}

}  // namespace
}  // namespace qv
