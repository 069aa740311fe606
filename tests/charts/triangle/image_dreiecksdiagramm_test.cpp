// The triangle diagram on small pedigrees: persons, points, numbers, sizes and what is drawn.
#include "charts/triangle/image_dreiecksdiagramm.h"

#include <cmath>

#include <pugixml.hpp>

#include <gtest/gtest.h>

#include "calc/pedigree_builder.h"
#include "charts/svg_chart_painter.h"
#include "charts/tree/tree_drawing_support.h"
#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

// The proband P (the last person) with parents and four grandparents.
struct ThreeGenerations {
    test::PedigreeBuilder b;
    int64_t gf1 = b.Add('M'), gm1 = b.Add('F'), gf2 = b.Add('M'), gm2 = b.Add('F');
    int64_t father = b.Add('M', gf1, gm1), mother = b.Add('F', gf2, gm2);
    int64_t p = b.Add('U', father, mother);
};

TriangleLabels IdLabels(const TAhnenData& data)
{
    TriangleLabels labels;
    labels.PersonLabel = [&data](int64_t person) {
        return TArrayOfString{data.Persons[size_t(person)].Id};
    };
    return labels;
}

pugi::xml_document DrawnSvg(TImage_Dreiecksdiagramm& chart)
{
    TScalableVectorGraphics svg;
    svg.Width = chart.Width;
    svg.Height = chart.Height;
    SvgChartPainter painter(svg, chart.PainterStyle());
    EXPECT_TRUE(chart.Draw(painter, 0));
    return test::ParseSvg(svg);
}

size_t Texts(const pugi::xml_document& svg, const std::string& text)
{
    return svg.select_nodes(("//text[.='" + text + "']").c_str()).size();
}

TEST(TriangleDiagram, ProbandWithoutDescendantsHasNoDescendantTriangle)
{
    ThreeGenerations family;
    const TAhnenData data = family.b.Build();
    TImageSettings settings;
    settings.ProbandIndex = family.p;
    TImage_Dreiecksdiagramm chart(data, settings);
    ASSERT_TRUE(chart.Create({}));
    EXPECT_EQ(chart.PersonCount(), 7);
    EXPECT_EQ(chart.Geometry().Generations(1), 3);
    EXPECT_EQ(chart.Geometry().Generations(-1), 0);
    EXPECT_EQ(chart.Width, 2 * kTriangleMargin + 3 * kTriangleScale);
    EXPECT_EQ(chart.Height, chart.TriangleHeight()) << "no legend without labels";
    const pugi::xml_document svg = DrawnSvg(chart);
    EXPECT_EQ(Texts(svg, "Vorfahren"), 1u);
    EXPECT_EQ(Texts(svg, "Nachfahren"), 0u);
    EXPECT_EQ(Texts(svg, "gbs"), 1u);
    EXPECT_EQ(Texts(svg, "1"), 2u) << "only the ticks: no numbers without labels";
    // The grandfathers share one pixel, as do the grandmothers: one subpath each.
    EXPECT_EQ(test::CountSymbols(svg), 5);
}

// All four grandparents stand at gbs(d) 2, g'b(d) 2: one number beside the point, and the
// legend lists each of them under it.
TEST(TriangleDiagram, EqualPointsShareOneNumberAndTheLegendListsThemAll)
{
    ThreeGenerations family;
    const TAhnenData data = family.b.Build();
    TImageSettings settings;
    settings.ProbandIndex = family.p;
    TImage_Dreiecksdiagramm chart(data, settings);
    ASSERT_TRUE(chart.Create(IdLabels(data)));
    EXPECT_EQ(chart.Numbers(), (std::vector<int32_t>{1, 1, 1, 1, 2, 2, 3}));
    EXPECT_GT(chart.Height, chart.TriangleHeight() + kTriangleMargin);
    const pugi::xml_document svg = DrawnSvg(chart);
    // Beside the point, in the legend, and the two ticks of a generation.
    EXPECT_EQ(Texts(svg, "1"), 1u + 4u + 2u);
    EXPECT_EQ(Texts(svg, "2"), 1u + 2u + 2u);
    EXPECT_EQ(Texts(svg, "3"), 1u + 1u);
    for (const TPerson& person : data.Persons) EXPECT_EQ(Texts(svg, person.Id), 1u);
}

TEST(TriangleDiagram, PersonsBeyondTheLimitsAreLeftOutEverywhere)
{
    ThreeGenerations family;
    const int64_t child = family.b.Add('M', -1, family.p);
    const TAhnenData data = family.b.Build();
    TImageSettings settings;
    settings.ProbandIndex = family.p;
    settings.Triangle.TreeMaxGen = 1;
    settings.Triangle.TreeMaxGenDescendant = 0;
    TImage_Dreiecksdiagramm chart(data, settings);
    ASSERT_TRUE(chart.Create(IdLabels(data)));
    EXPECT_EQ(chart.PersonCount(), 3);
    EXPECT_EQ(chart.Side[family.gf1], 0);
    EXPECT_EQ(chart.Side[child], 0);
    EXPECT_EQ(chart.Geometry().Generations(1), 2);
    const pugi::xml_document svg = DrawnSvg(chart);
    EXPECT_EQ(test::CountSymbols(svg), 3);
    EXPECT_EQ(Texts(svg, data.Persons[family.gf1].Id), 0u);
}

// Parents who are full siblings: each grandparent is reached twice in two steps, so it
// stands at gbs(d) 2, g'b(d) 1, which is the middle of the far edge itself. Its number goes
// to the right instead of along a direction of no length.
TEST(TriangleDiagram, APointOnTheFarEdgeMiddleGetsItsNumberToTheRight)
{
    test::PedigreeBuilder b;
    const int64_t g1 = b.Add('M'), g2 = b.Add('F');
    const int64_t father = b.Add('M', g1, g2), mother = b.Add('F', g1, g2);
    const int64_t p = b.Add('F', father, mother);
    const TAhnenData data = b.Build();
    TImageSettings settings;
    settings.ProbandIndex = p;
    TImage_Dreiecksdiagramm chart(data, settings);
    ASSERT_TRUE(chart.Create(IdLabels(data)));
    ASSERT_EQ(chart.Points()[0].b, 2.0f);
    ASSERT_EQ(chart.Points()[0].h, 1.0f);
    const Point at = chart.Geometry().Place(1, 1, 2);
    const pugi::xml_document svg = DrawnSvg(chart);
    const int lineHeight = chart.LineHeight();
    int beside = 0;
    for (const pugi::xpath_node& text : svg.select_nodes("//text[.='1']")) {
        const pugi::xml_node node = text.node();
        beside += node.attribute("x").as_int() == at.x + settings.Symbol.Radius + 2 &&
                  node.attribute("y").as_int() > at.y - lineHeight / 2 &&
                  node.attribute("y").as_int() <= at.y + lineHeight / 2;
    }
    EXPECT_EQ(beside, 1);
}

TEST(TriangleDiagram, RefusesWithoutProbandOrSelection)
{
    ThreeGenerations family;
    const TAhnenData data = family.b.Build();
    TImageSettings settings;
    TImage_Dreiecksdiagramm none(data, settings);
    test::ExpectError([&] { none.Create({}); }, "Kein Proband gewählt!");
    settings.ProbandIndex = family.p;
    settings.Triangle.TreeType = 2;
    TImage_Dreiecksdiagramm empty(data, settings);
    test::ExpectError([&] { empty.Create({}); }, "Keine Personen in der Liste zum Anzeigen!");
}

// A line of 70 generations: the engine follows paths only so far, and the ancestors it
// cannot place are neither drawn nor counted.
TEST(TriangleDiagram, PersonsWithoutAValueAreLeftOutAndNotCounted)
{
    test::PedigreeBuilder b;
    int64_t person = b.Add('M');
    for (int i = 0; i < 70; ++i) person = b.Add('M', person);
    const TAhnenData data = b.Build();
    TImageSettings settings;
    settings.ProbandIndex = person;
    TImage_Dreiecksdiagramm chart(data, settings);
    ASSERT_TRUE(chart.Create({}));
    for (const TrianglePoint& point : chart.Points()) {
        EXPECT_TRUE(std::isfinite(point.b) && std::isfinite(point.h)) << point.person;
        EXPECT_EQ(point.b, point.h) << "a single line has gbs(d) = g'b(d)";
    }
    int shown = 0;
    for (int8_t side : chart.Side) shown += side != 0 ? 1 : 0;
    EXPECT_EQ(chart.PersonCount(), shown);
    EXPECT_LE(chart.PersonCount(), 71);
    EXPECT_GE(chart.PersonCount(), 60);
    const pugi::xml_document svg = DrawnSvg(chart);
    EXPECT_EQ(test::CountSymbols(svg), chart.PersonCount());
}

}  // namespace
}  // namespace qv
