// The gb family of values: names, numbers and texts of a count array.
#include "calc/path_metrics.h"

#include <gtest/gtest.h>

#include "superscript.h"

namespace qv {
namespace {

using test::Sup;

TEST(PathMetrics, NamesSplitIntoBaseAndVariant)
{
    struct Case {
        const char* name;
        PathBase base;
        PathVariant variant;
    } cases[] = {
        {"gb", PathBase::Gb, PathVariant::All},
        {"gbs(d)", PathBase::Gbs, PathVariant::Direct},
        {"gbsx1", PathBase::Gbs, PathVariant::X1},
        {"gbx1(s)", PathBase::Gb, PathVariant::X1Side},
        {"g''bx2(d)", PathBase::GDoublePrimeB, PathVariant::X2Direct},
        {"g'b(s)", PathBase::GPrimeB, PathVariant::Side},
        {"zx2", PathBase::Z, PathVariant::X2},
        {"b(d)", PathBase::B, PathVariant::Direct},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto metric = ParsePathMetric(c.name);
        ASSERT_TRUE(metric);
        EXPECT_EQ(metric->base, c.base);
        EXPECT_EQ(metric->variant, c.variant);
    }
    for (const char* other : {"gbs(x)", "g'''b", "kmin", "f", "gb(d)x1", "", "Gb"})
        EXPECT_FALSE(ParsePathMetric(other)) << other;
}

TEST(PathMetrics, TextsOfTypicalArrays)
{
    struct Case {
        const char* what;
        TArrayOfInt64 counts;
        std::string gb, gbs, z, b, gPrimeB, gDoublePrimeB;
    } cases[] = {
        {"one path of length 3", {0, 0, 0, 1}, "3[1]", "3", "1", "1/8", "3", "3[1]"},
        {"two of 3, one of 4",
         {0, 0, 0, 2, 1},
         "3[2]4[1]",
         "3.33",
         "3",
         "5/16",
         "1.67",
         "2[1]4[1]"},
        {"the root itself", {1}, "0[1]", "0", "1", "1", "0", "0[1]"},
        {"no path", {}, "NaN", "NaN", "0", "0", "INF", "NaN"},
        {"only zeros", {0, 0}, "NaN", "NaN", "0", "0", "INF", "NaN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CountArray a = CountArray::FromArray(c.counts);
        EXPECT_EQ(PathMetricText(PathBase::Gb, a), Sup(c.gb));
        EXPECT_EQ(PathMetricText(PathBase::Gbs, a), c.gbs);
        EXPECT_EQ(PathMetricText(PathBase::Z, a), c.z);
        EXPECT_EQ(PathMetricText(PathBase::B, a), c.b);
        EXPECT_EQ(PathMetricText(PathBase::GPrimeB, a), c.gPrimeB);
        EXPECT_EQ(PathMetricText(PathBase::GDoublePrimeB, a), Sup(c.gDoublePrimeB));
    }
}

}  // namespace
}  // namespace qv
