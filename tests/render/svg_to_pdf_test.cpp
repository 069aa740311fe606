// The PDF converter: file layout, fonts, content operators, and what readers make of it.
#include "render/svg_to_pdf.h"

#include <filesystem>
#include <regex>

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/text_encoding.h"
#include "pdf_tools.h"
#include "render/canvas.h"

namespace qv {
namespace {

using test::CheckedPdfPage;
using test::PdfText;
using test::ScratchDirectory;

constexpr const char* kCreator = "Quilvane 0.1.0.0 by Veldrin";

std::string Content(const std::string& pdf)
{
    size_t start = pdf.find("stream\n", pdf.find("10 0 obj")) + 7;
    return pdf.substr(start, pdf.find("endstream", start) - start);
}

TEST(SvgToPdf, ChartWithoutTextHasSixObjectsAndAFreeList)
{
    TScalableVectorGraphics svg;
    svg.Width = 800;
    svg.Height = 600;
    Point line[] = {{10, 10}, {100, 50}};
    svg.Polyline(line, 1);
    std::string pdf = SvgToPdf(svg, kCreator);
    EXPECT_TRUE(pdf.starts_with("%PDF-1.3\n%,\xFD\xFE\n1 0 obj\n<<\n/Type /Catalog\n"));
    EXPECT_NE(pdf.find("2 0 obj\n<<\n/Creator(Quilvane 0.1.0.0 by Veldrin)\n>>\nendobj\n"),
              std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 600 450 ]"), std::string::npos);
    EXPECT_NE(pdf.find("7 0 obj\n<<\n>>\nendobj\n"), std::string::npos);
    EXPECT_EQ(pdf.find("/Font\n"), std::string::npos);

    size_t xref = pdf.find("xref\n0 11\n");
    ASSERT_NE(xref, std::string::npos);
    std::string table = pdf.substr(xref + 10, 11 * 20);
    const char* types = "fnnnnffnffn";
    const char* nextFree[] = {"0000000005", "", "",           "",           "", "0000000006",
                              "0000000008", "", "0000000009", "0000000000", ""};
    for (int n = 0; n < 11; ++n) {
        SCOPED_TRACE(n);
        std::string entry = table.substr(size_t(n) * 20, 20);
        EXPECT_EQ(entry[17], types[n]);
        EXPECT_EQ(entry.substr(18), " \n");
        if (types[n] == 'f') {
            EXPECT_EQ(entry.substr(0, 10), nextFree[n]);
            EXPECT_EQ(entry.substr(11, 5), n == 0 ? "65535" : "00000");
        } else {
            size_t offset = std::stoul(entry.substr(0, 10));
            std::string header = std::to_string(n) + " 0 obj\n";
            EXPECT_EQ(pdf.compare(offset, header.size(), header), 0);
        }
    }
    EXPECT_TRUE(pdf.ends_with("trailer\n<<\n/Size 11\n/Root 1 0 R\n/Info 2 0 R\n>>\nstartxref\n" +
                              std::to_string(xref) + "\n%%EOF\n"));
    ScratchDirectory dir("qv-pdf");
    test::WriteBytes(dir.File("lines.pdf"), pdf);
    EXPECT_FALSE(CheckedPdfPage(dir.File("lines.pdf")).isNull());
}

TEST(SvgToPdf, PageScaleIsCappedAt14400Points)
{
    struct Case {
        int width, height;
        const char* mediaBox;
        const char* matrix;
    } cases[] = {
        {20000, 10000, "/MediaBox [ 0 0 14400 7200 ]", "q 0.72 0 0 0.72 0 0 cm\n"},
        {800, 600, "/MediaBox [ 0 0 600 450 ]", "q 0.75 0 0 0.75 0 0 cm\n"},
        {100, 30000, "/MediaBox [ 0 0 48 14400 ]", "q 0.48 0 0 0.48 0 0 cm\n"},
        {0, 0, "/MediaBox [ 0 0 0 0 ]", "q 0.75 0 0 0.75 0 0 cm\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mediaBox);
        TScalableVectorGraphics svg;
        svg.Width = c.width;
        svg.Height = c.height;
        std::string pdf = SvgToPdf(svg, kCreator);
        EXPECT_NE(pdf.find(c.mediaBox), std::string::npos);
        EXPECT_TRUE(Content(pdf).starts_with(c.matrix));
    }
}

TEST(SvgToPdf, PaintOperatorsFollowTheRememberedStyle)
{
    TScalableVectorGraphics svg;
    svg.Width = 100;
    svg.Height = 100;
    svg.Add("<path d=\"M10 10L20 10L20 20\" fill=\"#F00\"/>");  // open: stroked only
    svg.Add("<g fill=\"none\"><path d=\"M0 0L5 5\"/></g>");
    svg.Add("<path d=\"M30 30h10v10h-10z\"/>");  // remembered: no fill
    svg.Add("<rect x=\"1\" y=\"2\" width=\"3\" height=\"4\" fill=\"#0F0\" stroke-width=\"0\"/>");
    svg.Add("<circle cx=\"50\" cy=\"50\" r=\"10\" stroke-width=\"2\"/>");
    svg.Add("<polygon points=\"0,0 10,0 10,10\"/>");
    std::string content = Content(SvgToPdf(svg, kCreator));
    EXPECT_NE(content.find("q\n1 0 0 rg\n10 90 m\n20 90 l\n20 80 l\nS\nQ\n"), std::string::npos);
    EXPECT_NE(content.find("30 70 m\n40 70 l\n40 60 l\n30 60 l\ns\n"), std::string::npos);
    EXPECT_NE(content.find("q\n0 1 0 rg\n0 w\n1 94 3 4 re\nh f\nQ\n"), std::string::npos);
    EXPECT_NE(content.find("q\n2 w\n60 50 m\n60 55.522 55.522 60 50 60 c\n"), std::string::npos);
    EXPECT_NE(content.find("\n0 100 m\n10 100 l\n10 90 l\nb\n"), std::string::npos);
}

TEST(SvgToPdf, LinesAfterAClosedSubpathStartWithAMove)
{
    TScalableVectorGraphics svg;
    svg.Width = 100;
    svg.Height = 100;
    // Two squares from one corner: saving drops the second move, which is where we are.
    svg.Path("M10 10h50v50h-50zM10 10h20v20h-20z");
    std::string saved = svg.SaveToString();
    ASSERT_NE(saved.find("d=\"M10 10H60V60H10ZH30V30H10Z\""), std::string::npos);
    std::string content = Content(SvgToPdf(svg, kCreator));
    EXPECT_NE(content.find("10 40 l\nb\n10 90 m\n30 90 l\n"), std::string::npos);
    ScratchDirectory dir("qv-pdf");
    SaveSvgAsPdf(svg, dir.File("squares.pdf"), kCreator);
    // Four page pixels per point: SVG pixel (x, y) is page pixel (3x, 3y).
    QImage page = CheckedPdfPage(dir.File("squares.pdf"), 288);
    ASSERT_EQ(page.width(), 300);
    EXPECT_EQ(page.pixel(90, 30), qRgb(0, 0, 0));  // the top edge both squares share
    EXPECT_EQ(page.pixel(90, 60), qRgb(0, 0, 0));  // the right edge of the second square
    EXPECT_EQ(page.pixel(135, 135), qRgb(255, 255, 255));
}

TEST(SvgToPdf, TextIsEncodedSearchableAndTurned)
{
    TScalableVectorGraphics svg;
    svg.Width = 400;
    svg.Height = 200;
    svg.Pen.Width = 0;
    svg.Brush.Color = kBlack;
    svg.TextOut(10, 10,
                "Kekule (1850) \\ M\xC3\xBC"
                "ller & S\xC3\xB6hne");
    svg.Font.Size = 20;
    svg.Add("<g transform=\"rotate(90,200,100)\">");
    svg.TextOut(150, 90, "Generation");
    svg.Add("</g>");
    std::string pdf = SvgToPdf(svg, kCreator);
    EXPECT_NE(pdf.find("/R0 16 0 R\n"), std::string::npos);
    EXPECT_NE(pdf.find("/Subtype /TrueType\n/FirstChar 32\n/LastChar "), std::string::npos);
    EXPECT_NE(pdf.find("/FontDescriptor 17 0 R\n/ToUnicode 18 0 R\n"), std::string::npos);
    EXPECT_NE(pdf.find("/FontFile2 19 0 R\n"), std::string::npos);
    EXPECT_NE(pdf.find("<20> <004B>\r\n<21> <0065>\r\n"), std::string::npos);
    std::string content = Content(pdf);
    // Codes from 32 in order of first occurrence; "(", ")" and "\\" escaped as bytes.
    EXPECT_NE(content.find("/R0 15 Tf\nBT\n10 176 Td\n( !\"#$!%&'\\(\\)*+%,%-.$$!/%0%1234!)Tj\nET"),
              std::string::npos);
    // A quarter turn clockwise about (200, 100), which is (200, 100) on the page too.
    EXPECT_NE(content.find("0 -1 1 0 100 300 cm\n"), std::string::npos);
    EXPECT_NE(content.find("/R0 27 Tf\nBT\n"), std::string::npos);

    ScratchDirectory dir("qv-pdf");
    SaveSvgAsPdf(svg, dir.File("text.pdf"), kCreator);
    CheckedPdfPage(dir.File("text.pdf"));
    std::string text = PdfText(dir.File("text.pdf"));
    EXPECT_NE(text.find("Kekule (1850) \\ M\xC3\xBCller & S\xC3\xB6hne"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Generation"), std::string::npos) << text;
}

TEST(SvgToPdf, MoreDistinctCharactersThanOneFontHoldsAreSpreadOverFonts)
{
    TScalableVectorGraphics svg;
    svg.Width = 3000;
    svg.Height = 100;
    std::u16string wide;
    for (char16_t c = 0x100; c < 0x100 + 300; ++c) wide += c;  // 300 distinct letters
    svg.TextOut(0, 0, "abc");
    svg.TextOut(0, 20, Utf8FromUtf16(wide));
    svg.TextOut(0, 40, std::string(400, 'x'));  // long, but one distinct character
    std::string pdf = SvgToPdf(svg, kCreator);
    EXPECT_NE(pdf.find("/R2 22 0 R\n"), std::string::npos);
    EXPECT_EQ(pdf.find("/R3 "), std::string::npos);
    // Three slots, each with its own font file after the slots' objects.
    EXPECT_NE(pdf.find("/FontFile2 27 0 R\n"), std::string::npos);
    EXPECT_NE(pdf.find("xref\n0 28\n"), std::string::npos);
    ScratchDirectory dir("qv-pdf");
    test::WriteBytes(dir.File("wide.pdf"), pdf);
    CheckedPdfPage(dir.File("wide.pdf"));
    std::string extracted = PdfText(dir.File("wide.pdf"));
    EXPECT_NE(extracted.find(Utf8FromUtf16(wide.substr(200, 60))), std::string::npos);
    EXPECT_NE(extracted.find(std::string(400, 'x')), std::string::npos);
}

// What Poppler paints for a label matches what the raster canvas paints for it.
TEST(SvgToPdf, TextIsDrawnInAnEmbeddedSubsetOfTheMeasuringFont)
{
    const char* label =
        "M\xC3\xBCller & S\xC3\xB6hne (1850) \xE2\x80\xA0 \xC5\x81\xC3\xB3"
        "d\xC5\xBA";
    TScalableVectorGraphics svg;
    svg.Width = 400;
    svg.Height = 60;
    svg.Pen.Width = 0;
    svg.Brush.Color = kBlack;
    svg.Font.Size = 20;
    svg.TextOut(10, 10, label);
    ScratchDirectory dir("qv-pdf");
    SaveSvgAsPdf(svg, dir.File("label.pdf"), kCreator);

    std::string fonts = test::PdfFonts(dir.File("label.pdf"));
    EXPECT_TRUE(std::regex_search(fonts, std::regex("[A-Z]{6}\\+LiberationSans +TrueType +"
                                                    "\\S+ +yes yes yes +16 +0")))
        << fonts;
    EXPECT_NE(PdfText(dir.File("label.pdf")).find(label), std::string::npos);

    // At 96 dpi one page pixel is one SVG pixel.
    QImage page = test::CheckedPdfPageWithoutSystemFonts(dir.File("label.pdf"), 96);
    ASSERT_EQ(page.size(), QSize(400, 60));
    Bitmap raster(400, 60);
    {
        Canvas canvas(raster);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetFont(FontSpec{"Arial", 20});
        canvas.TextOut(10, 10, Utf16FromUtf8(label));
    }
    const QRect box(0, 0, 400, 60);
    int painted = test::DarkPixels(raster.Image(), box), rendered = test::DarkPixels(page, box);
    EXPECT_GT(painted, 400);
    EXPECT_NEAR(rendered, painted, painted / 5);
    // Same place: the ink starts and ends in the same columns, give or take two pixels.
    auto columns = [](const QImage& image) {
        int first = image.width(), last = -1;
        for (int x = 0; x < image.width(); ++x)
            if (test::DarkPixels(image, QRect(x, 0, 1, image.height())) > 0) {
                first = std::min(first, x);
                last = x;
            }
        return std::pair(first, last);
    };
    auto [rasterFirst, rasterLast] = columns(raster.Image());
    auto [pageFirst, pageLast] = columns(page);
    EXPECT_NEAR(pageFirst, rasterFirst, 2);
    EXPECT_NEAR(pageLast, rasterLast, 2);
}

TEST(SvgToPdf, UnreadableNumbersFailWithoutAFile)
{
    TScalableVectorGraphics svg;
    svg.Width = 10;
    svg.Height = 10;
    svg.Add("<circle r=\"-\"/>");
    ScratchDirectory dir("qv-pdf");
    try {
        SaveSvgAsPdf(svg, dir.File("broken.pdf"), kCreator);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "\"-\" ist keine gültige Zahl in \"-\".");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("broken.pdf")));
    svg.Body = {"<text x=\"1\" y=\"1\">unclosed"};
    EXPECT_THROW(SvgToPdf(svg, kCreator), Error);
    // A polygon whose last x has no y once ended the program.
    for (const char* points : {"0", "0,", "0,0 1"}) {
        SCOPED_TRACE(points);
        svg.Body = {std::string("<polygon points=\"") + points + "\"/>"};
        EXPECT_THROW(SvgToPdf(svg, kCreator), Error);
    }
}

}  // namespace
}  // namespace qv
