// The circle chart in every file format, read back by the programs users read them with; and
// the shared family files drawn within their rings.
#include "charts/circle/circle_chart_file.h"

#include <filesystem>
#include <fstream>

#include <QImage>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "charts/circle/image_kreisdiagramm.h"
#include "charts/tree/tree_fixture.h"
#include "data/example_family.h"
#include "data/gedcom_reader.h"
#include "render/pdf_tools.h"
#include "render/xml_check.h"
#include "test_support.h"

namespace qv {
namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

class CircleChartFileTest : public testing::Test {
protected:
    CircleChartFileTest() : m_data(LoadExampleFamily("."))
    {
        m_settings.ProbandIndex = 18;
        m_settings.Circle.NodeHeight = 60;
        m_settings.Circle.Kekule = true;
        m_settings.Circle.HighlightDouble = true;
        m_settings.Circle.Generations = true;
        m_settings.Circle.BackgroundColored = true;
        m_settings.Circle.CommentHeader = true;
        m_settings.CommentHeaderText = {"<p>Kreisahnentafel der Familie</p>"};
    }

    TAhnenData m_data;
    TImageSettings m_settings;
    test::ScratchDirectory m_dir{"circle-chart-file"};
};

TEST_F(CircleChartFileTest, EveryFormatHoldsTheSameChart)
{
    for (const char* name : {"kreis.png", "kreis.BMP", "kreis.svg", "kreis.pdf", "kreis.htm"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(WriteCircleChart(m_data, m_settings, m_dir.File(name), "Quilvane test"));
    }
    TImage_Kreisdiagramm chart(m_data, m_settings);
    ASSERT_TRUE(chart.Create());
    const QImage png(QString::fromStdString(m_dir.File("kreis.png")));
    EXPECT_EQ(png.width(), chart.Width);
    EXPECT_GT(png.height(), chart.Height);  // the header above
    EXPECT_TRUE(png == QImage(QString::fromStdString(m_dir.File("kreis.BMP"))));

    const std::string svg = ReadFile(m_dir.File("kreis.svg"));
    EXPECT_EQ(test::XmlReaderError(svg), "");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(svg.c_str()));
    EXPECT_EQ(document.select_nodes("//text[.='k = -1']").size(), 1u);
    EXPECT_EQ(document.select_nodes("//foreignObject").size(), 1u);
    // The cousin marriage: some ancestors stand twice, the second time in the double colour.
    EXPECT_GT(document.select_nodes("//path[@fill='#FFC080']").size(), 0u);

    test::CheckedPdfPage(m_dir.File("kreis.pdf"));
    EXPECT_NE(test::PdfText(m_dir.File("kreis.pdf")).find("k = -1"), std::string::npos);
    const std::string page = ReadFile(m_dir.File("kreis.htm"));
    // The page shows the header once, as HTML; the document inside has no comment blocks.
    EXPECT_NE(page.find("<p>Kreisahnentafel der Familie</p>\r\n<svg "), std::string::npos);
    EXPECT_EQ(page.find("foreignObject"), std::string::npos);
}

TEST_F(CircleChartFileTest, CancelOrUnknownFormatLeavesNoFile)
{
    auto cancel = [](const std::string& text, int64_t, int64_t) {
        return text == "Zeichne Personen";
    };
    for (const char* name : {"x.png", "x.svg", "x.pdf", "x.html"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(WriteCircleChart(m_data, m_settings, m_dir.File(name), "", cancel));
        EXPECT_FALSE(std::filesystem::exists(m_dir.File(name)));
    }
    test::ExpectError([&] { WriteCircleChart(m_data, m_settings, m_dir.File("x.gif"), ""); },
                      "Unbekanntes Dateiformat für die Kreisahnentafel: " + m_dir.File("x.gif"));
    m_settings.ProbandIndex = -1;
    test::ExpectError([&] { WriteCircleChart(m_data, m_settings, m_dir.File("x.png"), ""); },
                      "Kein Proband gewählt!");
}

// Deep royal ancestries: the rings stop at the settings' limit, the files stay small enough
// to open, and the PDF passes its reader.
TEST_F(CircleChartFileTest, RoyalAncestriesInEveryVectorFormat)
{
    QV_REQUIRE_TESTDATA();
    struct Case {
        const char* file;
        const char* root;
        int32_t rings;
    } cases[] = {{"royal92.ged", "I1060", 76}, {"Queen.ged", "I3062", 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TAhnenData data(LoadGedcomFile(test::TestDataFile(c.file)), c.file);
        TImageSettings settings;
        settings.ProbandIndex = data.FindPerson(c.root);
        settings.Circle.HighlightDouble = true;
        TImage_Kreisdiagramm chart(data, settings);
        ASSERT_TRUE(chart.Create());
        EXPECT_EQ(chart.Generations(), c.rings);
        ASSERT_TRUE(WriteCircleChart(data, settings, m_dir.File("kreis.pdf"), "test"));
        test::CheckedPdfPage(m_dir.File("kreis.pdf"), 4);
        ASSERT_TRUE(WriteCircleChart(data, settings, m_dir.File("kreis.svg"), "test"));
        EXPECT_LT(std::filesystem::file_size(m_dir.File("kreis.svg")), 40u << 20);
    }
}

}  // namespace
}  // namespace qv
