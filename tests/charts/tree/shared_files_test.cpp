// Layouts of real family files in every tree type and alignment keep their structure.
#include <algorithm>
#include <map>

#include <gtest/gtest.h>

#include "charts/tree/image_nachfahren.h"
#include "charts/tree/image_vorfahren.h"
#include "charts/tree/kindred_data.h"
#include "charts/tree/tree_fixture.h"
#include "data/gedcom_reader.h"
#include "test_support.h"

namespace qv {
namespace {

LabelSource NameLabels(const TAhnenData& data)
{
    return [&data](int64_t p) {
        return TArrayOfString{data.Persons[p].Surname, data.Persons[p].GivenNames};
    };
}

// Neighbours in a row stand at least the smallest distance apart.
void ExpectRowsApart(std::map<int32_t, std::vector<int32_t>> rows, int32_t distance)
{
    for (auto& [row, xs] : rows) {
        std::sort(xs.begin(), xs.end());
        for (size_t i = 1; i < xs.size(); ++i)
            ASSERT_GE(xs[i] - xs[i - 1], distance) << "row " << row;
    }
}

void CheckAncestors(const TAhnenData& data, const TImageSettings& settings)
{
    test::FixedMeasure measure;
    TImage_Vorfahren chart(data, settings, measure);
    EXPECT_TRUE(chart.Layout(NameLabels(data)));
    std::map<int32_t, std::vector<int32_t>> rows;
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (!chart.Drawn()[p]) continue;
        const Point at = chart.PositionOf(int64_t(p));
        EXPECT_GE(at.x, 0) << data.Persons[p].Id;
        EXPECT_LT(at.x, chart.Packing().PackedWidth + chart.Pitch());
        EXPECT_EQ(at.y, chart.RowCoordinate(chart.RowOf(int64_t(p))));
        rows[chart.RowOf(int64_t(p))].push_back(at.x);
    }
    ExpectRowsApart(rows, std::max(3 * settings.Symbol.Radius, int(settings.NodeWidth)));
    const auto drawn = std::count(chart.Drawn().begin(), chart.Drawn().end(), true);
    EXPECT_EQ(chart.Lines().empty(), drawn == 1);
}

int32_t CheckDescendants(const TAhnenData& data, const TImageSettings& settings,
                         int64_t limitFrom = -1)
{
    test::FixedMeasure measure;
    TImage_Nachfahren chart(data, settings, measure, {}, limitFrom);
    EXPECT_TRUE(chart.Layout(NameLabels(data)));
    std::map<int32_t, std::vector<int32_t>> rows;
    for (const TTree_Node& node : chart.Tree().Nodes) {
        const Point at = chart.PositionOf(node.Person);
        EXPECT_GE(at.x, 0);
        EXPECT_EQ(at.y, chart.RowCoordinate(node.Depth));
        if (node.Parent >= 0) {
            EXPECT_GT(node.Depth, chart.Tree().Nodes[node.Parent].Depth);
        }
        rows[node.Depth].push_back(at.x);
    }
    ExpectRowsApart(rows, std::max(3 * settings.Symbol.Radius, int(settings.NodeWidth)));
    return chart.RowCount();
}

TEST(SharedFiles, EveryTypeAndAlignmentLaysOut)
{
    QV_REQUIRE_TESTDATA();
    TAhnenData data(LoadGedcomFile(test::TestDataFile("royal92.ged")), "royal92.ged");
    // I115 has 599 ancestors with heavy pedigree collapse; I2018 over a thousand descendants.
    for (const char* proband : {"I115", "I2018"}) {
        for (uint8_t type : {0, 1, 2}) {
            for (uint8_t alignment : {0, 1, 2, 3}) {
                SCOPED_TRACE(testing::Message() << proband << " type " << int(type) << " alignment "
                                                << int(alignment));
                TImageSettings settings = test::TreeSettings(data, proband);
                settings.Tree.TreeType = type;
                settings.Tree.Alignment = alignment;
                for (size_t p = 0; p < data.Persons.size(); p += 9) settings.SetSelected(p, true);
                CheckAncestors(data, settings);
                const int32_t descendantRows = CheckDescendants(data, settings);
                // I2018's descendants fill more rows than a fixed 65-row contour holds.
                if (type == 0 && std::string(proband) == "I2018") {
                    EXPECT_GT(descendantRows, 65);
                }
            }
        }
    }
}

TEST(SharedFiles, CollateralRelativesOfADeepAncestry)
{
    QV_REQUIRE_TESTDATA();
    TAhnenData data(LoadGedcomFile(test::TestDataFile("royal92.ged")), "royal92.ged");
    const int64_t proband = test::Person(data, "I115");
    KindredData kindred = BuildKindredData(data, proband, 99);
    TImageSettings settings = test::TreeSettings(data, "I115");
    settings.ProbandIndex = kindred.Root;
    CheckDescendants(kindred.Data, settings, proband);
}

}  // namespace
}  // namespace qv
