// The set C of the tree-chart selections: partners through whom the selected lines meet.
#pragma once

#include <cstdint>

#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

struct PartnerRule {
    // A family counts when its other spouse is in Partners and one of its children in Children.
    const TArrayOfBoolean& Partners;
    const TArrayOfBoolean& Children;
    // "minimale Darstellung": a person with two or more children in Both belongs to C at once;
    // otherwise its partner must have more than one child in PartnerChildren.
    bool Minimal = false;
    const TArrayOfBoolean& Both;
    const TArrayOfBoolean& PartnerChildren;
};

// Every person of the data that has a counting family; with Minimal, the proband's partners
// are left out.
TArrayOfBoolean PartnerSet(const TAhnenData& data, int64_t proband, const PartnerRule& rule);

}  // namespace qv
