// Drawing the ancestor chart: one symbol per ancestor, labels under the symbols.
#include <gtest/gtest.h>

#include "charts/raster_chart_painter.h"
#include "charts/svg_chart_painter.h"
#include "charts/tree/image_vorfahren.h"
#include "charts/tree/tree_drawing_support.h"
#include "charts/tree/tree_fixture.h"
#include "render/color.h"

namespace qv {
namespace {

// I4 is I1's grandfather twice (see the layout tests); I8 has no known sex.
const std::string kHalfBrotherDrawing =
    test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "I7", "I8"}, {{"F1", "I2", "I3", {"I1"}},
                                                                        {"F2", "I4", "I5", {"I2"}},
                                                                        {"F3", "I6", "I7", {"I3"}},
                                                                        {"F4", "I4", "", {"I6"}}});

TEST(AncestorDrawing, SvgHoldsEachAncestorOnceWithItsLabel)
{
    TAhnenData data = test::DataFromGedcom(kHalfBrotherDrawing);
    for (bool stayOnTop : {false, true}) {
        SCOPED_TRACE(stayOnTop);
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.FontStayOnTop = stayOnTop;
        TImage_Vorfahren chart(data, settings);
        ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
        TScalableVectorGraphics svg;
        svg.Width = chart.Width;
        svg.Height = chart.Height;
        SvgChartPainter painter(svg, chart.PainterStyle());
        ASSERT_TRUE(chart.Draw(painter, {0, 0}));
        pugi::xml_document document = test::ParseSvg(svg);
        EXPECT_EQ(test::CountSymbols(document), 7);
        // Every label once; with the halo a label crossed by a line is written twice.
        int texts = int(document.select_nodes("//text").size());
        if (stayOnTop)
            EXPECT_GT(texts, 7);
        else
            EXPECT_EQ(texts, 7);
        EXPECT_EQ(document.select_nodes("//text[.='I4']").size() >= 1, true);
    }
}

TEST(AncestorDrawing, BitmapShowsSymbolsInTheirSexColoursAtTheirPoints)
{
    TAhnenData data = test::DataFromGedcom(kHalfBrotherDrawing);
    for (uint8_t alignment : {1, 2}) {
        for (bool antialiased : {false, true}) {
            SCOPED_TRACE(testing::Message() << int(alignment) << " " << antialiased);
            TImageSettings settings = test::TreeSettings(data, "I1");
            settings.Tree.Alignment = alignment;
            settings.Tree.Antialiasing = antialiased;
            TImage_Vorfahren chart(data, settings);
            ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
            Bitmap bitmap(chart.Width + 20, chart.Height + 10);
            RasterChartPainter painter(bitmap, chart.PainterStyle());
            ASSERT_TRUE(chart.Draw(painter, {20, 10}));
            auto colourAt = [&](const std::string& id) {
                Point p = chart.OrientPoint(chart.PositionOf(test::Person(data, id)));
                return bitmap.Pixel(p.x + 20, p.y + 10);
            };
            EXPECT_EQ(colourAt("I4"), RgbColor(0, 0, 255));
            EXPECT_EQ(colourAt("I5"), RgbColor(255, 0, 0));
            EXPECT_EQ(colourAt("I1"), RgbColor(0, 128, 0));
        }
    }
}

TEST(AncestorDrawing, CancelStopsDrawing)
{
    TAhnenData data = test::DataFromGedcom(kHalfBrotherDrawing);
    TImageSettings settings = test::TreeSettings(data, "I1");
    std::vector<std::string> texts;
    TImage_Vorfahren chart(data, settings, [&](const std::string& text, int64_t, int64_t) {
        texts.push_back(text);
        return text == "Vorfahren: Zeichne Symbole und Text";
    });
    ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
    Bitmap bitmap(chart.Width, chart.Height);
    RasterChartPainter painter(bitmap, chart.PainterStyle());
    EXPECT_FALSE(chart.Draw(painter, {0, 0}));
    EXPECT_EQ(texts.front(), "Vorfahren: Zeichne Linien");
    EXPECT_EQ(texts.back(), "Vorfahren: Zeichne Symbole und Text");
}

}  // namespace
}  // namespace qv
