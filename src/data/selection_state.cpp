// The selection state's derived answers.
#include "data/selection_state.h"

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

}  // namespace qv
