// Detection of persons who are, through FAMC/HUSB/WIFE links, their own ancestors.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

class TAhnenData;

// A person on a cycle reachable upward (resp. downward) from root, or -1.
int64_t FindCycleInAncestry(const TAhnenData& data, int64_t root);
int64_t FindCycleInDescendants(const TAhnenData& data, int64_t root);
// A person on any cycle of the whole file, or -1.
int64_t FindAnyCycle(const TAhnenData& data);

// Throw Error with CycleMessage when the walk from root would meet a cycle.
void CheckAncestryAcyclic(const TAhnenData& data, int64_t root);
void CheckDescendantsAcyclic(const TAhnenData& data, int64_t root);

std::string CycleMessage(const TAhnenData& data, int64_t person);

}  // namespace qv
