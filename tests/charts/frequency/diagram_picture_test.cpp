// The frequency picture: curves and markers where the numbers put them, in every format.
#include "charts/frequency/diagram_picture.h"

#include <cctype>
#include <sstream>

#include <QImage>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "charts/frequency/diagram_fixture.h"
#include "charts/frequency/image_diagramm.h"
#include "data/error.h"
#include "render/pdf_tools.h"
#include "render/svg_numbers.h"

namespace qv {
namespace {

// The absolute points of path data made of M, L, H and V commands, absolute or relative.
std::vector<PointF> PathPoints(const std::string& data)
{
    std::vector<PointF> points;
    std::istringstream in(data);
    PointF at;
    char command = 0;
    while (in >> std::ws && in.peek() != EOF) {
        if (std::isalpha(in.peek())) in >> command;
        const bool relative = std::islower(command);
        double x = 0, y = 0;
        switch (std::toupper(command)) {
            case 'M':
            case 'L':
                in >> x;
                if (in.peek() == ',') in.get();
                in >> y;
                at = relative ? PointF{at.x + x, at.y + y} : PointF{x, y};
                break;
            case 'H':
                in >> x;
                at.x = relative ? at.x + x : x;
                break;
            case 'V':
                in >> y;
                at.y = relative ? at.y + y : y;
                break;
            default:
                ADD_FAILURE() << "unexpected command " << command;
                return points;
        }
        points.push_back(at);
    }
    return points;
}

class DiagramPicture : public testing::Test {
protected:
    void SetUp() override
    {
        m_settings.ProbandIndex = 7;
        for (int64_t p : {0, 6, 8}) m_settings.SetSelected(p, true);
        m_diagram = *CollectDiagramData(m_calc, m_settings);
    }

    TAhnenData m_data = test::CollapsedPedigree();
    TCalcClass m_calc{m_data};
    TImageSettings m_settings;
    DiagramData m_diagram;
};

TEST_F(DiagramPicture, SvgHasOneCurvePerPersonWithACurvePeakingAtItsMean)
{
    const std::string text = DiagramSvg(m_data, m_settings, m_diagram).SaveToString();
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(text.c_str())) << text;
    pugi::xpath_node_set curves = svg.select_nodes("//g[@class='curve']");
    ASSERT_EQ(curves.size(), 1u) << "only Alt's counts spread over two generations";
    pugi::xml_node curve = curves.first().node();
    EXPECT_EQ(std::string(curve.attribute("stroke").value()), ColorText(DiagramColor(1, 3)));
    std::vector<PointF> points = PathPoints(curve.child("path").attribute("d").value());
    ASSERT_GT(points.size(), 20u);
    // The rounded curve is flat at its top for a few points: the middle of them is the peak.
    const double topY = std::min_element(points.begin(), points.end(), [](PointF a, PointF b) {
                            return a.y < b.y;
                        })->y;
    double left = 1e9, right = -1e9;
    for (const PointF& point : points)
        if (point.y == topY) left = std::min(left, point.x), right = std::max(right, point.x);
    TImage_Diagramm chart(m_data, m_settings, m_diagram);
    const Point peak = chart.At(2.5, m_diagram.persons[0].curve->At(2.5));
    EXPECT_NEAR((left + right) / 2, peak.x, 2);
    EXPECT_NEAR(topY, peak.y, 1);
    // Every occurrence is marked: Alt's two, the mother's one; the stranger's group is empty
    // and left out of the document.
    pugi::xpath_node_set counts = svg.select_nodes("//g[@class='counts']");
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_EQ(std::distance(counts[0].node().begin(), counts[0].node().end()), 2);
    EXPECT_EQ(std::distance(counts[1].node().begin(), counts[1].node().end()), 1);
    for (const char* text : {"Alt, Anton", "Mutter, Gerda", "Fremd, Ida", "Generation",
                             "Vorkommen in einer Generation", "gb(d)"})
        EXPECT_EQ(svg.select_nodes(("//text[.='" + std::string(text) + "']").c_str()).size(), 1u)
            << text;
}

TEST_F(DiagramPicture, PngMarksEachCountInThePersonsColour)
{
    test::ScratchDirectory dir("qv-diagram");
    WriteDiagramPicture(m_data, m_settings, m_diagram, dir.File("d.png"), "test");
    QImage png(QString::fromStdString(dir.File("d.png")));
    ASSERT_FALSE(png.isNull());
    TImage_Diagramm chart(m_data, m_settings, m_diagram);
    EXPECT_EQ(png.size(), QSize(chart.Width, chart.Height));
    // The mother occurs once in generation 1; the stranger's zero lies on the axis.
    const Point mother = chart.At(1, 1);
    EXPECT_EQ(png.pixelColor(mother.x, mother.y).rgb() & 0xFFFFFF, 0x0000FFu);
    const Point alt = chart.At(3, 1);
    EXPECT_EQ(png.pixelColor(alt.x, alt.y).rgb() & 0xFFFFFF, 0xFF0000u);
}

TEST_F(DiagramPicture, PdfShowsTheTextsAndOtherFormatsAreRefused)
{
    test::ScratchDirectory dir("qv-diagram-pdf");
    WriteDiagramPicture(m_data, m_settings, m_diagram, dir.File("d.PDF"), "test");
    test::CheckedPdfPage(dir.File("d.PDF"));
    const std::string text = test::PdfText(dir.File("d.PDF"));
    EXPECT_NE(text.find("Alt, Anton"), std::string::npos) << text;
    EXPECT_NE(text.find("Generation"), std::string::npos) << text;
    EXPECT_TRUE(IsDiagramPictureName("a.Svg"));
    EXPECT_FALSE(IsDiagramPictureName("a.bmp"));
    try {
        WriteDiagramPicture(m_data, m_settings, m_diagram, dir.File("d.gif"), "test");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Unbekanntes Dateiformat für das Diagramm: " + dir.File("d.gif"));
    }
}

}  // namespace
}  // namespace qv
