// Which generation number each row of the tree chart shows in its caption.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/image_nachfahren.h"
#include "charts/tree/image_vorfahren.h"
#include "data/ahnen_data.h"

namespace qv {

// A person's smallest Kekule number as (generation, number); number 0 means none. Numbers
// beyond 62 generations do not fit and are kept at the largest value, the generation exact.
struct SmallestKekule {
    int32_t Generation = 0;
    int64_t Number = 0;
};
std::vector<SmallestKekule> SmallestKekuleNumbers(const TAhnenData& data, int64_t kekuleOne);

// The offset p that ties rows to generations: ancestor row n shows generation -(n + p),
// descendant row i generation -(p - i). It comes from the shown person with the smallest
// Kekule number (ancestor chart first): generation - row, or generation + depth.
int32_t GenerationOffset(const std::vector<SmallestKekule>& kekule,
                         const TImage_Vorfahren& ancestors, const TImage_Nachfahren& descendants);

}  // namespace qv
