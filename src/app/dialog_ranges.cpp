// Spin-edit ranges of the tree chart, triangle, circle chart and table dialogs.
#include "app/dialog_ranges.h"

#include <algorithm>

namespace qv {
namespace {

template <typename Number>
void Clamp(Number& value, Number min, Number max)
{
    value = std::clamp(value, min, max);
}

template <typename Column>
void ClampColumnCount(std::vector<Column>& columns)
{
    columns.resize(std::clamp<size_t>(columns.size(), 1, 50));
}

}  // namespace

void ApplyDialogRanges(TImageSettings& settings)
{
    Clamp<uint8_t>(settings.Symbol.Radius, 2, 25);
    Clamp<uint8_t>(settings.FontSize, 5, 100);
    Clamp<uint32_t>(settings.NodeWidth, 1, 1000);
    Clamp<uint32_t>(settings.NodeHeight, 1, 1000);
    Clamp<uint8_t>(settings.Tree.TreeMaxGen, 0, 99);
    Clamp<uint8_t>(settings.Tree.TreeMaxGenDescendant, 0, 99);
    Clamp<int32_t>(settings.Tree.FootnoteThreshold, 2, 1000000);
    Clamp<uint8_t>(settings.Triangle.TreeMaxGen, 0, 99);
    Clamp<uint8_t>(settings.Triangle.TreeMaxGenDescendant, 0, 99);
    Clamp<uint8_t>(settings.Circle.TreeMaxGen, 0, 99);
    Clamp<uint32_t>(settings.Circle.NodeHeight, 50, 1000);
    ClampColumnCount(settings.TableColumns);
    ClampColumnCount(settings.GenTableColumns);
}

}  // namespace qv
