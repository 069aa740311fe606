// Iterative walks, so that deep ancestries and long descendant chains cannot exhaust the stack.
#include "charts/tree/person_sets.h"

#include <vector>

namespace qv {
namespace {

template <typename Next>
void MarkReachable(const TAhnenData& data, TArrayOfBoolean& set, Next next)
{
    std::vector<int64_t> stack;
    for (size_t p = 0; p < set.size(); ++p)
        if (set[p]) stack.push_back(static_cast<int64_t>(p));
    while (!stack.empty()) {
        int64_t person = stack.back();
        stack.pop_back();
        next(data, person, [&](int64_t other) {
            if (other < 0 || set[other]) return;
            set[other] = true;
            stack.push_back(other);
        });
    }
}

}  // namespace

std::array<int64_t, 2> ParentsOf(const TAhnenData& data, int64_t person)
{
    int32_t f = data.Persons[person].ParentFamily;
    if (f < 0) return {-1, -1};
    return {data.Families[f].Husband, data.Families[f].Wife};
}

int64_t OtherSpouse(const TFamilie& family, int64_t person)
{
    return family.Husband == person ? family.Wife : family.Husband;
}

void MarkAncestors(const TAhnenData& data, TArrayOfBoolean& set)
{
    MarkReachable(data, set, [](const TAhnenData& d, int64_t person, auto visit) {
        for (int64_t parent : ParentsOf(d, person)) visit(parent);
    });
}

void MarkDescendants(const TAhnenData& data, TArrayOfBoolean& set)
{
    MarkReachable(data, set, [](const TAhnenData& d, int64_t person, auto visit) {
        for (int64_t child : d.Persons[person].Children) visit(child);
    });
}

TArrayOfBoolean AncestorSet(const TAhnenData& data, int64_t person)
{
    TArrayOfBoolean set(data.Persons.size(), false);
    set[person] = true;
    MarkAncestors(data, set);
    return set;
}

TArrayOfBoolean DescendantSet(const TAhnenData& data, int64_t person)
{
    TArrayOfBoolean set(data.Persons.size(), false);
    set[person] = true;
    MarkDescendants(data, set);
    return set;
}

int32_t ChildrenIn(const TAhnenData& data, int64_t person, const TArrayOfBoolean& set)
{
    int32_t count = 0;
    for (int64_t child : data.Persons[person].Children) count += set[child] ? 1 : 0;
    return count;
}

bool FamilyHasChildIn(const TFamilie& family, const TArrayOfBoolean& set)
{
    for (int64_t child : family.Children)
        if (set[child]) return true;
    return false;
}

TArrayOfBoolean FamiliesWithChildIn(const TAhnenData& data, const TArrayOfBoolean& set)
{
    TArrayOfBoolean result(data.Families.size(), false);
    for (size_t f = 0; f < data.Families.size(); ++f)
        result[f] = FamilyHasChildIn(data.Families[f], set);
    return result;
}

std::vector<int32_t> DrawnMarriageGroups(const TAhnenData& data, const TArrayOfBoolean& drawn)
{
    TArrayOfBoolean linked = FamiliesWithChildIn(data, drawn);
    std::vector<int32_t> group(data.Persons.size(), -1);
    int32_t next = 0;
    std::vector<int64_t> queue;
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (!drawn[p] || group[p] >= 0) continue;
        queue.assign(1, int64_t(p));
        group[p] = next;
        for (size_t head = 0; head < queue.size(); ++head) {
            for (int32_t f : data.Persons[queue[head]].SpouseFamilies) {
                int64_t spouse = OtherSpouse(data.Families[f], queue[head]);
                if (!linked[f] || spouse < 0 || !drawn[spouse] || group[spouse] >= 0) continue;
                group[spouse] = next;
                queue.push_back(spouse);
            }
        }
        ++next;
    }
    return group;
}

TArrayOfBoolean Intersection(const TArrayOfBoolean& a, const TArrayOfBoolean& b)
{
    TArrayOfBoolean result(a.size(), false);
    for (size_t i = 0; i < a.size(); ++i) result[i] = a[i] && b[i];
    return result;
}

}  // namespace qv
