// The SVG writer: inherited styles, merged paths, element forms and the saved document.
#include "render/scalable_vector_graphics.h"

#include <filesystem>

#include <pugixml.hpp>

#include <gtest/gtest.h>

#include "data/error.h"
#include "xml_check.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

TEST(ScalableVectorGraphics, ElementsInheritTheirGroupsStyle)
{
    TScalableVectorGraphics svg;
    svg.Pen.Color = 0x0000FF;
    svg.Brush.Color = 0xF0F0F0;
    svg.BeginGroup(kSvgStroke | kSvgStrokeWidth | kSvgFill);
    svg.Rectangle(0, 0, 10, 10);
    svg.Pen.Width = 2;
    svg.Circle(5, 0, 3);
    svg.BeginGroup(kSvgStroke | kSvgFill, " id=\"inner\"");  // nothing new to say
    svg.EndGroup();
    svg.EndGroup();
    EXPECT_EQ(svg.Body, (Lines{
                            "<g stroke=\"#F00\" stroke-width=\"1\" fill=\"#F0F0F0\">",
                            "<path d=\"M0 0h10v10h-10z\"/>",
                            "<circle cx=\"5\" r=\"3\" stroke-width=\"2\"/>",
                            "<g id=\"inner\">",
                            "</g>",
                            "</g>",
                        }));
}

TEST(ScalableVectorGraphics, ConsecutivePathsOfOneStyleMerge)
{
    TScalableVectorGraphics svg;
    svg.BeginGroup(kSvgStroke | kSvgStrokeWidth);
    Point a[] = {{0, 0}, {0, 5}, {0, 10}, {4, 10}, {8, 10}, {8, 2}, {8, 6}};
    Point b[] = {{20, 20}, {30, 30}};
    svg.Polyline(a, 6);
    svg.Polyline(b, 1);
    svg.Add("<desc/>");
    svg.Polyline(b, 1);
    svg.Pen.Width = 3;
    svg.Polyline(b, 1);
    svg.MergePaths = false;
    svg.Polyline(b, 1, " id=\"x\"");
    svg.Polyline(a, 0);  // a single point draws nothing
    EXPECT_EQ(svg.Body, (Lines{
                            "<g stroke=\"#000\" stroke-width=\"1\">",
                            "<path d=\"M0 0V10H8V2V6M20 20L30 30\" fill=\"none\"/>",
                            "<desc/>",
                            "<path d=\"M20 20L30 30\" fill=\"none\"/>",
                            "<path d=\"M20 20L30 30\" stroke-width=\"3\" fill=\"none\"/>",
                            "<path d=\"M20 20L30 30\" stroke-width=\"3\" fill=\"none\" id=\"x\"/>",
                        }));
}

TEST(ScalableVectorGraphics, PolylineLeavesOutAnInheritedNoFill)
{
    TScalableVectorGraphics svg;
    svg.Brush.Style = TSVGBrushStyle::Clear;
    svg.BeginGroup(kSvgFill | kSvgStroke | kSvgStrokeWidth);
    Point p[] = {{0, 0}, {3, 4}};
    svg.Polyline(p, 1);
    svg.EndGroup();
    EXPECT_EQ(svg.Body[1], "<path d=\"M0 0L3 4\"/>");
}

TEST(ScalableVectorGraphics, ShapeForms)
{
    TScalableVectorGraphics svg;
    svg.BeginGroup(kSvgStroke | kSvgStrokeWidth | kSvgFill);
    svg.MergePaths = false;
    svg.Rectangle(30, 40, 10, 20);  // corners ordered; the path is shorter than the element
    svg.Ellipse(0, 0, 10, 10);      // a circle
    svg.Ellipse(0, 0, 10, 5);
    svg.Circle(0, 7.5, 2);
    svg.Circle(0, 0, 1);
    Point polygon[] = {{0, 0}, {5, 0}, {5, 0}, {5, 5}};
    svg.Polygon(polygon, 3);
    PointF real[] = {{0.04, 0}, {1.21, 2}, {1.2499, 2.0001}, {0, 2}};
    svg.PolygonF(real, 3, 1);
    svg.RectAsElement = true;
    svg.Rectangle(10, 20, 30, 40);
    EXPECT_EQ(svg.Body, (Lines{
                            "<g stroke=\"#000\" stroke-width=\"1\" fill=\"#FFF\">",
                            "<path d=\"M10 20h20v20h-20z\"/>",
                            "<circle cx=\"5\" cy=\"5\" r=\"5\"/>",
                            "<ellipse cx=\"5\" cy=\"2.5\" rx=\"5\" ry=\"2.5\"/>",
                            "<circle cy=\"7.5\" r=\"2\"/>",
                            "<circle r=\"1\"/>",
                            "<path d=\"M0 0 L5 0 L5 5 z\"/>",
                            "<path d=\"M0 0 L1.2 2 L0 2 z\"/>",
                            "<rect x=\"10\" y=\"20\" width=\"20\" height=\"20\"/>",
                        }));
}

TEST(ScalableVectorGraphics, TextIsEscapedAndPlacedByItsTop)
{
    TScalableVectorGraphics svg;
    EXPECT_EQ(svg.TextHeight(), TextMetrics(FontSpec{}).Height());
    EXPECT_GT(svg.TextWidth("Wilhelm"), svg.TextWidth("Ida"));
    EXPECT_EQ(svg.TextWidth("\xC3"), 0);  // malformed UTF-8 measures as empty
    svg.TextOut(10, 20, "A & B <C> \"D\"");
    svg.TextOut(10, 40, "   ");
    svg.Pen.Width = 0;
    svg.Font.Size = 8;
    svg.TextOut(0, 0, "M\xC3\xBCller\x0E\x01", " id=\"t\"");
    EXPECT_EQ(svg.Body, (Lines{
                            "<text x=\"10\" y=\"34\" font-family=\"Arial\" font-size=\"11pt\" "
                            "stroke=\"#000\" stroke-width=\"1\" fill=\"#FFF\">"
                            "A &amp; B &lt;C&gt; &quot;D&quot;</text>",
                            "<text x=\"0\" y=\"10\" font-family=\"Arial\" font-size=\"8pt\" "
                            "stroke-width=\"0\" fill=\"#FFF\" id=\"t\">M\xC3\xBCller</text>",
                        }));
}

TEST(ScalableVectorGraphics, AnyTextKeepsTheDocumentWellFormed)
{
    struct Case {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"Troyes, & Soissons", "Troyes, &amp; Soissons"},
        {"Proband: <Proband>", "Proband: &lt;Proband&gt;"},
        {"Zeile 1<br>Zeile 2 & mehr", "Zeile 1&lt;br&gt;Zeile 2 &amp; mehr"},
        {"]]> &amp;", "]]&gt; &amp;amp;"},
        {"M\xC3\xBCller\xFF", "M\xC3\xBCller\uFFFD"},  // a stray byte
        {"cut \xE2\x82", "cut \uFFFD\uFFFD"},          // a sequence cut short
        {"\xC0\xAF/", "\uFFFD\uFFFD/"},                // an overlong form
        {"\xEF\xBF\xBE\xEF\xBF\xBFok", "ok"},          // U+FFFE, U+FFFF
        {"tab\there\r\nnext", "tab\therenext"},
    };
    TScalableVectorGraphics svg;
    svg.Width = 100;
    svg.Height = 100;
    svg.Font.Name = "Sans & \"Serif\"";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EscapeSvgText(c.text), c.escaped);
        svg.TextOut(0, 0, c.text);
    }
    EXPECT_EQ(test::XmlReaderError(svg.SaveToString()), "");
    EXPECT_NE(svg.Body[0].find(" font-family=\"Sans &amp; &quot;Serif&quot;\""), std::string::npos);
}

// A group written whole on one line, as a script's empty holder, stays; the group around it
// is not empty and keeps its closing tag.
TEST(ScalableVectorGraphics, OneLineGroupsAreNoOpenGroups)
{
    TScalableVectorGraphics svg;
    svg.BeginGroup(kSvgStroke);
    svg.Add("<g id=\"holder\"></g>");
    svg.EndGroup();
    svg.BeginGroup(kSvgFill);
    svg.Add("<g id=\"other\"/>");
    svg.EndGroup();
    const std::string saved = svg.SaveToString();
    EXPECT_EQ(test::XmlReaderError(saved), "");
    EXPECT_NE(saved.find("<g stroke=\"#000\">\r\n<g id=\"holder\"></g>\r\n</g>\r\n"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("<g id=\"other\"/>\r\n</g>\r\n"), std::string::npos) << saved;
}

TEST(ScalableVectorGraphics, SavedDocumentHeaderAndEmptyGroups)
{
    TScalableVectorGraphics svg;
    svg.Width = 300;
    svg.Height = 200;
    svg.BeginGroup(kSvgStroke);
    svg.BeginGroup(kSvgFill);
    svg.EndGroup();
    svg.EndGroup();
    svg.BeginGroup(0);
    svg.EndGroup();
    svg.Path("M5 5L5 9L8 9");
    std::string saved = svg.SaveToString();
    EXPECT_EQ(saved,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
              "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\r\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\"\r\n"
              "     xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
              "xmlns:ev=\"http://www.w3.org/2001/xml-events\"\r\n"
              "     xml:space=\"preserve\"\r\n"
              "     version=\"1.1\" baseProfile=\"full\"\r\n"
              "     width=\"300px\" height=\"200px\">\r\n"
              "<g transform=\"translate(0.5,0.5)\" stroke-linejoin=\"round\" "
              "stroke-linecap=\"round\">\r\n"
              "<g>\r\n</g>\r\n"
              "<path d=\"M5 5V9H8\" stroke=\"#000\" stroke-width=\"1\" fill=\"#FFF\"/>\r\n"
              "</g>\r\n</svg>\r\n");
    EXPECT_EQ(svg.Body.size(), 7u);  // saving leaves the body alone
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(saved.c_str()));
}

TEST(ScalableVectorGraphics, TrimmedLinesAndAnEmptyDocument)
{
    TScalableVectorGraphics svg;
    svg.TrimLines = true;
    svg.Add("   <desc>x</desc>  ");
    std::string saved = svg.SaveToString();
    EXPECT_NE(saved.find("\r\nwidth=\"0px\" height=\"0px\">\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n<desc>x</desc>\r\n"), std::string::npos);
    TScalableVectorGraphics empty;
    std::string bare = empty.SaveToString();
    // Even the outer group goes when nothing was drawn.
    EXPECT_TRUE(bare.ends_with("height=\"0px\">\r\n</svg>\r\n"));
}

TEST(ScalableVectorGraphics, UnreadablePathDataFailsWithoutAFile)
{
    TScalableVectorGraphics svg;
    svg.Path("M10 10L-");
    std::string file = (std::filesystem::temp_directory_path() / "qv-broken.svg").string();
    std::filesystem::remove(file);
    try {
        svg.SaveToFile(file);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "\"-\" ist keine gültige Zahl in \"M10 10L-\".");
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace qv
