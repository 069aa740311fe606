// Walks over parents, children and spouses that the tree-chart selections are made of.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

// Father and mother (each -1 when unknown).
std::array<int64_t, 2> ParentsOf(const TAhnenData& data, int64_t person);
// The spouse of a family other than the person; -1 when there is none.
int64_t OtherSpouse(const TFamilie& family, int64_t person);

// Adds every ancestor (resp. descendant) of the marked persons to the set.
void MarkAncestors(const TAhnenData& data, TArrayOfBoolean& set);
void MarkDescendants(const TAhnenData& data, TArrayOfBoolean& set);
// The person with all of its ancestors (resp. descendants).
TArrayOfBoolean AncestorSet(const TAhnenData& data, int64_t person);
TArrayOfBoolean DescendantSet(const TAhnenData& data, int64_t person);

// How many of the person's children are in the set.
int32_t ChildrenIn(const TAhnenData& data, int64_t person, const TArrayOfBoolean& set);
bool FamilyHasChildIn(const TFamilie& family, const TArrayOfBoolean& set);
// Per family: at least one child is in the set.
TArrayOfBoolean FamiliesWithChildIn(const TAhnenData& data, const TArrayOfBoolean& set);

// Drawn persons linked by marriages that have drawn children: one group number per person,
// -1 for persons not drawn.
std::vector<int32_t> DrawnMarriageGroups(const TAhnenData& data, const TArrayOfBoolean& drawn);

// Element-wise a && b.
TArrayOfBoolean Intersection(const TArrayOfBoolean& a, const TArrayOfBoolean& b);

}  // namespace qv
