// Which persons the descendant tree shows, and the check that they can be drawn in rows.
#pragma once

#include <cstdint>

#include "app/image_settings.h"
#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

// AT_TREE_TYPE 0: the proband, its descendants and their partners with common descendants.
// Types 1 and 2: the lines down to descendants whose parents are both descendants (type 1)
// or to selected persons (type 2), with the partners through whom they meet.
TArrayOfBoolean SelectDescendantPersons(const TAhnenData& data, int64_t proband,
                                        const TImageSettings& settings);

// Spouses share a row, so no drawn person may have a drawn ancestor among the persons linked
// to it by marriages (with drawn children). Throws Error naming the first such person.
void CheckDescendantGenerations(const TAhnenData& data, const TArrayOfBoolean& drawn);

}  // namespace qv
