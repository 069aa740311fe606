// Person selection of the ancestor chart: the sets A, B and C of each tree type.
#include "charts/tree/ancestor_selection.h"

#include <algorithm>
#include <vector>

#include "calc/depth_bounds.h"
#include "calc/family_graph.h"
#include "charts/tree/partner_set.h"
#include "charts/tree/person_sets.h"

namespace qv {
namespace {

// The X-chromosome parents: a man's mother, anybody else's father and mother.
std::array<int64_t, 2> XParentsOf(const TAhnenData& data, int64_t person)
{
    auto parents = ParentsOf(data, person);
    if (data.Persons[person].Sex == 'M') parents[0] = -1;
    return parents;
}

TArrayOfBoolean XAncestorSet(const TAhnenData& data, int64_t proband)
{
    TArrayOfBoolean set(data.Persons.size(), false);
    std::vector<int64_t> stack{proband};
    set[proband] = true;
    while (!stack.empty()) {
        int64_t person = stack.back();
        stack.pop_back();
        for (int64_t parent : XParentsOf(data, person)) {
            if (parent < 0 || set[parent]) continue;
            set[parent] = true;
            stack.push_back(parent);
        }
    }
    return set;
}

// Type 1: persons with two or more children in A, their descendants, and both spouses of
// each of their families that lead into A.
TArrayOfBoolean CollapseLines(const TAhnenData& data, int64_t proband, const TArrayOfBoolean& a)
{
    TArrayOfBoolean b(data.Persons.size(), false);
    std::vector<int64_t> collapse;
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (ChildrenIn(data, static_cast<int64_t>(p), a) > 1) {
            b[p] = true;
            collapse.push_back(static_cast<int64_t>(p));
        }
    }
    MarkDescendants(data, b);
    for (int64_t person : collapse) {
        for (int32_t f : data.Persons[person].SpouseFamilies) {
            const TFamilie& family = data.Families[f];
            if (!FamilyHasChildIn(family, a)) continue;
            if (family.Husband >= 0) b[family.Husband] = true;
            if (family.Wife >= 0) b[family.Wife] = true;
        }
    }
    b[proband] = true;
    return b;
}

TArrayOfBoolean SelectedWithDescendants(const TAhnenData& data, int64_t proband,
                                        const SelectionState& selection)
{
    TArrayOfBoolean b(data.Persons.size(), false);
    for (size_t p = 0; p < data.Persons.size(); ++p) b[p] = selection.IsSelected(int64_t(p));
    MarkDescendants(data, b);
    b[proband] = true;
    return b;
}

}  // namespace

TArrayOfBoolean XLinesTowardSelected(const TAhnenData& data, int64_t proband,
                                     const SelectionState& selection)
{
    TArrayOfBoolean a = XAncestorSet(data, proband);
    enum : uint8_t { kNew, kOpen, kDone };
    std::vector<uint8_t> state(data.Persons.size(), kNew);
    TArrayOfBoolean stays(data.Persons.size(), false);
    std::vector<int64_t> stack{proband};
    while (!stack.empty()) {
        int64_t person = stack.back();
        if (state[person] == kNew && !selection.IsSelected(person)) {
            state[person] = kOpen;
            for (int64_t parent : XParentsOf(data, person))
                if (parent >= 0 && state[parent] == kNew) stack.push_back(parent);
            continue;
        }
        stack.pop_back();
        if (state[person] == kDone) continue;
        bool stay = selection.IsSelected(person);
        for (int64_t parent : XParentsOf(data, person))
            stay = stay || (parent >= 0 && state[parent] == kDone && stays[parent]);
        stays[person] = stay;
        state[person] = kDone;
    }
    // The search reached every person with a state; those leading nowhere leave A. The
    // proband stays even then, so that the chart never loses its root.
    for (size_t p = 0; p < a.size(); ++p)
        if (state[p] == kDone && !stays[p] && int64_t(p) != proband) a[p] = false;
    return a;
}

TArrayOfBoolean SelectAncestorPersons(const TAhnenData& data, int64_t proband,
                                      const TImageSettings& settings)
{
    const TreeChartSettings& tree = settings.Tree;
    if (tree.TreeType != 1 && tree.TreeType != 2) return AncestorSet(data, proband);
    bool xLines = tree.TreeType == 2 && tree.XChromosomalLines;
    TArrayOfBoolean a =
        xLines ? XLinesTowardSelected(data, proband, settings) : AncestorSet(data, proband);
    TArrayOfBoolean b = tree.TreeType == 1 ? CollapseLines(data, proband, a)
                                           : SelectedWithDescendants(data, proband, settings);
    TArrayOfBoolean both = Intersection(a, b);
    bool minimal = tree.TreeType == 1 && tree.TreeType1Min;
    TArrayOfBoolean c = PartnerSet(data, proband, {b, a, minimal, both, a});
    for (size_t p = 0; p < both.size(); ++p) both[p] = both[p] || c[p];
    return both;
}

// An ancestor lies strictly above its descendants (depth_bounds.h), so the search from a person
// leaves out everybody above the highest member of its group: no line up to a member passes
// there. Without the bound each person of a long chain of couples searched the whole chain
// above it.
TArrayOfBoolean FindMarriageCircles(const TAhnenData& data, const TArrayOfBoolean& drawn)
{
    const std::vector<int32_t> group = DrawnMarriageGroups(data, drawn);
    const FamilyGraph graph(data);
    const DepthBounds depth(graph);
    std::vector<int32_t> size(data.Persons.size(), 0), highest(data.Persons.size(), 0);
    for (size_t p = 0; p < group.size(); ++p) {
        if (group[p] < 0) continue;
        ++size[group[p]];
        highest[group[p]] = std::max(highest[group[p]], depth.Below(int32_t(p)));
    }
    TArrayOfBoolean inCircle(data.Persons.size(), false);
    std::vector<int64_t> seenBy(data.Persons.size(), -1), stack;
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (group[p] < 0 || size[group[p]] < 2) continue;
        const int64_t person = int64_t(p);
        stack.assign(1, person);
        seenBy[p] = person;
        while (!stack.empty() && !inCircle[p]) {
            int64_t current = stack.back();
            stack.pop_back();
            for (int64_t parent : ParentsOf(data, current)) {
                if (parent < 0 || seenBy[parent] == person ||
                    depth.Below(int32_t(parent)) > highest[group[p]])
                    continue;
                seenBy[parent] = person;
                if (group[parent] == group[p]) inCircle[p] = true;
                stack.push_back(parent);
            }
        }
    }
    return inCircle;
}

}  // namespace qv
