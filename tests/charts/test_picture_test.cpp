// A test chart of its own, drawn once through the painter interface: every output format,
// and the picture and the document read back showing the same symbols and texts. Set
// QV_TEST_PICTURE_DIR to keep the files for looking at them.
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <sstream>

#include <pugixml.hpp>

#include <QImage>

#include <gtest/gtest.h>

#include "../render/pdf_tools.h"
#include "charts/chart_common.h"
#include "charts/person_symbol.h"
#include "charts/raster_chart_painter.h"
#include "charts/svg_chart_painter.h"
#include "data/atomic_file.h"
#include "render/bitmap_file.h"
#include "render/svg_numbers.h"
#include "render/svg_to_pdf.h"

namespace qv {
namespace {

constexpr int kWidth = 560;
constexpr int kRowY = 70;
constexpr int kBarY = 150;
const Point kCaption{20, 85};
struct Person {
    char sex;
    SymbolDirection direction;
};
const std::vector<Person> kPersons = {{'M', SymbolDirection::Down},  {'F', SymbolDirection::Down},
                                      {'U', SymbolDirection::Down},  {'U', SymbolDirection::Up},
                                      {'U', SymbolDirection::Right}, {'U', SymbolDirection::Left}};
const TArrayOfString kLabel = {"M\xC3\xBCller",
                               "*1850\x0E"
                               "2\x0F"};

int PersonX(size_t i)
{
    return 60 + int(i) * 85;
}

// Lines from every symbol down to a bar through all their feet, and a later diagonal that
// crosses them without a common point.
TBitmapLine FeetLines()
{
    TBitmapLine lines(kWidth, 300);
    std::vector<Point> bar;
    for (size_t i = 0; i < kPersons.size(); ++i) bar.push_back({PersonX(i), kBarY});
    lines.AddLine(bar);
    for (size_t i = 0; i < kPersons.size(); ++i)
        lines.AddSegment({PersonX(i), kRowY + 8}, {PersonX(i), kBarY});
    lines.AddSegment({20, 110}, {kWidth - 20, 200});
    return lines;
}

class TestPicture : public TImage_Common {
public:
    TestPicture(const TAhnenData& data, const TImageSettings& settings)
        : TImage_Common(ChartClass::Ancestors, data, settings)
    {
    }

    Point SymbolPoint(size_t i) const { return {PersonX(i), m_top + kRowY}; }
    Point LabelPoint(size_t i, size_t line) const
    {
        return {PersonX(i) - 25, m_top + kRowY + 10 + int(line) * LineHeight()};
    }
    Point CaptionPoint() const { return {kCaption.x, m_top + kCaption.y}; }

    Bitmap DrawBitmap()
    {
        const CommentHeights comments = MeasureComments(CommentKind::TreeChart, kWidth);
        Bitmap bitmap(kWidth, comments.header + 260 + comments.footer);
        RasterChartPainter painter(bitmap, PainterStyle());
        Draw(painter, comments);
        return bitmap;
    }

    TScalableVectorGraphics DrawSvg(bool pdf)
    {
        const CommentHeights comments =
            pdf ? CommentHeights{} : MeasureComments(CommentKind::TreeChart, kWidth);
        TScalableVectorGraphics svg;
        svg.PdfTarget = pdf;
        svg.Width = kWidth;
        svg.Height = comments.header + 260 + comments.footer;
        SvgChartPainter painter(svg, PainterStyle());
        Draw(painter, comments);
        return svg;
    }

private:
    void Draw(ChartPainter& painter, CommentHeights comments)
    {
        m_top = comments.header;
        const TColor band = kGenerationBandColor;
        painter.BeginGroup(GroupStyle().Stroke(band, 1).Fill(band));
        painter.Rectangle({0, m_top + 40}, {kWidth, m_top + 130}, {band, band, 1});
        painter.EndGroup();
        EXPECT_TRUE(painter.Lines(FeetLines(), {0, m_top}));
        painter.BeginGroup(GroupStyle().StrokeWidth(0).Fill(kBlack).Font());
        for (size_t i = 0; i < kPersons.size(); ++i)
            for (size_t k = 0; k < kLabel.size(); ++k)
                painter.LabelLine(LabelPoint(i, k), band, kLabel[k]);
        painter.RotatedText(CaptionPoint(), "Generation", kBlack, band, -std::numbers::pi / 2);
        painter.EndGroup();
        painter.BeginSymbols();
        for (size_t i = 0; i < kPersons.size(); ++i) {
            SymbolMark mark;
            mark.sex = kPersons[i].sex;
            mark.direction = kPersons[i].direction;
            mark.at = SymbolPoint(i);
            mark.attributes = " id=\"p" + std::to_string(i) + "\"";
            painter.Symbol(mark);
        }
        painter.EndSymbols();
        DrawComments(painter, CommentKind::TreeChart, kWidth, comments);
    }

    int m_top = 0;
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
    EXPECT_EQ(document.select_nodes("//*[@id='p4']").size(), 1u);

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

// A person symbol as the document has it: its stroke colour, centre, and points inside it.
struct ReadSymbol {
    std::string stroke;
    Point centre;
    std::vector<Point> inside;
};

// The points a path visits, for the commands the writer uses: M, L, H, V (absolute or
// relative) and Z.
std::vector<Point> PathPoints(const std::string& data)
{
    std::vector<Point> points;
    Point at;
    size_t i = 0;
    auto number = [&] {
        while (i < data.size() && (data[i] == ' ' || data[i] == ',')) ++i;
        size_t used = 0;
        const int value = std::stoi(data.substr(i), &used);
        i += used;
        return value;
    };
    char command = 'M';
    while (i < data.size()) {
        if (std::isalpha(static_cast<unsigned char>(data[i]))) command = data[i++];
        if (command == 'Z' || command == 'z') break;
        const bool relative = std::islower(static_cast<unsigned char>(command));
        const Point base = relative ? at : Point{};
        switch (std::toupper(static_cast<unsigned char>(command))) {
            case 'H':
                at.x = base.x + number();
                break;
            case 'V':
                at.y = base.y + number();
                break;
            default:
                at.x = base.x + number();
                at.y = base.y + number();
        }
        points.push_back(at);
        while (i < data.size() && data[i] == ' ') ++i;
    }
    return points;
}

// Two thirds of the way from each corner to the centre: inside any of the symbol shapes,
// also where smoothing blends their rims.
std::vector<Point> TowardsCentre(const std::vector<Point>& corners, Point centre)
{
    std::vector<Point> inside;
    for (Point c : corners)
        inside.push_back({c.x + (centre.x - c.x) * 2 / 3, c.y + (centre.y - c.y) * 2 / 3});
    return inside;
}

ReadSymbol ReadShape(const pugi::xml_node& shape, int radius)
{
    const std::string name = shape.name();
    ReadSymbol symbol{shape.parent().attribute("stroke").value(), {}, {}};
    std::vector<Point> corners;
    if (name == "circle") {
        symbol.centre = {shape.attribute("cx").as_int(), shape.attribute("cy").as_int()};
    } else if (name == "rect") {
        const int x = shape.attribute("x").as_int(), y = shape.attribute("y").as_int();
        const int w = shape.attribute("width").as_int(), h = shape.attribute("height").as_int();
        symbol.centre = {x + w / 2, y + h / 2};
        corners = {{x, y}, {x + w, y}, {x, y + h}, {x + w, y + h}};
    } else {
        corners = PathPoints(shape.attribute("d").value());
        if (corners.size() == 2 && corners[0] == corners[1]) {
            // A filled square or disc: a wide stroke of no length.
            symbol.centre = corners[0];
            corners.clear();
        } else {
            int left = INT32_MAX, right = INT32_MIN, top = INT32_MAX, bottom = INT32_MIN;
            for (Point c : corners) {
                left = std::min(left, c.x), right = std::max(right, c.x);
                top = std::min(top, c.y), bottom = std::max(bottom, c.y);
            }
            symbol.centre = {(left + right) / 2, (top + bottom) / 2};
        }
    }
    if (corners.empty())
        for (Point d : {Point{-1, -1}, Point{1, -1}, Point{-1, 1}, Point{1, 1}})
            corners.push_back({symbol.centre.x + d.x * radius, symbol.centre.y + d.y * radius});
    symbol.inside = TowardsCentre(corners, symbol.centre);
    symbol.inside.push_back(symbol.centre);
    return symbol;
}

// Text elements outside the rotated caption, as "x y size text", halos left out.
std::vector<std::string> ReadTexts(const pugi::xml_document& document, std::string_view font)
{
    std::vector<std::string> texts;
    for (pugi::xpath_node hit : document.select_nodes("//text[not(@stroke)]")) {
        pugi::xml_node text = hit.node();
        if (std::string(text.parent().attribute("transform").value()).starts_with("rotate"))
            continue;
        std::string size = text.attribute("font-size").value();
        std::ostringstream line;
        line << text.attribute("x").value() << ' ' << text.attribute("y").value() << ' '
             << (size.empty() ? font : size) << ' ' << text.text().get();
        texts.push_back(line.str());
    }
    return texts;
}

// Dark pixels in the box: where the picture has ink.
int Ink(const Bitmap& bitmap, Point from, int width, int height)
{
    int ink = 0;
    for (int y = from.y; y < from.y + height; ++y)
        for (int x = from.x; x < from.x + width; ++x) {
            const TColor c = bitmap.Pixel(x, y);
            ink += ColorRed(c) < 100 && ColorGreen(c) < 100 && ColorBlue(c) < 100;
        }
    return ink;
}

TEST(TestPicture, PictureAndDocumentShowTheSameChart)
{
    for (bool smooth : {false, true}) {
        SCOPED_TRACE(smooth);
        TAhnenData data;
        TImageSettings settings = PictureSettings();
        settings.Tree.Antialiasing = smooth;
        TestPicture picture(data, settings);
        const Bitmap bitmap = picture.DrawBitmap();
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(picture.DrawSvg(false).SaveToString().c_str()));

        // Every symbol at the same point, in the same colour, the same shape on both sides.
        const int r = settings.Symbol.Radius;
        std::vector<ReadSymbol> symbols;
        for (const char* stroke : {"#00F", "#F00", "#008000"})
            for (pugi::xpath_node shape :
                 document.select_nodes(("//g[@stroke='" + std::string(stroke) + "']/*").c_str()))
                symbols.push_back(ReadShape(shape.node(), r));
        ASSERT_EQ(symbols.size(), kPersons.size());
        for (size_t i = 0; i < kPersons.size(); ++i) {
            SCOPED_TRACE(i);
            const Point at = picture.SymbolPoint(i);
            const TColor colour = SexColor(kPersons[i].sex);
            auto read = std::find_if(symbols.begin(), symbols.end(),
                                     [&](const ReadSymbol& s) { return s.centre == at; });
            ASSERT_NE(read, symbols.end());
            EXPECT_EQ(read->stroke, ColorText(colour));
            for (Point p : read->inside) EXPECT_EQ(bitmap.Pixel(p.x, p.y), colour);
        }

        // The same label texts at the same places, each with ink under it in the picture.
        const std::string font = std::to_string(settings.FontSize) + "pt";
        const int baseline = FontPixelHeight(settings.FontSize) - 1;
        const int smallSize = 2 * settings.FontSize / 3;
        const TextMetrics normal(picture.ChartFont()), small(picture.ChartFont(true));
        std::vector<std::string> expected;
        for (size_t i = 0; i < kPersons.size(); ++i) {
            const Point name = picture.LabelPoint(i, 0), year = picture.LabelPoint(i, 1);
            const int sup = year.x + normal.Width(u"*1850");
            expected.push_back(std::to_string(name.x) + " " + std::to_string(name.y + baseline) +
                               " " + font + " M\xC3\xBCller");
            expected.push_back(std::to_string(year.x) + " " + std::to_string(year.y + baseline) +
                               " " + font + " *1850");
            expected.push_back(std::to_string(sup) + " " +
                               std::to_string(year.y + FontPixelHeight(smallSize) - 1) + " " +
                               std::to_string(smallSize) + "pt 2");
            EXPECT_GT(Ink(bitmap, name, normal.Width(u"M\u00FCller"), normal.Height()), 10);
            EXPECT_GT(Ink(bitmap, year, normal.Width(u"*1850"), normal.Height()), 10);
            EXPECT_GT(Ink(bitmap, {sup, year.y}, small.Width(u"2"), small.Height()), 2);
        }
        EXPECT_EQ(ReadTexts(document, font), expected);

        // The caption turned upright: ink far above its centre, where level text has none.
        const Point caption = picture.CaptionPoint();
        const std::string rotate =
            "rotate(-90," + std::to_string(caption.x) + "," + std::to_string(caption.y) + ")";
        EXPECT_EQ(
            document.select_nodes(("//g[@transform='" + rotate + "']/text[.='Generation']").c_str())
                .size(),
            1u);
        const int tall = normal.Width(u"Generation"), wide = normal.Height();
        EXPECT_GT(Ink(bitmap, {caption.x - wide / 2, caption.y - tall / 2}, wide, tall / 4), 10);
    }
}

}  // namespace
}  // namespace qv
