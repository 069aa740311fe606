// Minimum Kekule numbers and the sibling groups among a proband's ancestors.
#include "data/sibling_groups.h"

#include <algorithm>

#include "data/cycle_check.h"

namespace qv {
namespace {

// An ancestor whose parents still have Kekule numbers, so that a list naming it can be read.
bool IsListable(const TArrayOfInt64& minimum, int64_t person)
{
    return minimum[person] > 0 && minimum[person] <= kMaxSiblingListNumber;
}

// Children of parent (in its Children order) who are listable ancestors and whose parent
// family has parent in the given role.
SiblingGroup AncestorChildren(const TAhnenData& data, const TArrayOfInt64& minimum, int64_t parent,
                              bool asMother)
{
    SiblingGroup group;
    for (int64_t child : data.Persons[parent].Children) {
        if (!IsListable(minimum, child)) continue;
        const TFamilie& family = data.Families[data.Persons[child].ParentFamily];
        if ((asMother ? family.Wife : family.Husband) == parent)
            group.push_back({minimum[child], child});
    }
    return group;
}

// Half-siblings: two or more children of one parent whose other parents differ or are
// unknown.
void AddHalfSiblings(const TAhnenData& data, const TArrayOfInt64& minimum, bool asMother,
                     std::vector<SiblingGroup>& list)
{
    for (size_t parent = 0; parent < data.Persons.size(); ++parent) {
        SiblingGroup group = AncestorChildren(data, minimum, parent, asMother);
        if (group.size() < 2) continue;
        auto other = [&](const SiblingMember& m) {
            const TFamilie& f = data.Families[data.Persons[m.Person].ParentFamily];
            return asMother ? f.Husband : f.Wife;
        };
        int64_t first = other(group.front());
        bool differ = first < 0 || std::any_of(group.begin(), group.end(),
                                               [&](auto& m) { return other(m) != first; });
        if (differ) list.push_back(std::move(group));
    }
}

void AddFullSiblings(const TAhnenData& data, const TArrayOfInt64& minimum,
                     std::vector<SiblingGroup>& list)
{
    for (const TFamilie& family : data.Families) {
        if (family.Husband < 0 || family.Wife < 0) continue;
        if (minimum[family.Husband] <= 0 || minimum[family.Wife] <= 0) continue;
        SiblingGroup group;
        for (int64_t child : family.Children)
            if (IsListable(minimum, child)) group.push_back({minimum[child], child});
        if (group.size() >= 2) list.push_back(std::move(group));
    }
}

void SortByFirstNumber(std::vector<SiblingGroup>& list)
{
    std::stable_sort(list.begin(), list.end(), [](const SiblingGroup& a, const SiblingGroup& b) {
        return a.front().Number < b.front().Number;
    });
}

}  // namespace

TArrayOfInt64 MinimumKekuleNumbers(const TAhnenData& data, int64_t root, bool* depthCut)
{
    // Generation by generation in ascending numbers: every number of a generation is smaller
    // than any of the next, so a person's first number is its smallest and each person is
    // expanded once, however often it occurs.
    TArrayOfInt64 minimum(data.Persons.size(), 0);
    if (depthCut) *depthCut = false;
    if (root < 0 || root >= static_cast<int64_t>(data.Persons.size())) return minimum;
    std::vector<SiblingMember> generation{{1, root}}, next;
    minimum[root] = 1;
    for (int g = 0; g < kMaxKekuleGeneration && !generation.empty(); ++g) {
        next.clear();
        for (const SiblingMember& m : generation) {
            int64_t parents[] = {data.GetFather(m.Person), data.GetMother(m.Person)};
            for (int64_t i = 0; i < 2; ++i) {
                int64_t parent = parents[i];
                if (parent < 0 || minimum[parent] != 0) continue;
                minimum[parent] = 2 * m.Number + i;
                next.push_back({minimum[parent], parent});
            }
        }
        std::swap(generation, next);
    }
    if (depthCut) {
        auto unnumbered = [&](int64_t parent) { return parent >= 0 && minimum[parent] == 0; };
        *depthCut = std::any_of(generation.begin(), generation.end(), [&](const SiblingMember& m) {
            return unnumbered(data.GetFather(m.Person)) || unnumbered(data.GetMother(m.Person));
        });
    }
    return minimum;
}

int32_t SiblingGroups::GroupCount() const
{
    return static_cast<int32_t>(Full.size() + CommonFather.size() + CommonMother.size());
}

int32_t SiblingGroups::MemberCount() const
{
    size_t members = 0;
    for (const auto* list : {&Full, &CommonFather, &CommonMother})
        for (const SiblingGroup& group : *list) members += group.size();
    return static_cast<int32_t>(members);
}

SiblingGroups BuildSiblingGroups(const TAhnenData& data, int64_t root, bool* depthCut)
{
    if (root >= 0 && root < static_cast<int64_t>(data.Persons.size()))
        CheckAncestryAcyclic(data, root);
    TArrayOfInt64 minimum = MinimumKekuleNumbers(data, root, depthCut);
    SiblingGroups groups;
    AddHalfSiblings(data, minimum, false, groups.CommonFather);
    AddHalfSiblings(data, minimum, true, groups.CommonMother);
    AddFullSiblings(data, minimum, groups.Full);
    for (auto* list : {&groups.Full, &groups.CommonFather, &groups.CommonMother})
        SortByFirstNumber(*list);
    return groups;
}

}  // namespace qv
