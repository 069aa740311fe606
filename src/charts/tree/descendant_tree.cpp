// Building the descendant tree: nodes depth-first from the proband, partners beside their
// spouses, depths as longest paths with spouses level, the depth limit, and the final order.
#include "charts/tree/descendant_tree.h"

#include <algorithm>
#include <array>
#include <deque>
#include <numeric>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

struct BuildSets {
    TArrayOfBoolean Build;    // the proband and the descendants the tree is built from
    TArrayOfBoolean Addable;  // partners from outside who have children in the build set
};

bool BothParentsIn(const TAhnenData& data, int64_t person, const TArrayOfBoolean& set)
{
    auto parents = ParentsOf(data, person);
    return parents[0] >= 0 && parents[1] >= 0 && set[parents[0]] && set[parents[1]];
}

void FindAddable(const TAhnenData& data, bool minimal, BuildSets& sets)
{
    sets.Addable.assign(data.Persons.size(), false);
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        if (sets.Build[p]) continue;
        int32_t children = 0;
        bool found = false;
        for (int32_t f : data.Persons[p].SpouseFamilies) {
            const TFamilie& family = data.Families[f];
            int64_t spouse = OtherSpouse(family, int64_t(p));
            if (spouse < 0 || !sets.Build[spouse] || !FamilyHasChildIn(family, sets.Build))
                continue;
            found = true;
            for (int64_t child : family.Children) children += sets.Build[child] ? 1 : 0;
        }
        sets.Addable[p] = found && (!minimal || children > 1);
    }
}

// Type 0 builds from all descendants; types 1 and 2 only from those leading to a child of two
// descendants (type 1) or to a selected descendant (type 2).
BuildSets MakeBuildSets(const TAhnenData& data, int64_t proband, const TImageSettings& settings)
{
    const TreeChartSettings& tree = settings.Tree;
    TArrayOfBoolean descendants = DescendantSet(data, proband);
    BuildSets sets{descendants, {}};
    if (tree.TreeType == 1 || tree.TreeType == 2) {
        TArrayOfBoolean closure(data.Persons.size(), false);
        for (size_t p = 0; p < closure.size(); ++p) {
            if (!descendants[p]) continue;
            closure[p] = tree.TreeType == 1 ? BothParentsIn(data, int64_t(p), descendants)
                                            : settings.IsSelected(int64_t(p));
        }
        MarkAncestors(data, closure);
        sets.Build = Intersection(descendants, closure);
    }
    FindAddable(data, tree.TreeType == 1 && tree.TreeType1Min, sets);
    return sets;
}

class TreeBuilder {
public:
    TreeBuilder(const TAhnenData& data, int64_t proband, BuildSets sets)
        : m_data(data),
          m_proband(proband),
          m_sets(std::move(sets)),
          m_treeParent(data.Persons.size(), -1),
          m_hasNode(data.Persons.size(), false),
          m_depth(data.Persons.size(), -1)
    {
    }

    void Grow();
    void ComputeDepths();
    void ApplyDepthLimit(int32_t limit, TArrayOfBoolean& drawn);
    TTree Reparent(TArrayOfBoolean& drawn);
    int32_t DepthOf(int64_t person) const { return m_hasNode[person] ? m_depth[person] : -1; }

private:
    enum class Step { Children, Partners, Hang };
    struct Task {
        Step step;
        int64_t person;  // whose children are walked, or below whom partners go
        int64_t other;   // the child whose partners are walked
        size_t next;
    };

    void AddNode(int64_t person, int64_t below);
    bool ParentAddable(int64_t person) const;
    // Each step moves its cursor and writes the tasks it starts; returns how many.
    using NewTasks = std::array<Task, 2>;
    int AdvanceChildren(Task& task, NewTasks& more);
    int AdvancePartners(Task& task, NewTasks& more);
    int AdvanceHang(Task& task, NewTasks& more);
    bool IsChildOf(int64_t child, int64_t parent) const;
    bool HasChildWithNode(int64_t person) const;
    void PlaceOrderly(TTree& tree);

    const TAhnenData& m_data;
    int64_t m_proband;
    BuildSets m_sets;
    std::vector<int64_t> m_treeParent;
    TArrayOfBoolean m_hasNode;
    std::vector<int32_t> m_depth;
};

void TreeBuilder::AddNode(int64_t person, int64_t below)
{
    m_hasNode[person] = true;
    m_treeParent[person] = below;
}

bool TreeBuilder::ParentAddable(int64_t person) const
{
    for (int64_t parent : ParentsOf(m_data, person))
        if (parent >= 0 && m_sets.Addable[parent]) return true;
    return false;
}

// The next child of the build set gets its node and its subtree at once; its partners follow.
int TreeBuilder::AdvanceChildren(Task& task, NewTasks& more)
{
    const TArrayOfInt64& children = m_data.Persons[task.person].Children;
    while (task.next < children.size()) {
        int64_t child = children[task.next++];
        if (!m_sets.Build[child] || m_hasNode[child]) continue;
        AddNode(child, task.person);
        more = {Task{Step::Partners, task.person, child, 0}, Task{Step::Children, child, -1, 0}};
        return 2;
    }
    return 0;
}

// A partner from outside stands beside the child it has children with.
int TreeBuilder::AdvancePartners(Task& task, NewTasks& more)
{
    const TArrayOfInteger& families = m_data.Persons[task.other].SpouseFamilies;
    while (task.next < families.size()) {
        int64_t partner = OtherSpouse(m_data.Families[families[task.next++]], task.other);
        if (partner < 0 || !m_sets.Addable[partner] || m_hasNode[partner]) continue;
        if (ParentAddable(partner)) continue;
        AddNode(partner, task.person);
        more[0] = {Step::Hang, partner, -1, 0};
        return 1;
    }
    return 0;
}

// Children of a partner who are partners themselves hang below it.
int TreeBuilder::AdvanceHang(Task& task, NewTasks& more)
{
    const TArrayOfInt64& children = m_data.Persons[task.person].Children;
    while (task.next < children.size()) {
        int64_t child = children[task.next++];
        if (!m_sets.Addable[child] || m_hasNode[child]) continue;
        AddNode(child, task.person);
        more[0] = {Step::Hang, child, -1, 0};
        return 1;
    }
    return 0;
}

void TreeBuilder::Grow()
{
    AddNode(m_proband, -1);
    std::vector<Task> stack{{Step::Children, m_proband, -1, 0}};
    NewTasks more{};
    while (!stack.empty()) {
        Task task = stack.back();
        stack.pop_back();
        int started = 0;
        switch (task.step) {
            case Step::Children:
                started = AdvanceChildren(task, more);
                break;
            case Step::Partners:
                started = AdvancePartners(task, more);
                break;
            case Step::Hang:
                started = AdvanceHang(task, more);
                break;
        }
        if (started == 0) continue;
        stack.push_back(task);
        stack.insert(stack.end(), more.begin(), more.begin() + started);
    }
}

// Spouse groups as a graph: per group representative, the groups that must stand deeper.
struct DepthGraph {
    std::vector<int64_t> Group;  // per person: its group's representative
    std::vector<std::vector<int64_t>> Below;
    std::vector<int32_t> Pending;  // per group: links from groups above not yet taken
};

int64_t FindGroup(std::vector<int64_t>& group, int64_t x)
{
    while (group[x] != x) x = group[x] = group[group[x]];
    return x;
}

DepthGraph BuildDepthGraph(const TAhnenData& data, int64_t proband, const TArrayOfBoolean& hasNode,
                           const std::vector<int64_t>& treeParent)
{
    const size_t count = data.Persons.size();
    DepthGraph graph{std::vector<int64_t>(count), std::vector<std::vector<int64_t>>(count),
                     std::vector<int32_t>(count, 0)};
    std::iota(graph.Group.begin(), graph.Group.end(), 0);
    for (const TFamilie& family : data.Families) {
        if (family.Husband < 0 || family.Wife < 0) continue;
        if (!hasNode[family.Husband] || !hasNode[family.Wife]) continue;
        if (FamilyHasChildIn(family, hasNode))
            graph.Group[FindGroup(graph.Group, family.Husband)] =
                FindGroup(graph.Group, family.Wife);
    }
    for (size_t p = 0; p < count; ++p) graph.Group[p] = FindGroup(graph.Group, int64_t(p));
    for (size_t p = 0; p < count; ++p) {
        if (!hasNode[p] || int64_t(p) == proband) continue;
        auto parents = ParentsOf(data, int64_t(p));
        for (int64_t above : {treeParent[p], parents[0], parents[1]}) {
            if (above < 0 || !hasNode[above] || graph.Group[above] == graph.Group[p]) continue;
            graph.Below[graph.Group[above]].push_back(graph.Group[p]);
            ++graph.Pending[graph.Group[p]];
        }
    }
    return graph;
}

// Longest paths in topological order. Groups on a cycle of parent links cannot be ordered;
// they are taken as they come, so that such data still gets depths.
std::vector<int32_t> LongestPaths(DepthGraph& graph, const TArrayOfBoolean& hasNode)
{
    const size_t count = graph.Group.size();
    std::vector<int32_t> depth(count, 0);
    TArrayOfBoolean done(count, false);
    std::deque<int64_t> queue;
    for (size_t p = 0; p < count; ++p) {
        if (hasNode[p] && graph.Group[p] == int64_t(p) && graph.Pending[p] == 0) {
            done[p] = true;
            queue.push_back(int64_t(p));
        }
    }
    for (size_t forced = 0;;) {
        while (!queue.empty()) {
            int64_t g = queue.front();
            queue.pop_front();
            for (int64_t next : graph.Below[g]) {
                depth[next] = std::max(depth[next], depth[g] + 1);
                if (--graph.Pending[next] == 0 && !done[next]) {
                    done[next] = true;
                    queue.push_back(next);
                }
            }
        }
        while (forced < count && (!hasNode[forced] || done[graph.Group[forced]])) ++forced;
        if (forced == count) break;
        done[graph.Group[forced]] = true;
        queue.push_back(graph.Group[forced]);
    }
    return depth;
}

// A child is one deeper than its tree parent and than each parent with a node, and the
// spouses of a family with children in the tree stand at one depth.
void TreeBuilder::ComputeDepths()
{
    DepthGraph graph = BuildDepthGraph(m_data, m_proband, m_hasNode, m_treeParent);
    std::vector<int32_t> depth = LongestPaths(graph, m_hasNode);
    for (size_t p = 0; p < m_depth.size(); ++p)
        m_depth[p] = m_hasNode[p] ? depth[graph.Group[p]] : -1;
}

bool TreeBuilder::IsChildOf(int64_t child, int64_t parent) const
{
    auto parents = ParentsOf(m_data, child);
    return parent >= 0 && (parents[0] == parent || parents[1] == parent);
}

bool TreeBuilder::HasChildWithNode(int64_t person) const
{
    for (int64_t child : m_data.Persons[person].Children)
        if (m_hasNode[child]) return true;
    return false;
}

void TreeBuilder::ApplyDepthLimit(int32_t limit, TArrayOfBoolean& drawn)
{
    for (size_t p = 0; p < m_hasNode.size(); ++p) {
        if (m_hasNode[p] && m_depth[p] > limit) {
            m_hasNode[p] = false;
            drawn[p] = false;
        }
    }
    // Partners whose common children fell away have nothing left to stand for.
    for (size_t p = 0; p < m_hasNode.size(); ++p) {
        int64_t person = int64_t(p);
        if (!m_hasNode[p] || person == m_proband || IsChildOf(person, m_treeParent[p])) continue;
        if (HasChildWithNode(person)) continue;
        m_hasNode[p] = false;
        drawn[p] = false;
    }
    ComputeDepths();
}

// The final tree, hung again from the root: a node with one parent in the tree goes below it;
// a child of two parents in the tree goes below the one on the earlier branch, once both are
// placed; partners without parents in the tree go beside the spouse they have children with.
class Reparenting {
public:
    Reparenting(const TAhnenData& data, const TArrayOfBoolean& hasNode,
                const std::vector<int32_t>& depth)
        : m_data(data), m_hasNode(hasNode), m_depth(depth)
    {
        m_tree.NodeOf.assign(data.Persons.size(), -1);
    }

    TTree Run(int64_t proband)
    {
        Attach(proband, -1, false);
        while (!m_queue.empty()) {
            int32_t node = m_queue.front();
            m_queue.pop_front();
            for (int64_t child : m_data.Persons[m_tree.Nodes[node].Person].Children)
                PlaceChild(child, node);
        }
        return std::move(m_tree);
    }

private:
    bool Placed(int64_t person) const { return m_tree.NodeOf[person] >= 0; }

    void Attach(int64_t person, int32_t parent, bool own)
    {
        int32_t index = int32_t(m_tree.Nodes.size());
        TTree_Node node;
        node.Person = int32_t(person);
        node.Depth = m_depth[person];
        node.Parent = parent;
        m_tree.Nodes.push_back(std::move(node));
        m_tree.NodeOf[person] = index;
        m_indexInParent.push_back(0);
        if (parent >= 0) {
            m_indexInParent[index] = int32_t(m_tree.Nodes[parent].Children.size());
            m_tree.Nodes[parent].Children.push_back(index);
            if (own) m_tree.Nodes[parent].OwnChildren.push_back(index);
        }
        m_queue.push_back(index);
    }

    void PlaceChild(int64_t child, int32_t node)
    {
        if (!m_hasNode[child] || Placed(child)) return;
        auto parents = ParentsOf(m_data, child);
        bool father = parents[0] >= 0 && m_hasNode[parents[0]];
        bool mother = parents[1] >= 0 && m_hasNode[parents[1]];
        if (father && mother && parents[0] != parents[1]) {
            if (!Placed(parents[0]) || !Placed(parents[1])) return;
            Attach(child, EarlierBranch(m_tree.NodeOf[parents[0]], m_tree.NodeOf[parents[1]]),
                   false);
        } else {
            Attach(child, node, true);
        }
        PlacePartners(child);
    }

    void PlacePartners(int64_t person)
    {
        const int32_t beside = m_tree.Nodes[m_tree.NodeOf[person]].Parent;
        for (int32_t f : m_data.Persons[person].SpouseFamilies) {
            const TFamilie& family = m_data.Families[f];
            int64_t partner = OtherSpouse(family, person);
            if (partner < 0 || !m_hasNode[partner] || Placed(partner)) continue;
            auto parents = ParentsOf(m_data, partner);
            if ((parents[0] >= 0 && m_hasNode[parents[0]]) ||
                (parents[1] >= 0 && m_hasNode[parents[1]]))
                continue;
            if (FamilyHasChildIn(family, m_hasNode)) Attach(partner, beside, false);
        }
    }

    // Of two placed nodes, the one whose path from the root leaves their last common node
    // through the earlier child.
    int32_t EarlierBranch(int32_t a, int32_t b)
    {
        m_mark.resize(m_tree.Nodes.size(), -1);
        ++m_stamp;
        for (int32_t n = a; n >= 0; n = m_tree.Nodes[n].Parent) m_mark[n] = m_stamp;
        int32_t common = b;
        while (common >= 0 && m_mark[common] != m_stamp) common = m_tree.Nodes[common].Parent;
        if (common < 0 || common == a) return a;
        if (common == b) return b;
        return m_indexInParent[StepBelow(a, common)] <= m_indexInParent[StepBelow(b, common)] ? a
                                                                                              : b;
    }

    int32_t StepBelow(int32_t node, int32_t ancestor) const
    {
        while (m_tree.Nodes[node].Parent != ancestor) node = m_tree.Nodes[node].Parent;
        return node;
    }

    const TAhnenData& m_data;
    const TArrayOfBoolean& m_hasNode;
    const std::vector<int32_t>& m_depth;
    TTree m_tree;
    std::vector<int32_t> m_indexInParent;
    std::deque<int32_t> m_queue;
    std::vector<int32_t> m_mark;
    int32_t m_stamp = 0;
};

TTree TreeBuilder::Reparent(TArrayOfBoolean& drawn)
{
    TTree tree = Reparenting(m_data, m_hasNode, m_depth).Run(m_proband);
    // Nodes that no round could hang (only data with cycles) are left out.
    for (size_t p = 0; p < m_hasNode.size(); ++p)
        if (m_hasNode[p] && tree.NodeOf[p] < 0) drawn[p] = false;
    return tree;
}

}  // namespace

TTree BuildDescendantTree(const TAhnenData& data, int64_t proband, const TImageSettings& settings,
                          int64_t limitFrom, TArrayOfBoolean& drawn)
{
    const TreeChartSettings& tree = settings.Tree;
    TreeBuilder builder(data, proband, MakeBuildSets(data, proband, settings));
    builder.Grow();
    builder.ComputeDepths();
    int32_t limit = tree.TreeMaxGenDescendant;
    if (limitFrom >= 0) limit += std::max(builder.DepthOf(limitFrom), 0);
    builder.ApplyDepthLimit(limit, drawn);
    return builder.Reparent(drawn);
}

int32_t TTree::RowCount() const
{
    int32_t rows = 1;
    for (const TTree_Node& node : Nodes) rows = std::max(rows, node.Depth + 1);
    return rows;
}

}  // namespace qv
