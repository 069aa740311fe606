// Drawing the six supersampled person symbols.
#include "render/person_symbols.h"

#include <vector>

#include "render/canvas.h"

namespace qv {
namespace {

constexpr TColor kSymbolKey = 0x800080;
constexpr int kSamples = 4;

TMultiSampleSymbol MakeSymbol(int r, TColor colour, bool coloured, bool filled, int shape)
{
    int side = 8 * r + 4, far = 8 * r - 2, mid = 4 * r;
    TMultiSampleSymbol symbol(side, side, kSymbolKey);
    {
        Canvas canvas(symbol.Picture());
        TColor pen = coloured ? colour : kBlack;
        canvas.SetPen(pen, 4);
        canvas.SetBrush(filled ? pen : kWhite);
        switch (shape) {
            case 0:
                canvas.Rectangle(2, 2, far, far);
                break;
            case 1:
                canvas.Ellipse(2, 2, far, far);
                break;
            case 2:
                canvas.Polygon({{2, 2}, {8 * r - 1, 2}, {mid, far}});
                break;
            case 3:
                canvas.Polygon({{2, far}, {far, far}, {mid, 2}});
                break;
            case 4:
                canvas.Polygon({{2, far}, {2, 2}, {far, mid}});
                break;
            default:
                canvas.Polygon({{far, far}, {far, 2}, {2, mid}});
                break;
        }
    }
    symbol.Reduce(kSamples);
    return symbol;
}

}  // namespace

PersonSymbols::PersonSymbols(const TImageSettings_Symbol& s)
    : m_setting(s),
      m_symbols{MakeSymbol(s.Radius, s.SquareColor, s.Colored, s.Filled, 0),
                MakeSymbol(s.Radius, s.CircleColor, s.Colored, s.Filled, 1),
                MakeSymbol(s.Radius, s.TriangleColor, s.Colored, s.Filled, 2),
                MakeSymbol(s.Radius, s.TriangleColor, s.Colored, s.Filled, 3),
                MakeSymbol(s.Radius, s.TriangleColor, s.Colored, s.Filled, 4),
                MakeSymbol(s.Radius, s.TriangleColor, s.Colored, s.Filled, 5)}
{
}

bool PersonSymbols::Shows(const TImageSettings_Symbol& setting) const
{
    return setting.Radius == m_setting.Radius && setting.Colored == m_setting.Colored &&
           setting.Filled == m_setting.Filled;
}

const TMultiSampleSymbol& PersonSymbols::Symbol(char sex, SymbolDirection direction) const
{
    if (sex == 'M') return m_symbols[0];
    if (sex == 'F') return m_symbols[1];
    return m_symbols[2 + static_cast<int>(direction)];
}

}  // namespace qv
