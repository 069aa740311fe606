// One test picture through every output: PNG, BMP, SVG, HTML and PDF. Set QV_TEST_PICTURE_DIR
// to keep the files for looking at them.
#include <cstdlib>
#include <filesystem>
#include <numbers>

#include <pugixml.hpp>

#include <QImage>

#include <gtest/gtest.h>

#include "../render/pdf_tools.h"
#include "charts/chart_common.h"
#include "data/atomic_file.h"
#include "render/bitmap_file.h"
#include "render/bitmap_line.h"
#include "render/rotated_text.h"
#include "render/svg_to_pdf.h"

namespace qv {
namespace {

constexpr int kWidth = 560;
constexpr int kRowY = 70;
constexpr int kBarY = 150;
const std::vector<std::pair<char, int>> kPersons = {
    {'M', 0}, {'F', 0}, {'U', 0}, {'U', 1}, {'U', 2}, {'U', 3}};

int PersonX(size_t i) { return 60 + int(i) * 85; }

// Lines from every symbol down to a bar through all their feet, and a later diagonal that
// crosses them without a common point.
TBitmapLine Lines(int top)
{
    TBitmapLine lines(kWidth, 300);
    std::vector<Point> bar;
    for (size_t i = 0; i < kPersons.size(); ++i) bar.push_back({PersonX(i), top + kBarY});
    lines.AddLine(bar);
    for (size_t i = 0; i < kPersons.size(); ++i)
        lines.AddSegment({PersonX(i), top + kRowY + 8}, {PersonX(i), top + kBarY});
    lines.AddSegment({20, top + 110}, {kWidth - 20, top + 200});
    return lines;
}

class TestPicture : public TImage_Common {
public:
    TestPicture(const TAhnenData& data, const TImageSettings& settings)
        : TImage_Common(ChartClass::Ancestors, data, settings)
    {
    }

    Bitmap DrawBitmap()
    {
        CommentHeights comments = MeasureComments(CommentKind::TreeChart, kWidth);
        int top = comments.header;
        Bitmap bitmap(kWidth, top + 260 + comments.footer);
        {
            Canvas canvas(bitmap);
            canvas.SetBrush(kGenerationBandColor);
            canvas.SetPen(kGenerationBandColor);
            canvas.FillRect(0, top + 40, kWidth, top + 130);
            TBitmapLine lines = Lines(top);
            EXPECT_TRUE(lines.Draw(bitmap, 0, 0, Settings.Tree.Antialiasing));
            canvas.SetBrushStyle(BrushStyle::Clear);
            for (size_t i = 0; i < kPersons.size(); ++i) {
                DrawSymbol(canvas, kPersons[i].first, kPersons[i].second, PersonX(i), top + kRowY);
                DrawLabelLine(canvas, PersonX(i) - 25, top + kRowY + 10, kGenerationBandColor,
                              "M\xC3\xBCller");
                DrawLabelLine(canvas, PersonX(i) - 25, top + kRowY + 10 + LineHeight(),
                              kGenerationBandColor, "*1850\x0E" "2\x0F");
            }
            canvas.SetFont(ChartFont());
            DrawRotatedText(canvas, u"Generation", {20, top + 85}, kGenerationBandColor,
                            -std::numbers::pi / 2);
        }
        DrawComments(bitmap, CommentKind::TreeChart, kWidth, comments.header, comments.footer);
        return bitmap;
    }

    TScalableVectorGraphics DrawSvg(bool pdf)
    {
        CommentHeights comments = pdf ? CommentHeights{} : MeasureComments(CommentKind::TreeChart, kWidth);
        int top = comments.header;
        TScalableVectorGraphics svg;
        svg.PdfTarget = pdf;
        svg.Width = kWidth;
        svg.Height = top + 260 + comments.footer;
        svg.Font.Size = Settings.FontSize;
        svg.Pen.Color = svg.Brush.Color = kGenerationBandColor;
        svg.BeginGroup(kSvgFill | kSvgStroke);
        svg.Rectangle(0, top + 40, kWidth, top + 130);
        svg.EndGroup();
        TBitmapLine lines = Lines(top);
        EXPECT_TRUE(lines.DrawSVG(svg, 0, 0));
        svg.Brush.Color = kBlack;
        svg.BeginGroup(kSvgFill | kSvgFontFamily | kSvgFontSize);
        for (size_t i = 0; i < kPersons.size(); ++i) {
            DrawLabelLineSvg(svg, PersonX(i) - 25, top + kRowY + 10, kGenerationBandColor,
                             "M\xC3\xBCller");
            DrawLabelLineSvg(svg, PersonX(i) - 25, top + kRowY + 10 + LineHeight(),
                             kGenerationBandColor, "*1850\x0E" "2\x0F");
        }
        svg.Pen.Width = 0;
        svg.Add("<g transform=\"rotate(-90,20," + std::to_string(top + 85) + ")\">");
        svg.TextOut(20 - svg.TextWidth("Generation") / 2, top + 85 - LineHeight() / 2, "Generation");
        svg.Add("</g>");
        svg.EndGroup();
        for (size_t i = 0; i < kPersons.size(); ++i)
            DrawSymbolSvg(svg, kPersons[i].first, "", kPersons[i].second, PersonX(i), top + kRowY);
        WriteCommentsSvg(svg, CommentKind::TreeChart, comments.header, comments.footer);
        return svg;
    }
};

TImageSettings PictureSettings()
{
    TImageSettings settings;
    settings.FontSize = 11;
    settings.FontStayOnTop = true;
    settings.Tree.Antialiasing = true;
    settings.Tree.CommentHeadline = true;
    settings.Tree.CommentHeader = true;
    settings.Tree.CommentFooter = true;
    settings.CommentHeadlineText = {"<b>Testbild</b> der Ahnentafel"};
    settings.CommentHeaderText = {"<p>Kopfzeile mit <i>HTML</i></p>"};
    settings.CommentFooterText = {"<p>Fu\xC3\x9Fzeile: erstellt mit Quilvane</p>"};
    return settings;
}

std::string OutputDirectory(const test::ScratchDirectory& scratch)
{
    const char* keep = std::getenv("QV_TEST_PICTURE_DIR");
    if (!keep) return scratch.File("");
    std::filesystem::create_directories(keep);
    return keep;
}

TEST(TestPicture, EveryOutputOfOnePicture)
{
    test::ScratchDirectory scratch("qv-picture");
    std::string dir = OutputDirectory(scratch) + "/";
    TAhnenData data;
    TImageSettings settings = PictureSettings();
    TestPicture picture(data, settings);

    Bitmap bitmap = picture.DrawBitmap();
    SaveChartBitmap(dir + "testbild.png", bitmap);
    SaveChartBitmap(dir + "testbild.bmp", bitmap);
    QImage png(QString::fromStdString(dir + "testbild.png"));
    EXPECT_EQ(png.size(), QSize(bitmap.Width(), bitmap.Height()));
    EXPECT_TRUE(png == QImage(QString::fromStdString(dir + "testbild.bmp")));

    TScalableVectorGraphics svg = picture.DrawSvg(false);
    svg.SaveToFile(dir + "testbild.svg");
    pugi::xml_document document;
    EXPECT_TRUE(document.load_file((dir + "testbild.svg").c_str()));

    TImageSettings plain;
    plain.Assign(settings);
    plain.Tree.CommentHeadline = plain.Tree.CommentHeader = plain.Tree.CommentFooter = false;
    TestPicture bare(data, plain);
    std::string page;
    for (const std::string& line :
         BuildHtmlPage(bare.DrawSvg(false), data, CommentKind::TreeChart, settings))
        page += line + "\r\n";
    WriteFileAtomically(dir + "testbild.html", page);
    EXPECT_NE(page.find("<p>Kopfzeile mit <i>HTML</i></p>\r\n<svg "), std::string::npos);

    SaveSvgAsPdf(bare.DrawSvg(true), dir + "testbild.pdf", "Quilvane 0.1.0.0 by Veldrin");
    QImage page1 = test::CheckedPdfPage(dir + "testbild.pdf", 96);
    EXPECT_EQ(page1.width(), kWidth * 3 / 4 * 96 / 72);
    std::string text = test::PdfText(dir + "testbild.pdf");
    EXPECT_NE(text.find("M\xC3\xBCller"), std::string::npos) << text;
    EXPECT_NE(text.find("Generation"), std::string::npos) << text;
}

}  // namespace
}  // namespace qv
