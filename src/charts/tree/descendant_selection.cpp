// Person selection and generation check of the descendant tree.
#include "charts/tree/descendant_selection.h"

#include <deque>
#include <vector>

#include "charts/tree/partner_set.h"
#include "charts/tree/person_sets.h"
#include "data/error.h"

namespace qv {
namespace {

// Type 1: children of two descendants, with all their ancestors.
TArrayOfBoolean InnerMarriageLines(const TAhnenData& data, const TArrayOfBoolean& a)
{
    TArrayOfBoolean b(data.Persons.size(), false);
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        auto parents = ParentsOf(data, int64_t(p));
        b[p] = parents[0] >= 0 && parents[1] >= 0 && a[parents[0]] && a[parents[1]];
    }
    MarkAncestors(data, b);
    return b;
}

TArrayOfBoolean SelectedWithAncestors(const TAhnenData& data, const SelectionState& selection)
{
    TArrayOfBoolean b(data.Persons.size(), false);
    for (size_t p = 0; p < data.Persons.size(); ++p) b[p] = selection.IsSelected(int64_t(p));
    MarkAncestors(data, b);
    return b;
}

// Groups that a topological order over parent-to-child links reaches; a group left out lies
// on or below a cycle of groups, the only place where a person can meet its own ancestor.
TArrayOfBoolean OrderedGroups(const TAhnenData& data, const TArrayOfBoolean& drawn,
                              const std::vector<int32_t>& group, int32_t groups)
{
    std::vector<int32_t> pending(groups, 0);
    std::vector<std::vector<int32_t>> below(groups);
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (!drawn[p]) continue;
        for (int64_t parent : ParentsOf(data, int64_t(p))) {
            if (parent < 0 || !drawn[parent]) continue;
            below[group[parent]].push_back(group[p]);
            ++pending[group[p]];
        }
    }
    TArrayOfBoolean done(groups, false);
    std::deque<int32_t> queue;
    for (int32_t g = 0; g < groups; ++g)
        if (pending[g] == 0) queue.push_back(g);
    while (!queue.empty()) {
        int32_t g = queue.front();
        queue.pop_front();
        done[g] = true;
        for (int32_t next : below[g])
            if (--pending[next] == 0) queue.push_back(next);
    }
    return done;
}

bool HasAncestorInGroup(const TAhnenData& data, const TArrayOfBoolean& drawn,
                        const std::vector<int32_t>& group, int64_t person)
{
    std::vector<int64_t> stack{person};
    TArrayOfBoolean seen(data.Persons.size(), false);
    while (!stack.empty()) {
        int64_t current = stack.back();
        stack.pop_back();
        for (int64_t parent : ParentsOf(data, current)) {
            if (parent < 0 || !drawn[parent] || seen[parent]) continue;
            if (group[parent] == group[person]) return true;
            seen[parent] = true;
            stack.push_back(parent);
        }
    }
    return false;
}

}  // namespace

TArrayOfBoolean SelectDescendantPersons(const TAhnenData& data, int64_t proband,
                                        const TImageSettings& settings)
{
    const TreeChartSettings& tree = settings.Tree;
    TArrayOfBoolean a = DescendantSet(data, proband);
    if (tree.TreeType != 1 && tree.TreeType != 2) {
        TArrayOfBoolean c = PartnerSet(data, proband, {a, a, false, a, a});
        for (size_t p = 0; p < a.size(); ++p) a[p] = a[p] || c[p];
        return a;
    }
    TArrayOfBoolean b =
        tree.TreeType == 1 ? InnerMarriageLines(data, a) : SelectedWithAncestors(data, settings);
    TArrayOfBoolean both = Intersection(a, b);
    bool minimal = tree.TreeType == 1 && tree.TreeType1Min;
    TArrayOfBoolean c = PartnerSet(data, proband, {both, both, minimal, both, both});
    for (size_t p = 0; p < both.size(); ++p) both[p] = both[p] || c[p];
    return both;
}

void CheckDescendantGenerations(const TAhnenData& data, const TArrayOfBoolean& drawn)
{
    std::vector<int32_t> group = DrawnMarriageGroups(data, drawn);
    int32_t groups = 0;
    for (int32_t g : group) groups = std::max(groups, g + 1);
    TArrayOfBoolean ordered = OrderedGroups(data, drawn, group, groups);
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (!drawn[p] || ordered[group[p]]) continue;
        if (!HasAncestorInGroup(data, drawn, group, int64_t(p))) continue;
        const TPerson& person = data.Persons[p];
        throw Error("Fehler: Ausgabe nicht möglich!\r\nDie Person " + person.Surname + ", " +
                    person.GivenNames + " (" + person.Id +
                    ") soll in der selben Generation wie ihre Eltern dargestellt werden.");
    }
}

}  // namespace qv
