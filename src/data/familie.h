// One couple with its children; both parents are optional.
#pragma once

#include <string>

#include "data/array_types.h"
#include "data/ort_datum.h"

namespace qv {

struct TFamilie {
    std::string Id;
    int64_t Husband = -1;
    int64_t Wife = -1;
    // Derived from the children's FAMC links, ascending by person index.
    TArrayOfInt64 Children;
    std::string HusbandId;
    std::string WifeId;
    TOrtDatum Marriage;
};

}  // namespace qv
