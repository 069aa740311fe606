// Reducing supersampled symbols to colour and coverage, and the six person symbols.
#include "render/multi_sample_symbol.h"

#include <gtest/gtest.h>

#include "render/person_symbols.h"

namespace qv {
namespace {

constexpr TColor kKey = 0x800080;

TEST(MultiSampleSymbol, AveragesCoveredSamplesAndCompositesByCoverage)
{
    TMultiSampleSymbol symbol(8, 4, kKey);
    Bitmap& picture = symbol.Picture();
    picture.SetPixel(0, 0, 0x0000FF);  // block (0, 0): two of sixteen samples
    picture.SetPixel(1, 0, 0x0000F0);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x) picture.SetPixel(x, y, 0x123456);  // block (1, 0): all
    symbol.Reduce(4);
    ASSERT_EQ(symbol.ReducedWidth(), 2);
    ASSERT_EQ(symbol.ReducedHeight(), 1);
    EXPECT_FLOAT_EQ(symbol.At(0, 0).red, 247.5f);
    EXPECT_FLOAT_EQ(symbol.At(0, 0).alpha, 2 / 16.0f);
    EXPECT_FLOAT_EQ(symbol.At(1, 0).alpha, 1.0f);

    Bitmap target(4, 2, 0x00FF00);
    symbol.DrawTo(1, 1, target);
    // The averaged colour is truncated to whole channels before it is blended in.
    EXPECT_EQ(target.Pixel(1, 1), Blend(0x00FF00, 0x0000F7, 2 / 16.0));
    EXPECT_EQ(target.Pixel(2, 1), 0x123456u);
    EXPECT_EQ(target.Pixel(1, 0), 0x00FF00u);
    symbol.DrawTo(3, 1, target);  // partly outside: no harm
    EXPECT_EQ(target.Pixel(3, 1), Blend(0x00FF00, 0x0000F7, 2 / 16.0));
}

int CoveredInRow(const TMultiSampleSymbol& symbol, int row)
{
    int covered = 0;
    for (int i = 0; i < symbol.ReducedWidth(); ++i) covered += symbol.At(i, row).alpha > 0.5f;
    return covered;
}

TEST(PersonSymbols, SixShapesOfSideTwoRadiusPlusOne)
{
    TImageSettings_Symbol setting;
    PersonSymbols filled(setting);
    const TMultiSampleSymbol& male = filled.Symbol('M', SymbolDirection::Down);
    ASSERT_EQ(male.ReducedWidth(), 11);
    ASSERT_EQ(male.ReducedHeight(), 11);
    Bitmap target(11, 11);
    male.DrawTo(0, 0, target);
    EXPECT_EQ(target.Pixel(5, 5), RgbColor(0, 0, 255));
    Bitmap female(11, 11);
    filled.Symbol('F', SymbolDirection::Down).DrawTo(0, 0, female);
    EXPECT_EQ(female.Pixel(5, 5), RgbColor(255, 0, 0));
    EXPECT_LT(female.Pixel(0, 0) == kWhite, 2);  // the disc leaves its corner (nearly) free

    setting.Colored = false;
    setting.Filled = false;
    PersonSymbols outline(setting);
    EXPECT_FALSE(filled.Shows(setting));
    EXPECT_TRUE(outline.Shows(setting));
    Bitmap hollow(11, 11);
    outline.Symbol('M', SymbolDirection::Down).DrawTo(0, 0, hollow);
    EXPECT_EQ(hollow.Pixel(5, 5), kWhite);
    EXPECT_EQ(hollow.Pixel(0, 5), kBlack);

    const TMultiSampleSymbol& down = filled.Symbol('U', SymbolDirection::Down);
    const TMultiSampleSymbol& up = filled.Symbol('?', SymbolDirection::Up);
    EXPECT_GT(CoveredInRow(down, 1), CoveredInRow(down, 8));
    EXPECT_LT(CoveredInRow(up, 1), CoveredInRow(up, 8));
    Bitmap green(11, 11);
    down.DrawTo(0, 0, green);
    EXPECT_EQ(green.Pixel(5, 2), RgbColor(0, 128, 0));
    EXPECT_NE(&filled.Symbol('U', SymbolDirection::Left),
              &filled.Symbol('U', SymbolDirection::Right));
}

}  // namespace
}  // namespace qv
