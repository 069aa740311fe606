// Drawing the descendant tree: every descendant but the proband, whom the ancestor chart draws.
#include <gtest/gtest.h>

#include "charts/raster_chart_painter.h"
#include "charts/svg_chart_painter.h"
#include "charts/tree/image_nachfahren.h"
#include "charts/tree/tree_drawing_support.h"
#include "charts/tree/tree_fixture.h"
#include "render/color.h"

namespace qv {
namespace {

// P and X have the children K1 and K2; K1 has a daughter G.
const std::string kFamily = test::MakeGedcom(
    {"P", "X", "K1", "K2", "G"}, {{"F1", "P", "X", {"K1", "K2"}}, {"F2", "K1", "", {"G"}}});

TEST(DescendantDrawing, SvgLeavesTheProbandToTheAncestorChart)
{
    TAhnenData data = test::DataFromGedcom(kFamily);
    TImageSettings settings = test::TreeSettings(data, "P");
    settings.FontStayOnTop = true;
    TImage_Nachfahren chart(data, settings);
    ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
    TScalableVectorGraphics svg;
    SvgChartPainter painter(svg, chart.PainterStyle());
    ASSERT_TRUE(chart.Draw(painter, {5, 5}));
    pugi::xml_document document = test::ParseSvg(svg);
    // K1, K2 and G; every label line with its halo copy.
    EXPECT_EQ(test::CountSymbols(document), 3);
    EXPECT_EQ(document.select_nodes("//text").size(), 6u);
    EXPECT_TRUE(document.select_nodes("//text[.='P']").empty());
}

TEST(DescendantDrawing, BitmapShowsDescendantsAndHighlight)
{
    TAhnenData data = test::DataFromGedcom(kFamily);
    TImageSettings settings = test::TreeSettings(data, "P");
    settings.Tree.BackgroundColored = true;
    TImage_Nachfahren chart(data, settings);
    ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
    const int64_t g = test::Person(data, "G"), k1 = test::Person(data, "K1");
    chart.SetHighlighted(g);
    EXPECT_EQ(chart.LabelBackground(g), kHighlightColor);
    EXPECT_EQ(chart.LabelBackground(k1), kGenerationBandColor);
    EXPECT_EQ(chart.LabelBackground(test::Person(data, "P")), kWhite);
    Bitmap bitmap(chart.Width, chart.Height);
    RasterChartPainter painter(bitmap, chart.PainterStyle());
    ASSERT_TRUE(chart.Draw(painter, {0, 0}));
    Point at = chart.PositionOf(g);
    EXPECT_EQ(bitmap.Pixel(at.x, at.y), RgbColor(0, 128, 0));
    // The proband's point stays empty: the ancestor chart draws it.
    at = chart.PositionOf(test::Person(data, "P"));
    EXPECT_EQ(bitmap.Pixel(at.x, at.y), kWhite);
}

// Strangers come first in the file, so that the descendants' person numbers exceed the
// number of tree nodes; the progress must still run from 0 towards its maximum and stop
// drawing when cancelled.
TEST(DescendantDrawing, SymbolProgressStaysWithinItsMaximumAndCancels)
{
    TAhnenData data = test::DataFromGedcom(test::MakeGedcom(
        {"S1", "S2", "S3", "S4", "S5", "S6", "P", "X", "K1", "K2", "G"},
        {{"F1", "P", "X", {"K1", "K2"}}, {"F2", "K1", "", {"G"}}}));
    TImageSettings settings = test::TreeSettings(data, "P");
    for (bool cancel : {false, true}) {
        SCOPED_TRACE(cancel);
        std::vector<std::pair<int64_t, int64_t>> steps;
        TImage_Nachfahren chart(data, settings, [&](const std::string& text, int64_t at,
                                                    int64_t maximum) {
            if (text != "Nachfahren: Zeichne Symbole") return false;
            steps.emplace_back(at, maximum);
            return cancel && steps.size() == 2;
        });
        ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
        TScalableVectorGraphics svg;
        SvgChartPainter painter(svg, chart.PainterStyle());
        EXPECT_EQ(chart.Draw(painter, {0, 0}), !cancel);
        ASSERT_EQ(steps.size(), cancel ? 2u : 3u);
        for (size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ(steps[i].first, int64_t(i));
            EXPECT_LT(steps[i].first, steps[i].second);
        }
        // A cancelled layer still closes its groups: the document stays well formed.
        pugi::xml_document document = test::ParseSvg(svg);
        EXPECT_EQ(test::CountSymbols(document), cancel ? 1 : 3);
    }
}

}  // namespace
}  // namespace qv
