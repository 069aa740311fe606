// "chart frequency": the frequency diagram written by the batch tool, and its refusals.
#include <filesystem>
#include <regex>

#include <gtest/gtest.h>

#include "cli_output_test.h"
#include "tables/ooxml_reader.h"

namespace qv {
namespace {

using test::RunCli;

using CliFrequency = test::CliOutputTest;

TEST_F(CliFrequency, SeventeenPersonsAreWarnedAboutAndAllDrawn)
{
    std::string persons;
    for (int p = 0; p <= 17; ++p)
        if (p != 16) persons += (persons.empty() ? "#" : ",#") + std::to_string(p);
    const std::string path = File("diagramm.xlsx");
    auto r = RunCli({"chart", "frequency", "--example", "--root", "#18", "--select", persons,
                     "--set", "DG_VALUE=3", "-o", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Warnung: Es sind 17 Personen ausgewählt. Es wird empfohlen nur einige "
                         "wenige Personen gleichzeitig darzustellen, damit die Übersicht gewahrt "
                         "bleibt.\n"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(std::regex_search(r.err, std::regex("Personen: 17\nBenötigte Zeit: [0-9]+s\n")))
        << r.err;
    pugi::xml_document chart = test::XmlPart(path, "xl/charts/chart1.xml");
    EXPECT_EQ(chart.select_nodes("//c:ser").size(), 34u);
    EXPECT_TRUE(chart.select_node("//c:chart/c:title//a:t[.='gb']").node());
    test::Sheet counts(path, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(counts.Cell("R1")) << "k and seventeen persons";
    EXPECT_FALSE(counts.Cell("S1"));
}

TEST_F(CliFrequency, PictureHasACurveForEachPersonWithOne)
{
    const std::string path = File("diagramm.svg");
    auto r = RunCli({"chart", "frequency", "--example", "--root", "#18", "--select",
                     "I12,I17,I20,I29", "--set", "DG_VALUE=3", "-o", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("Warnung"), std::string::npos) << "no warning for the default limit";
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_file(path.c_str()));
    EXPECT_EQ(svg.select_nodes("//g[@class='curve']").size(), 4u);
    EXPECT_TRUE(svg.select_node("//text[.='gb']").node());
}

TEST_F(CliFrequency, RefusesOtherFormatsMissingSelectionAndUnknownCharts)
{
    auto r = RunCli({"chart", "frequency", "--example", "--root", "#18", "--select", "#0", "-o",
                     File("d.bmp")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("AUSGABE muss auf .xlsx, .png, .svg oder .pdf enden"), std::string::npos)
        << r.err;
    r = RunCli({"chart", "frequency", "--example", "--root", "#18", "-o", File("d.xlsx")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Keine Personen in der Liste zum Anzeigen!"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(File("d.xlsx")));
    r = RunCli({"chart", "torte", "--example"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("chart erwartet tree, circle, triangle oder frequency"), std::string::npos)
        << r.err;
}

}  // namespace
}  // namespace qv
