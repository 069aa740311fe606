// One individual of the family file; links to families are array indexes.
#pragma once

#include <string>

#include "data/array_types.h"
#include "data/ort_datum.h"

namespace qv {

struct TPerson {
    std::string Id;
    std::string Surname;
    std::string GivenNames;
    TOrtDatum Birth;
    TOrtDatum Death;
    TOrtDatum Christening;
    TOrtDatum Burial;
    // The first byte of the SEX value as written; 'U' when the record has none.
    char Sex = 'U';
    int32_t ParentFamily = -1;
    std::string ParentFamilyId;
    TArrayOfInteger SpouseFamilies;
    TArrayOfInt64 Children;
    // Placeholder persons that chart code adds to its working copies.
    bool IsDummy = false;
};

}  // namespace qv
