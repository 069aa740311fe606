// Count arrays: sparse storage that reads like the dense array, subtraction and carrying.
#include "calc/count_array.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

CountArray Dense(const TArrayOfInt64& a)
{
    return CountArray::FromArray(a);
}

TEST(CountArray, StoresFromTheFirstTouchedEntryAndReadsDense)
{
    CountArray a;
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(a.Size(), 0);
    a.Add(5, 2);
    a.Add(3, 1);
    a.Add(7, 4);
    EXPECT_EQ(a.Offset(), 3);
    EXPECT_EQ(a.ToArray(), (TArrayOfInt64{0, 0, 0, 1, 0, 2, 0, 4}));
    EXPECT_EQ(a, Dense({0, 0, 0, 1, 0, 2, 0, 4}));
    EXPECT_NE(a, Dense({0, 0, 0, 1, 0, 2, 0, 4, 0}));

    CountArray b;
    b.AddShifted(a, 1);
    b.AddShifted(Dense({1}), 0);
    b.AddShifted(CountArray(), 50);
    EXPECT_EQ(b.ToArray(), (TArrayOfInt64{1, 0, 0, 0, 1, 0, 2, 0, 4}));
}

TEST(CountArray, AdditionWrapsLikeSigned64Bit)
{
    CountArray a;
    a.Add(0, INT64_MAX);
    a.Add(0, 1);
    EXPECT_EQ(a[0], INT64_MIN);
}

TEST(CountArray, ProductsAndScaledSumsWrapLikeSigned64Bit)
{
    struct Case {
        TArrayOfInt64 a, b, expected;
    } cases[] = {
        {{1, 1}, {1, 1}, {1, 2, 1}},
        {{0, 0, 2}, {0, 3, 0, 1}, {0, 0, 0, 6, 0, 2}},
        {{}, {1, 2}, {}},
        {{INT64_MAX, 1}, {2}, {-2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.a));
        CountArray product;
        product.AddProduct(Dense(c.a), Dense(c.b));
        EXPECT_EQ(product.ToArray(), c.expected);
    }
    // Stored from index 3 and 2: the product starts at 5, below what is already there.
    CountArray a, b, sum;
    a.Add(3, 2);
    b.Add(2, 5);
    sum.Add(7, 1);
    sum.AddProduct(a, b);
    EXPECT_EQ(sum.Offset(), 5);
    EXPECT_EQ(sum.ToArray(), (TArrayOfInt64{0, 0, 0, 0, 0, 10, 0, 1}));
    sum.AddShifted(Dense({1, 2}), 6, -3);
    EXPECT_EQ(sum.ToArray(), (TArrayOfInt64{0, 0, 0, 0, 0, 10, -3, -5}));
}

TEST(CountArray, TrimDropsZerosAtTheEndsOnly)
{
    CountArray a = Dense({0, 0, 3, 0, 4, 0});
    a.Trim();
    EXPECT_EQ(a.Offset(), 2);
    EXPECT_EQ(a.ToArray(), (TArrayOfInt64{0, 0, 3, 0, 4}));
    CountArray zeros = Dense({0, 0});
    zeros.Trim();
    EXPECT_TRUE(zeros.Empty());
}

TEST(CountArray, SubtractCountsKeepsTheFirstArraysLength)
{
    struct Case {
        TArrayOfInt64 a, b, expected;
    } cases[] = {
        {{0, 0, 1, 0, 5}, {0, 0, 1}, {0, 0, 0, 0, 5}},
        {{0, 0, 2}, {0, 1, 1, 7, 7}, {0, -1, 1}},
        {{}, {1, 2}, {}},
        {{3}, {}, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.a));
        EXPECT_EQ(SubtractCounts(Dense(c.a), Dense(c.b)).ToArray(), c.expected);
    }
    CountArray sparse;
    sparse.Add(4, 3);
    CountArray lower;
    lower.Add(2, 1);
    EXPECT_EQ(SubtractCounts(sparse, lower).ToArray(), (TArrayOfInt64{0, 0, -1, 0, 3}));
}

TEST(CountArray, CarryHalvesMakesTheBinaryExpansion)
{
    struct Case {
        TArrayOfInt64 a, expected;
    } cases[] = {
        {{0, 0, 0, 2, 1}, {0, 0, 1, 0, 1}},
        {{0, 0, 1, 0, 3}, {0, 0, 1, 1, 1}},
        {{0, 0, 0, 0, 16}, {1, 0, 0, 0, 0}},
        {{5}, {5}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.a));
        EXPECT_EQ(CarryHalves(Dense(c.a)).ToArray(), c.expected);
        EXPECT_EQ(HalvingSum(CarryHalves(Dense(c.a))), HalvingSum(Dense(c.a)));
    }
    // Stored from index 6 on: the carry must spill into the entries below.
    CountArray sparse;
    sparse.Add(6, 12);
    EXPECT_EQ(CarryHalves(sparse).ToArray(), (TArrayOfInt64{0, 0, 0, 1, 1, 0, 0}));
}

}  // namespace
}  // namespace qv
