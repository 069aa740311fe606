// The example family's triangle diagram in every file format, read back by real readers.
#include "charts/triangle/triangle_file.h"

#include <filesystem>
#include <map>

#include <QImage>

#include <pugixml.hpp>

#include <gtest/gtest.h>

#include "calc/calc_class.h"
#include "charts/tree/tree_drawing_support.h"
#include "charts/tree/tree_fixture.h"
#include "charts/triangle/image_dreiecksdiagramm.h"
#include "data/example_family.h"
#include "data/file_bytes.h"
#include "data/gedcom_reader.h"
#include "render/pdf_tools.h"
#include "render/xml_check.h"
#include "test_support.h"

namespace qv {
namespace {

// The symbols the SVG shows: of one colour, one after the other at one pixel, the merged
// path moves there only once.
int DistinctSymbols(const TImage_Dreiecksdiagramm& chart)
{
    std::map<char, Point> last;
    int count = 0;
    for (const TrianglePoint& point : chart.Points()) {
        const char sex = chart.Data.Persons[size_t(point.person)].Sex;
        const Point at = chart.Geometry().Place(point.side, point.h, point.b);
        const auto [it, first] = last.try_emplace(sex == 'M' || sex == 'F' ? sex : 'U', at);
        count += first || !(it->second == at) ? 1 : 0;
        it->second = at;
    }
    return count;
}

class TriangleFileTest : public testing::Test {
protected:
    TriangleFileTest() : m_data(LoadExampleFamily(".")), m_calc(m_data)
    {
        m_settings.ProbandIndex = 18;
        m_settings.Triangle.Label = 2;
        m_settings.Triangle.LabelsSurnameCaps = true;
        m_settings.Triangle.CommentHeader = true;
        m_settings.CommentHeaderText = {"<p>Dreieck der Familie</p>"};
    }

    std::string Read(const std::string& name) const { return ReadFileBytes(m_dir.File(name)); }

    TAhnenData m_data;
    TCalcClass m_calc;
    TImageSettings m_settings;
    test::ScratchDirectory m_dir{"triangle-file"};
};

TEST_F(TriangleFileTest, EveryFormatHoldsTheSameDiagram)
{
    const TriangleLabels labels = TriangleTemplateLabels(m_calc, m_settings);
    TImage_Dreiecksdiagramm chart(m_data, m_settings);
    ASSERT_TRUE(chart.Create(labels));
    for (const char* name : {"dreieck.png", "dreieck.BMP", "dreieck.svg", "dreieck.pdf",
                             "dreieck.html"}) {
        SCOPED_TRACE(name);
        const auto counts = WriteTriangleDiagram(m_data, m_settings, labels, m_dir.File(name), "t");
        ASSERT_TRUE(counts);
        EXPECT_EQ(counts->persons, chart.PersonCount());
    }
    const QImage png(QString::fromStdString(m_dir.File("dreieck.png")));
    EXPECT_EQ(png.width(), chart.Width);
    EXPECT_GT(png.height(), chart.Height) << "the header above the diagram";
    EXPECT_TRUE(png == QImage(QString::fromStdString(m_dir.File("dreieck.BMP"))));

    const std::string svgText = Read("dreieck.svg");
    EXPECT_EQ(test::XmlReaderError(svgText), "");
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(svgText.c_str()));
    EXPECT_EQ(test::CountSymbols(svg), DistinctSymbols(chart));
    EXPECT_EQ(svg.select_nodes("//foreignObject").size(), 1u);
    EXPECT_EQ(svg.select_nodes("//text[.='Vorfahren']").size(), 1u);
    const std::string surname =
        QString::fromStdString(m_data.Persons[18].Surname).toUpper().toStdString();
    EXPECT_GE(svg.select_nodes(("//text[.='" + surname + "']").c_str()).size(), 1u);

    test::CheckedPdfPage(m_dir.File("dreieck.pdf"));
    const std::string pdfText = test::PdfText(m_dir.File("dreieck.pdf"));
    // The turned side names come out of the reader in pieces; the level texts do not.
    EXPECT_NE(pdfText.find("g'b"), std::string::npos);
    EXPECT_NE(pdfText.find(surname), std::string::npos);

    const std::string page = Read("dreieck.html");
    EXPECT_NE(page.find("<p>Dreieck der Familie</p>\r\n<svg "), std::string::npos);
    EXPECT_EQ(page.find("foreignObject"), std::string::npos);
}

TEST_F(TriangleFileTest, CancelOrUnknownFormatLeavesNoFile)
{
    const TriangleLabels labels = TriangleTemplateLabels(m_calc, m_settings);
    auto cancel = [](const std::string& text, int64_t, int64_t) {
        return text == "Vorfahren: Zeichne Symbole";
    };
    for (const char* name : {"x.png", "x.svg", "x.pdf"}) {
        EXPECT_FALSE(WriteTriangleDiagram(m_data, m_settings, labels, m_dir.File(name), "", cancel));
        EXPECT_FALSE(std::filesystem::exists(m_dir.File(name))) << name;
    }
    test::ExpectError(
        [&] { WriteTriangleDiagram(m_data, m_settings, labels, m_dir.File("x.gif"), ""); },
        "Unbekanntes Dateiformat für das Dreiecksdiagramm: " + m_dir.File("x.gif"));
}

// Both large files of the team, in two directions: the PDF passes qpdf, the SVG parses and
// holds a symbol per person counted.
TEST(TriangleSharedFiles, RoyalAndQueenInTwoDirections)
{
    QV_REQUIRE_TESTDATA();
    test::ScratchDirectory dir("triangle-shared");
    for (const auto& [file, root] : {std::pair{"royal92.ged", "I1060"}, {"Queen.ged", "I3062"}}) {
        SCOPED_TRACE(file);
        const TAhnenData data(LoadGedcomFile(test::TestDataFile(file)), file);
        TCalcClass calc(data);
        TImageSettings settings = test::TreeSettings(data, root);
        settings.Triangle.Label = 2;
        TImage_Dreiecksdiagramm chart(data, settings);
        ASSERT_TRUE(chart.Create({}));
        // Two directions that turn both axes: the others mirror these.
        for (uint8_t direction : {0, 3}) {
            settings.Triangle.Alignment = direction;
            const TriangleLabels labels = TriangleTemplateLabels(calc, settings);
            const auto svg = WriteTriangleDiagram(data, settings, labels, dir.File("d.svg"), "t");
            ASSERT_TRUE(svg);
            ASSERT_TRUE(WriteTriangleDiagram(data, settings, labels, dir.File("d.pdf"), "t"));
            pugi::xml_document document;
            ASSERT_TRUE(document.load_file(dir.File("d.svg").c_str()));
            EXPECT_EQ(svg->persons, chart.PersonCount());
            EXPECT_EQ(test::CountSymbols(document), DistinctSymbols(chart));
            test::CheckedPdfPage(dir.File("d.pdf"), 10);
        }
    }
}

}  // namespace
}  // namespace qv
