// The example family's tree chart in every file format, with real labels and captions.
#include "charts/tree/tree_chart_file.h"

#include <filesystem>
#include <fstream>

#include <QImage>

#include <gtest/gtest.h>

#include "calc/calc_class.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart.h"
#include "charts/tree/tree_drawing_support.h"
#include "charts/tree/tree_fixture.h"
#include "data/example_family.h"
#include "data/gedcom_reader.h"
#include "data/text_encoding.h"
#include "render/pdf_tools.h"
#include "render/text_metrics.h"
#include "render/xml_check.h"
#include "test_support.h"

namespace qv {
namespace {

class TreeChartFileTest : public testing::Test {
protected:
    TreeChartFileTest() : m_data(LoadExampleFamily(".")), m_calc(m_data)
    {
        m_settings.ProbandIndex = 18;
        for (int64_t p : {30, 6, 0}) m_settings.SetSelected(p, true);
        m_settings.Tree.Label = 3;
        m_settings.Tree.LabelCustomText = {"<NName>", "<VName>", "<Kekule>"};
        m_settings.Tree.FootnoteThreshold = 2;
        m_settings.Tree.LabelGen = 1;
        m_settings.Tree.LabelGenCustomText = {"k = <k>"};
        m_settings.Tree.BackgroundColored = true;
        m_settings.Tree.CommentHeader = true;
        m_settings.CommentHeaderText = {"<p>Ostrelle der Familie</p>"};
    }

    TAhnenData m_data;
    TCalcClass m_calc;
    TImageSettings m_settings;
    test::ScratchDirectory m_dir{"tree-chart-file"};
};

TEST_F(TreeChartFileTest, EveryFormatHoldsTheSameChart)
{
    const TreeChartTexts texts = TemplateTexts(m_calc, m_settings);
    std::optional<Bitmap> picture = BuildTreeChartBitmap(m_data, m_settings, texts);
    ASSERT_TRUE(picture);
    std::optional<OutputCounts> counts;
    for (const char* name : {"tafel.png", "tafel.BMP", "tafel.svg", "tafel.pdf", "tafel.htm"}) {
        SCOPED_TRACE(name);
        counts = WriteTreeChart(m_data, m_settings, texts, m_dir.File(name), "Quilvane test");
        ASSERT_TRUE(counts);
        EXPECT_EQ(counts->persons, 21);
    }
    QImage png(QString::fromStdString(m_dir.File("tafel.png")));
    EXPECT_EQ(png.size(), QSize(picture->Width(), picture->Height()));
    EXPECT_TRUE(png == QImage(QString::fromStdString(m_dir.File("tafel.BMP"))));
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_file(m_dir.File("tafel.svg").c_str()));
    EXPECT_EQ(test::CountSymbols(svg), counts->persons);
    EXPECT_EQ(svg.select_nodes("//text[.='k = -4']").size(), 1u);
    // Friedrich, number 10 and 14, once in the chart; his list in the footnote.
    EXPECT_EQ(svg.select_nodes("//text[.='10)']").size(), 2u);
    EXPECT_EQ(svg.select_nodes("//text[.=' 10, 14']").size(), 1u);
    EXPECT_EQ(svg.select_nodes("//foreignObject").size(), 1u);
    test::CheckedPdfPage(m_dir.File("tafel.pdf"));
    EXPECT_NE(test::PdfText(m_dir.File("tafel.pdf")).find("Schäfer"), std::string::npos);
    std::ifstream html(m_dir.File("tafel.htm"));
    std::string page((std::istreambuf_iterator<char>(html)), {});
    // The page shows the header once, as HTML, and the document inside has no comments.
    EXPECT_NE(page.find("<p>Ostrelle der Familie</p>\r\n<svg "), std::string::npos);
    EXPECT_EQ(page.find("foreignObject"), std::string::npos);
}

TEST_F(TreeChartFileTest, PdfAndHtmlDrawWithoutCommentsOnACopy)
{
    m_settings.Tree.CommentHeadline = m_settings.Tree.CommentFooter = true;
    m_settings.KekuleOneIndex = -1;
    TImageSettings bare = SettingsWithoutComments(m_settings);
    EXPECT_FALSE(bare.Tree.CommentHeadline || bare.Tree.CommentHeader || bare.Tree.CommentFooter);
    EXPECT_TRUE(m_settings.Tree.CommentHeader);
    EXPECT_EQ(bare.ProbandIndex, 18);
    EXPECT_EQ(bare.KekuleOneIndex, 18);
    EXPECT_EQ(bare.SelectedCount(), 3);
    EXPECT_EQ(bare.Tree.LabelGenCustomText, m_settings.Tree.LabelGenCustomText);
}

TEST_F(TreeChartFileTest, CancelOrUnknownFormatLeavesNoFile)
{
    const TreeChartTexts texts = TemplateTexts(m_calc, m_settings);
    auto cancel = [](const std::string& text, int64_t, int64_t) {
        return text == "Vorfahren: Zeichne Linien";
    };
    EXPECT_FALSE(WriteTreeChart(m_data, m_settings, texts, m_dir.File("x.png"), "", cancel));
    EXPECT_FALSE(WriteTreeChart(m_data, m_settings, texts, m_dir.File("x.pdf"), "", cancel));
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("x.png")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("x.pdf")));
    test::ExpectError([&] { WriteTreeChart(m_data, m_settings, texts, m_dir.File("x.gif"), ""); },
                      "Unbekanntes Dateiformat für die Ahnentafel: " + m_dir.File("x.gif"));
}

// Where the chart's labels stand: from each text element's start and baseline, as wide as the
// text is in the charts' font.
std::vector<QRect> LabelBoxes(const TScalableVectorGraphics& svg)
{
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(svg.SaveToString().c_str()));
    std::vector<QRect> boxes;
    for (const pugi::xpath_node& found : document.select_nodes("//text")) {
        pugi::xml_node text = found.node();
        int points = 11;
        for (pugi::xml_node n = text; n; n = n.parent())
            if (n.attribute("font-size")) {
                points = n.attribute("font-size").as_int();
                break;
            }
        const std::u16string content = Utf16FromUtf8(text.text().get());
        const int width = TextMetrics(FontSpec{"Arial", points}).Width(content);
        const int pixels = FontPixelHeight(points);
        boxes.emplace_back(text.attribute("x").as_int(), text.attribute("y").as_int() - pixels,
                           width + 2, pixels + pixels / 3);
    }
    return boxes;
}

// Poppler paints the labels of the PDF where the PNG has them, with about as much ink.
TEST_F(TreeChartFileTest, PdfLabelsShowLikeThoseOfThePng)
{
    m_settings.Tree.CommentHeader = false;  // the PDF has no comment blocks either
    const TreeChartTexts texts = TemplateTexts(m_calc, m_settings);
    ASSERT_TRUE(WriteTreeChart(m_data, m_settings, texts, m_dir.File("tafel.png"), "test"));
    ASSERT_TRUE(WriteTreeChart(m_data, m_settings, texts, m_dir.File("tafel.pdf"), "test"));
    const QImage png(QString::fromStdString(m_dir.File("tafel.png")));
    const QImage pdf = test::CheckedPdfPageWithoutSystemFonts(m_dir.File("tafel.pdf"), 96);
    ASSERT_EQ(pdf.size(), png.size());

    auto svg = BuildTreeChartSvg(m_data, m_settings, false, texts, {}, true);
    ASSERT_TRUE(svg);
    const std::vector<QRect> boxes = LabelBoxes(*svg);
    ASSERT_GT(boxes.size(), 40u);
    int pngInk = 0, pdfInk = 0;
    for (const QRect& box : boxes) {
        const int inPng = test::DarkPixels(png, box), inPdf = test::DarkPixels(pdf, box);
        pngInk += inPng;
        pdfInk += inPdf;
        if (inPng >= 20) {
            EXPECT_GE(inPdf, inPng / 2) << box.x() << "," << box.y();
        }
    }
    EXPECT_NEAR(pdfInk, pngInk, pngInk / 4);
    const std::string text = test::PdfText(m_dir.File("tafel.pdf"));
    for (const char* label : {"Sch\xC3\xA4"
                              "fer",
                              "k = -4", " 10, 14"})
        EXPECT_NE(text.find(label), std::string::npos) << label;
}

// Names, a headline and comments full of markup: the SVG file stays XML that browsers read.
TEST(TreeChartSvg, MarkupInNamesAndCommentsKeepsTheFileWellFormed)
{
    QV_REQUIRE_TESTDATA();
    TAhnenData data(LoadGedcomFile(test::TestDataFile("Queen.ged")), "Queen.ged");
    TImageSettings settings = test::TreeSettings(data, "I352");
    const int64_t proband = settings.ProbandIndex;
    const int64_t father = data.Families[data.Persons[proband].ParentFamily].Husband;
    ASSERT_GE(father, 0);
    data.Persons[father].Surname = "T\xC3\xBCr & Tor < Haus <br>";
    data.Persons[father].GivenNames = "\"Zitat\" </text>";
    settings.Tree.Label = 3;
    settings.Tree.LabelCustomText = {"<NName>", "<VName>"};
    settings.Tree.CommentHeadline = settings.Tree.CommentHeader = true;
    settings.Tree.CommentFooter = true;
    settings.CommentHeadlineText = {"Proband: <Proband>"};
    settings.CommentHeaderText = {"Zeile 1<br>Zeile 2 & mehr"};
    settings.CommentFooterText = {"<P>Fu&szlig;zeile &copy; 2024", "<b>offen"};
    TCalcClass calc(data);
    test::ScratchDirectory dir("tree-chart-svg");
    ASSERT_TRUE(WriteTreeChart(data, settings, TemplateTexts(calc, settings), dir.File("queen.svg"),
                               "test"));

    std::ifstream file(dir.File("queen.svg"), std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(test::XmlReaderError(saved), "");
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(saved.c_str()));
    EXPECT_EQ(svg.select_nodes("//text[.='T\xC3\xBCr & Tor < Haus <br>']").size(), 1u);
    EXPECT_EQ(svg.select_nodes("//text[.='\"Zitat\" </text>']").size(), 1u);
    pugi::xpath_node_set blocks = svg.select_nodes("//foreignObject");
    ASSERT_EQ(blocks.size(), 2u);
    std::string header, footer;
    for (const pugi::xpath_node& t : blocks[0].node().select_nodes(".//text()"))
        header += t.node().value();
    for (const pugi::xpath_node& t : blocks[1].node().select_nodes(".//text()"))
        footer += t.node().value();
    // The name comes as "Surname, Given names"; this one has no surname.
    EXPECT_NE(
        header.find("Proband: , \tHeribert II, Count of Meaux, Vermandois, Troyes, & Soissons"),
        std::string::npos)
        << header;
    EXPECT_NE(header.find("Zeile 1"), std::string::npos);
    EXPECT_NE(header.find("Zeile 2 & mehr"), std::string::npos);
    EXPECT_EQ(blocks[0].node().select_nodes(".//*[local-name()='br']").size(), 1u);
    EXPECT_NE(footer.find("Fu\xC3\x9Fzeile \xC2\xA9 2024"), std::string::npos) << footer;
    EXPECT_EQ(blocks[1].node().select_nodes(".//*[local-name()='b']").size(), 1u);
}

}  // namespace
}  // namespace qv
