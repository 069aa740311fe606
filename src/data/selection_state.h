// Who the user chose: proband, Kekule-1 person and the selected persons.
#pragma once

#include <cstdint>

#include "data/array_types.h"

namespace qv {

struct SelectionState {
    int64_t ProbandIndex = -1;
    int64_t KekuleOneIndex = -1;
    // The real proband while a placeholder person stands in for it on a working copy.
    int64_t SavedProbandIndex = -1;
    // May be shorter than the person array; missing entries read as not selected.
    TArrayOfBoolean Selected;

    // The person who carries Kekule number 1 in every calculation.
    int64_t GetKekuleOne() const;
    bool IsSelected(int64_t person) const;
    // Grows Selected with unselected entries as needed; negative indexes are ignored.
    void SetSelected(int64_t person, bool selected);
    // Unselects everybody; the length of Selected is kept.
    void ClearSelection();
    int64_t SelectedCount() const;
};

}  // namespace qv
