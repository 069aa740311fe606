// Building the collateral-relatives copy: levels, marriage groups, cut, placeholder chains.
#include "charts/tree/kindred_data.h"

#include <algorithm>
#include <deque>
#include <numeric>

#include "charts/tree/person_sets.h"
#include "data/cycle_check.h"

namespace qv {
namespace {

// Spouses of any family share the largest level among those of them that have one.
void EqualiseMarriageGroups(const TAhnenData& data, std::vector<int32_t>& level)
{
    std::vector<int64_t> group(data.Persons.size());
    std::iota(group.begin(), group.end(), 0);
    auto find = [&group](int64_t x) {
        while (group[x] != x) x = group[x] = group[group[x]];
        return x;
    };
    for (const TFamilie& f : data.Families)
        if (f.Husband >= 0 && f.Wife >= 0) group[find(f.Husband)] = find(f.Wife);
    std::vector<int32_t> largest(data.Persons.size(), -1);
    for (size_t p = 0; p < level.size(); ++p)
        largest[find(int64_t(p))] = std::max(largest[find(int64_t(p))], level[p]);
    for (size_t p = 0; p < level.size(); ++p)
        if (level[p] >= 0) level[p] = largest[find(int64_t(p))];
}

TPerson Placeholder(int32_t parentFamily)
{
    TPerson person;
    person.Surname = "dummy";
    person.ParentFamily = parentFamily;
    person.IsDummy = true;
    return person;
}

bool HasParents(const TAhnenData& data, int64_t person)
{
    auto parents = ParentsOf(data, person);
    return parents[0] >= 0 || parents[1] >= 0;
}

bool MarriedToAny(const TAhnenData& data, int64_t person, const TArrayOfBoolean& set)
{
    for (int32_t f : data.Persons[person].SpouseFamilies) {
        int64_t spouse = OtherSpouse(data.Families[f], person);
        if (spouse >= 0 && set[spouse]) return true;
    }
    return false;
}

// The person hangs from the root family through depth - 1 placeholders, each the only
// parent of the next.
void Attach(TAhnenData& data, int64_t person, int32_t rootFamily, int32_t chain)
{
    int32_t parentFamily = rootFamily;
    for (int32_t k = 0; k < chain; ++k) {
        int64_t placeholder = int64_t(data.Persons.size());
        data.Persons.push_back(Placeholder(parentFamily));
        TFamilie family;
        family.Husband = placeholder;
        parentFamily = int32_t(data.Families.size());
        data.Families.push_back(family);
    }
    data.Persons[person].ParentFamily = parentFamily;
}

}  // namespace

std::vector<int32_t> AncestorLevels(const TAhnenData& data, int64_t proband)
{
    TArrayOfBoolean ancestors = AncestorSet(data, proband);
    std::vector<int32_t> pending(data.Persons.size(), 0);
    for (size_t p = 0; p < data.Persons.size(); ++p)
        if (ancestors[p])
            for (int64_t parent : ParentsOf(data, int64_t(p)))
                if (parent >= 0) ++pending[parent];
    std::vector<int32_t> level(data.Persons.size(), -1);
    level[proband] = 0;
    std::deque<int64_t> queue{proband};
    while (!queue.empty()) {
        int64_t person = queue.front();
        queue.pop_front();
        for (int64_t parent : ParentsOf(data, person)) {
            if (parent < 0) continue;
            level[parent] = std::max(level[parent], level[person] + 1);
            if (--pending[parent] == 0) queue.push_back(parent);
        }
    }
    return level;
}

KindredData BuildKindredData(const TAhnenData& data, int64_t proband, int32_t maxGeneration)
{
    CheckAncestryAcyclic(data, proband);
    std::vector<int32_t> level = AncestorLevels(data, proband);
    EqualiseMarriageGroups(data, level);
    KindredData kindred{data, int64_t(data.Persons.size())};
    TAhnenData& copy = kindred.Data;
    const int32_t rootFamily = int32_t(copy.Families.size());
    copy.Persons.push_back(Placeholder(-1));
    TFamilie root;
    root.Husband = kindred.Root;
    copy.Families.push_back(root);
    for (size_t p = 0; p < level.size(); ++p)
        if (level[p] > maxGeneration)
            for (int64_t child : data.Persons[p].Children) copy.Persons[child].ParentFamily = -1;
    const int32_t top = std::min(*std::max_element(level.begin(), level.end()), maxGeneration);
    TArrayOfBoolean attached(copy.Persons.size(), false);
    for (int32_t v = top; v >= 0; --v) {
        for (size_t p = 0; p < level.size(); ++p) {
            if (level[p] != v || HasParents(copy, int64_t(p))) continue;
            if (MarriedToAny(copy, int64_t(p), attached)) continue;
            attached[p] = true;
            Attach(copy, int64_t(p), rootFamily, top - v);
        }
    }
    copy.RebuildChildren();
    copy.RebuildSpouseFamilies();
    copy.UpdateLargestSpouseGroup();
    return kindred;
}

}  // namespace qv
