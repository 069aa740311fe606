// The field rules that turn INDI and FAM records of the line tree into persons and families.
#pragma once

#include <vector>

#include "data/familie.h"
#include "data/gedcom_tree.h"
#include "data/person.h"

namespace qv {

// Every level-0 INDI and FAM record with a cross-reference id, in file order; links stay ids.
void ReadGedcomRecords(const TGedcom& tree, std::vector<TPerson>& persons,
                       std::vector<TFamilie>& families);

}  // namespace qv
