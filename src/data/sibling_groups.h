// Which ancestors of a proband are siblings: the groups a sibling list states.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"

namespace qv {

// Every person's smallest Kekule number relative to root; 0 for persons who are neither
// root nor its ancestors within the 62 generations that Kekule numbers cover. depthCut, when
// given, tells whether ancestors beyond them were left without a number.
TArrayOfInt64 MinimumKekuleNumbers(const TAhnenData& data, int64_t root, bool* depthCut = nullptr);

// Kekule numbers of sibling-list members stay below 2^62, so that the parents of every
// member still have numbers of 64 bits.
constexpr int64_t kMaxSiblingListNumber = (int64_t{1} << 62) - 1;

struct SiblingMember {
    int64_t Number;  // smallest Kekule number
    int64_t Person;
};
using SiblingGroup = std::vector<SiblingMember>;

struct SiblingGroups {
    std::vector<SiblingGroup> Full;
    std::vector<SiblingGroup> CommonFather;  // half-siblings through the father
    std::vector<SiblingGroup> CommonMother;  // half-siblings through the mother

    // The counters of the completion message: groups, and members over all groups.
    int32_t GroupCount() const;
    int32_t MemberCount() const;
};

// The three lists, each ascending by the number of its groups' first member: children of one
// father by different or unknown mothers, of one mother by different or unknown fathers, and
// of one couple, as far as they are ancestors of root with numbers up to kMaxSiblingListNumber.
// Throws Error with the cycle message when root is its own ancestor: the groups of a cyclic
// ancestry describe no pedigree a list could be read back into.
SiblingGroups BuildSiblingGroups(const TAhnenData& data, int64_t root, bool* depthCut = nullptr);

}  // namespace qv
