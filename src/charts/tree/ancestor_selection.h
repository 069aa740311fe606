// Which persons the ancestor chart shows, and which of them are in a marriage circle.
#pragma once

#include <cstdint>

#include "app/image_settings.h"
#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

// AT_TREE_TYPE 0: the proband and all ancestors. Types 1 ("Heiratskreise") and 2 ("ausgewählte
// Personen"): the lines that meet in pedigree collapse, or that lead to selected persons, with
// the partners through whom they meet. The proband is always shown.
TArrayOfBoolean SelectAncestorPersons(const TAhnenData& data, int64_t proband,
                                      const TImageSettings& settings);

// The proband and its ancestors along X-chromosome inheritance that lead to a selected
// person ("nur x-chrom. Linien"); X-ancestors above a selected person are kept.
TArrayOfBoolean XLinesTowardSelected(const TAhnenData& data, int64_t proband,
                                     const SelectionState& selection);

// A drawn person is in a marriage circle when the drawn persons linked to it by marriages
// with drawn children include one of its ancestors.
TArrayOfBoolean FindMarriageCircles(const TAhnenData& data, const TArrayOfBoolean& drawn);

}  // namespace qv
