// The frequency workbook read back: both tables' numbers and the XY chart's series.
#include "tables/frequency_workbook.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>

#include <gtest/gtest.h>

#include "data/example_family.h"
#include "render/color.h"
#include "tables/frequency_diagram_file.h"
#include "tables/ooxml_reader.h"
#include "tables/table_excel.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

DiagramPerson Person(const std::string& label, TArrayOfInt64 counts, int64_t p, int64_t of)
{
    DiagramPerson person;
    person.label = label;
    person.counts = std::move(counts);
    person.color = DiagramColor(p, of);
    person.curve = FitNormalCurve(person.counts);
    return person;
}

// Two occurrences each in generations 1 and 3 (μ = 2, σ = 1), five in generation 2 alone
// (no curve), and a person without any.
DiagramData ThreePersons()
{
    DiagramData diagram;
    diagram.value = "gb(d)";
    diagram.first = 1;
    diagram.last = 3;
    diagram.persons = {Person("Alt, Anton", {0, 2, 0, 2}, 1, 3),
                       Person("Mutter, Gerda", {0, 0, 5}, 2, 3), Person("Fremd, Ida", {}, 3, 3)};
    return diagram;
}

// The chart's colour form: RRGGBB.
std::string HexRgb(TColor color)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", ColorRed(color), ColorGreen(color),
                  ColorBlue(color));
    return text;
}

// 4 / √(2π) · exp(−(x − 2)² / 2), written out again rather than taken from the code.
double AltsCurve(double x)
{
    return 4 / std::sqrt(2 * std::numbers::pi) * std::exp(-(x - 2) * (x - 2) / 2);
}

class FrequencyWorkbook : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("qv-frequency-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string File(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

TEST_F(FrequencyWorkbook, CountsTableHasGenerationsAndZerosWhereArraysAreShort)
{
    TTableData table = DiagramCountsTable(ThreePersons());
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0], (TTableDataCol{"k", "1", "2", "3"}));
    EXPECT_EQ(table[1], (TTableDataCol{"Alt, Anton", "2", "0", "2"}));
    EXPECT_EQ(table[2], (TTableDataCol{"Mutter, Gerda", "0", "5", "0"}));
    EXPECT_EQ(table[3], (TTableDataCol{"Fremd, Ida", "0", "0", "0"}));
}

TEST_F(FrequencyWorkbook, CurveTableHoldsTheNormalCurveAtQuarterGenerations)
{
    TTableData table = DiagramCurveTable(ThreePersons());
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0],
              (TTableDataCol{"k", "1", "1.25", "1.5", "1.75", "2", "2.25", "2.5", "2.75", "3"}));
    ASSERT_EQ(table[1].size(), 10u);
    for (size_t r = 1; r < 10; ++r) {
        const double x = 1 + (r - 1) / 4.0;
        EXPECT_NEAR(std::stod(table[1][r]), AltsCurve(x), 1e-13) << x;
    }
    EXPECT_EQ(table[2], TTableDataCol({"Mutter, Gerda", "", "", "", "", "", "", "", "", ""}))
        << "all in one generation: no curve, empty cells";
    EXPECT_EQ(table[3][5], "");
}

TEST_F(FrequencyWorkbook, ChartHasASmoothCurveAndMarkersPerPersonInItsColour)
{
    const std::string path = File("diagramm.xlsx");
    ASSERT_TRUE(WriteDiagramWorkbook(ThreePersons(), path));
    pugi::xml_document chart = test::XmlPart(path, "xl/charts/chart1.xml");
    pugi::xml_node scatter = chart.select_node("//c:plotArea/c:scatterChart").node();
    ASSERT_TRUE(scatter);
    std::vector<pugi::xml_node> series;
    for (pugi::xml_node s : scatter.children("c:ser")) series.push_back(s);
    ASSERT_EQ(series.size(), 6u);
    const char* columns[] = {"B", "C", "D"};
    for (size_t p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        const std::string colour = HexRgb(DiagramColor(p + 1, 3));
        pugi::xml_node curve = series[2 * p], counts = series[2 * p + 1];
        EXPECT_STREQ(curve.select_node("c:smooth").node().attribute("val").value(), "1");
        EXPECT_STREQ(curve.select_node("c:marker/c:symbol").node().attribute("val").value(),
                     "none");
        EXPECT_EQ(
            curve.select_node("c:spPr/a:ln/a:solidFill/a:srgbClr").node().attribute("val").value(),
            colour);
        EXPECT_STREQ(curve.select_node("c:xVal//c:f").node().text().get(), "Kurven!$A$2:$A$10");
        EXPECT_EQ(std::string(curve.select_node("c:yVal//c:f").node().text().get()),
                  std::string("Kurven!$") + columns[p] + "$2:$" + columns[p] + "$10");
        EXPECT_EQ(std::string(curve.select_node("c:tx/c:v").node().text().get()),
                  ThreePersons().persons[p].label);

        EXPECT_TRUE(counts.select_node("c:spPr/a:ln/a:noFill").node()) << "markers only";
        EXPECT_STREQ(counts.select_node("c:marker/c:symbol").node().attribute("val").value(),
                     "circle");
        EXPECT_EQ(counts.select_node("c:marker/c:spPr/a:solidFill/a:srgbClr")
                      .node()
                      .attribute("val")
                      .value(),
                  colour);
        EXPECT_STREQ(counts.select_node("c:xVal//c:f").node().text().get(), "Vorkommen!$A$2:$A$4");
        EXPECT_EQ(std::string(counts.select_node("c:yVal//c:f").node().text().get()),
                  std::string("Vorkommen!$") + columns[p] + "$2:$" + columns[p] + "$4");
        EXPECT_FALSE(counts.select_node("c:smooth[@val='1']").node());
    }
    EXPECT_EQ(chart.select_nodes("//c:legend/c:legendEntry/c:delete[@val='1']").size(), 3u)
        << "the legend names each person once";
    EXPECT_TRUE(chart.select_node("//c:chart/c:title//a:t[.='gb(d)']").node());
    EXPECT_TRUE(chart.select_node("//c:valAx/c:title//a:t[.='Generation']").node());
    EXPECT_TRUE(
        chart.select_node("//c:valAx/c:title//a:t[.='Vorkommen in einer Generation']").node());
}

TEST_F(FrequencyWorkbook, SheetsHoldNumbersAndTheFirstIsActive)
{
    const std::string path = File("diagramm.xlsx");
    ASSERT_TRUE(WriteDiagramWorkbook(ThreePersons(), path));
    pugi::xml_document workbook = test::XmlPart(path, "xl/workbook.xml");
    std::vector<std::string> names;
    for (pugi::xpath_node sheet : workbook.select_nodes("//sheets/sheet"))
        names.push_back(sheet.node().attribute("name").value());
    EXPECT_EQ(names, (std::vector<std::string>{"Vorkommen", "Kurven", "Diagramm"}));
    EXPECT_EQ(workbook.select_node("//workbookView").node().attribute("activeTab").as_int(), 0);
    EXPECT_FALSE(test::ZipEntry(path, "xl/chartsheets/sheet1.xml").empty());

    test::Sheet counts(path, "xl/worksheets/sheet1.xml");
    EXPECT_STREQ(counts.Xml().select_node("//sheetView").node().attribute("tabSelected").value(),
                 "1");
    EXPECT_EQ(counts.Text("A1"), "k");
    EXPECT_EQ(counts.Text("C1"), "Mutter, Gerda");
    EXPECT_TRUE(counts.IsNumber("C3"));
    EXPECT_STREQ(counts.Cell("C3").child("v").text().get(), "5");
    test::Sheet curves(path, "xl/worksheets/sheet2.xml");
    EXPECT_TRUE(curves.IsNumber("A3"));
    EXPECT_DOUBLE_EQ(curves.Cell("A3").child("v").text().as_double(), 1.25);
    EXPECT_TRUE(curves.IsNumber("B6"));
    EXPECT_NEAR(curves.Cell("B6").child("v").text().as_double(), AltsCurve(2), 1e-13);
    EXPECT_FALSE(curves.Cell("C6").child("v")) << "no curve, no value";
}

// Nobody occurs (a stranger, or side lines where there are none): generation 0 alone keeps
// every range of the chart valid instead of running backwards.
TEST_F(FrequencyWorkbook, NoOccurrenceAtAllStillGivesAWholeWorkbook)
{
    DiagramData diagram;
    diagram.value = "gb(s)";
    diagram.persons = {Person("Fremd, Ida", {}, 1, 1)};
    EXPECT_EQ(DiagramCountsTable(diagram)[1], (TTableDataCol{"Fremd, Ida", "0"}));
    EXPECT_EQ(DiagramCurveTable(diagram)[1], (TTableDataCol{"Fremd, Ida", ""}));
    const std::string path = File("leer.xlsx");
    ASSERT_TRUE(WriteDiagramWorkbook(diagram, path));
    pugi::xml_document chart = test::XmlPart(path, "xl/charts/chart1.xml");
    EXPECT_STREQ(chart.select_node("//c:ser[1]/c:xVal//c:f").node().text().get(), "Kurven!$A$2");
    EXPECT_STREQ(chart.select_node("//c:ser[2]/c:yVal//c:f").node().text().get(), "Vorkommen!$B$2");
}

TEST_F(FrequencyWorkbook, CancelledWritingLeavesNoFile)
{
    const std::string path = File("abgebrochen.xlsx");
    auto cancel = [](const std::string&, int64_t, int64_t) { return true; };
    EXPECT_FALSE(WriteDiagramWorkbook(ThreePersons(), path, cancel));
    EXPECT_FALSE(fs::exists(path));
}

// The example family end to end: μ and σ worked out here from the counts sheet as read back,
// and the curve sheet checked against them.
TEST_F(FrequencyWorkbook, ExampleFamilysCurvesFitTheirCountsAsReadBack)
{
    TAhnenData data = LoadExampleFamily(".");
    TCalcClass calc(data);
    TImageSettings settings;
    settings.ProbandIndex = 18;
    for (int64_t p = 0; p < static_cast<int64_t>(data.Persons.size()); ++p)
        if (p != 18) settings.SetSelected(p, true);
    settings.FrequencyValue = 3;  // "gb": all paths
    const std::string path = File("beispiel.xlsx");
    ASSERT_TRUE(WriteFrequencyDiagram(calc, settings, path, "test"));
    test::Sheet counts(path, "xl/worksheets/sheet1.xml");
    test::Sheet curves(path, "xl/worksheets/sheet2.xml");
    int rows = 0;
    while (counts.Cell("A" + std::to_string(rows + 2))) ++rows;
    ASSERT_GT(rows, 2);
    int checkedCurves = 0;
    for (int column = 1; column <= settings.SelectedCount(); ++column) {
        const std::string letter = ExcelColumnName(column);
        double n = 0, sum = 0, squares = 0;
        for (int r = 2; r < rows + 2; ++r) {
            const double k = counts.Cell("A" + std::to_string(r)).child("v").text().as_double();
            const double c = counts.Cell(letter + std::to_string(r)).child("v").text().as_double();
            n += c;
            sum += k * c;
            squares += k * k * c;
        }
        const double mu = sum / n, sigma = std::sqrt(squares / n - mu * mu);
        pugi::xml_node middle = curves.Cell(letter + std::to_string(2 * rows));
        if (n == 0 || !(sigma > 1e-9)) {
            EXPECT_FALSE(middle.child("v")) << letter;
            continue;
        }
        ++checkedCurves;
        for (int r : {2, rows + 1, 2 * rows, 4 * rows - 2}) {
            const double x = curves.Cell("A" + std::to_string(r)).child("v").text().as_double();
            const double z = (x - mu) / sigma;
            const double expected =
                n / (sigma * std::sqrt(2 * std::numbers::pi)) * std::exp(-z * z / 2);
            EXPECT_NEAR(curves.Cell(letter + std::to_string(r)).child("v").text().as_double(),
                        expected, 1e-9 * std::max(1.0, expected))
                << letter << r;
        }
    }
    EXPECT_GT(checkedCurves, 3);
}

}  // namespace
}  // namespace qv
