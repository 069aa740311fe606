// The selection state's derived answers and its operations.
#include "data/selection_state.h"

#include <algorithm>

namespace qv {

int64_t SelectionState::GetKekuleOne() const
{
    if (KekuleOneIndex >= 0) return KekuleOneIndex;
    if (SavedProbandIndex >= 0) return SavedProbandIndex;
    return ProbandIndex;
}

bool SelectionState::IsSelected(int64_t person) const
{
    return person >= 0 && person < static_cast<int64_t>(Selected.size()) && Selected[person];
}

void SelectionState::SetSelected(int64_t person, bool selected)
{
    if (person < 0) return;
    if (person >= static_cast<int64_t>(Selected.size())) Selected.resize(person + 1, false);
    Selected[person] = selected;
}

void SelectionState::ClearSelection()
{
    std::fill(Selected.begin(), Selected.end(), false);
}

int64_t SelectionState::SelectedCount() const
{
    return std::count(Selected.begin(), Selected.end(), true);
}

}  // namespace qv
