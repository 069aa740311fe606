// Included persons and generation heights, walked with explicit stacks.
#include "view3d/ancestry_levels.h"

#include <algorithm>
#include <numeric>

#include "data/ahnen_data.h"

namespace qv {
namespace {

// Union-find over the included persons, joined by every marriage of two included spouses.
class SpouseGroups {
public:
    SpouseGroups(const TAhnenData& data, const TArrayOfBoolean& included)
        : m_parent(data.Persons.size())
    {
        std::iota(m_parent.begin(), m_parent.end(), int64_t{0});
        for (const TFamilie& family : data.Families) {
            if (family.Husband < 0 || family.Wife < 0) continue;
            if (included[family.Husband] && included[family.Wife])
                m_parent[Find(family.Husband)] = Find(family.Wife);
        }
    }
    int64_t Find(int64_t person)
    {
        while (m_parent[person] != person) {
            m_parent[person] = m_parent[m_parent[person]];
            person = m_parent[person];
        }
        return person;
    }

private:
    std::vector<int64_t> m_parent;
};

constexpr int32_t kUnknown = -1;
constexpr int32_t kInProgress = -2;

struct GroupGraph {
    std::vector<int64_t> group;                 // per person: its group's representative
    std::vector<std::vector<int64_t>> members;  // per representative
};

GroupGraph GroupsOf(const TAhnenData& data, const TArrayOfBoolean& included)
{
    SpouseGroups groups(data, included);
    GroupGraph graph{std::vector<int64_t>(data.Persons.size(), -1),
                     std::vector<std::vector<int64_t>>(data.Persons.size())};
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (!included[p]) continue;
        graph.group[p] = groups.Find(static_cast<int64_t>(p));
        graph.members[graph.group[p]].push_back(static_cast<int64_t>(p));
    }
    return graph;
}

// The height of a child as seen from its parents' group, or kUnknown while it still has to
// be computed (then *pending names the group to compute first).
int32_t ChildHeight(int64_t child, int64_t proband, const TArrayOfBoolean& included,
                    const GroupGraph& graph, const std::vector<int32_t>& groupHeight,
                    int64_t* pending)
{
    if (!included[child] || child == proband) return 0;
    int32_t height = groupHeight[graph.group[child]];
    if (height == kUnknown) *pending = graph.group[child];
    // A group still in progress lies on a loop through marriages to ancestors: cut it there.
    return height == kInProgress ? 0 : height;
}

// One step of the walk for the group on top of the stack: true when its height is final.
bool TryFinishGroup(const TAhnenData& data, int64_t group, int64_t proband,
                    const TArrayOfBoolean& included, const GroupGraph& graph,
                    std::vector<int32_t>& groupHeight, std::vector<int64_t>& stack)
{
    int32_t height = 0;
    for (int64_t member : graph.members[group]) {
        for (int64_t child : data.Persons[member].Children) {
            if (child != proband && graph.group[child] == group) continue;
            int64_t pending = -1;
            int32_t childHeight =
                ChildHeight(child, proband, included, graph, groupHeight, &pending);
            if (pending >= 0) {
                stack.push_back(pending);
                groupHeight[pending] = kInProgress;
                return false;
            }
            height = std::max(height, childHeight + 1);
        }
    }
    groupHeight[group] = height;
    return true;
}

}  // namespace

TArrayOfBoolean IncludedAncestry(const TAhnenData& data, int64_t proband)
{
    TArrayOfBoolean included(data.Persons.size(), false);
    std::vector<int64_t> stack{proband};
    included[proband] = true;
    while (!stack.empty()) {
        int64_t person = stack.back();
        stack.pop_back();
        // The mother is pushed first so that the father's line is walked first.
        for (int64_t parent : {data.GetMother(person), data.GetFather(person)}) {
            if (parent < 0 || included[parent]) continue;
            included[parent] = true;
            stack.push_back(parent);
        }
    }
    return included;
}

std::vector<int32_t> GenerationHeights(const TAhnenData& data, const TArrayOfBoolean& included,
                                       int64_t proband)
{
    const GroupGraph graph = GroupsOf(data, included);
    std::vector<int32_t> groupHeight(data.Persons.size(), kUnknown);
    std::vector<int64_t> stack;
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (!included[p] || groupHeight[graph.group[p]] != kUnknown) continue;
        stack.push_back(graph.group[p]);
        groupHeight[graph.group[p]] = kInProgress;
        while (!stack.empty()) {
            if (TryFinishGroup(data, stack.back(), proband, included, graph, groupHeight, stack))
                stack.pop_back();
        }
    }
    std::vector<int32_t> level(data.Persons.size(), 0);
    for (size_t p = 0; p < data.Persons.size(); ++p)
        if (included[p] && static_cast<int64_t>(p) != proband)
            level[p] = groupHeight[graph.group[p]];
    return level;
}

}  // namespace qv
