// Spin-edit ranges and radio-group choices of the output dialogs.
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

// A radio group shows no choice for a value beyond its last item, and the outputs would read
// it as some other choice (a direction past "Rechts -> Links" drew the descendant tree into
// the ancestor chart), so such values take the nearest choice, as spin edits do.
void ClampChoices(TImageSettings& settings)
{
    Clamp<uint8_t>(settings.Tree.Alignment, 0, 3);
    Clamp<uint8_t>(settings.Tree.Label, 0, 3);
    Clamp<uint8_t>(settings.Tree.LabelGen, 0, 1);
    Clamp<uint8_t>(settings.Tree.Sorting, 0, 2);
    Clamp<uint8_t>(settings.Tree.TreeType, 0, 2);
    Clamp<uint8_t>(settings.Triangle.Alignment, 0, 3);
    Clamp<uint8_t>(settings.Triangle.Label, 0, 3);
    Clamp<uint8_t>(settings.Triangle.TreeType, 0, 2);
    Clamp<uint8_t>(settings.Circle.Shape, 0, 1);
    Clamp<int32_t>(settings.FrequencyValue, 0, 8);
}

}  // namespace

void ApplyDialogRanges(TImageSettings& settings)
{
    ClampChoices(settings);
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
