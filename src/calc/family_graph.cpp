// Building the flat link arrays and ordering ancestries and descendancies.
#include "calc/family_graph.h"

#include <algorithm>
#include <array>
#include <limits>

#include "data/ahnen_data.h"
#include "data/error.h"

namespace qv {
namespace {

int32_t LinkOrNone(int64_t person, size_t count)
{
    return person >= 0 && static_cast<uint64_t>(person) < count ? static_cast<int32_t>(person) : -1;
}

// Reverse post-order of a depth-first search along next(person): every person comes
// before the persons it leads to, and each person appears once.
template <typename Next>
std::vector<int32_t> ReversePostOrder(int32_t start, std::vector<uint8_t>& seen, Next next)
{
    std::vector<int32_t> order;
    if (start < 0 || start >= static_cast<int32_t>(seen.size())) return order;
    struct Frame {
        int32_t person;
        size_t next;
    };
    std::vector<Frame> stack{{start, 0}};
    seen[start] = 1;
    while (!stack.empty()) {
        Frame& top = stack.back();
        std::span<const int32_t> neighbours = next(top.person);
        if (top.next == neighbours.size()) {
            order.push_back(top.person);
            stack.pop_back();
            continue;
        }
        int32_t n = neighbours[top.next++];
        if (n < 0 || seen[n]) continue;
        seen[n] = 1;
        stack.push_back({n, 0});
    }
    std::reverse(order.begin(), order.end());
    for (int32_t p : order) seen[p] = 0;
    return order;
}

}  // namespace

FamilyGraph::FamilyGraph(const TAhnenData& data)
{
    size_t count = data.Persons.size();
    if (count >= static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw Error("Zu viele Personen für die Berechnung: " + std::to_string(count));
    m_father.assign(count, -1);
    m_mother.assign(count, -1);
    m_male.assign(count, 0);
    m_childStart.assign(count + 1, 0);
    for (size_t p = 0; p < count; ++p) {
        const TPerson& person = data.Persons[p];
        int32_t f = person.ParentFamily;
        if (f >= 0 && static_cast<size_t>(f) < data.Families.size()) {
            m_father[p] = LinkOrNone(data.Families[f].Husband, count);
            m_mother[p] = LinkOrNone(data.Families[f].Wife, count);
        }
        m_male[p] = person.Sex == 'M';
        for (int64_t c : person.Children)
            if (LinkOrNone(c, count) >= 0) m_children.push_back(static_cast<int32_t>(c));
        m_childStart[p + 1] = static_cast<uint32_t>(m_children.size());
    }
}

std::vector<int32_t> AncestorsChildrenFirst(const FamilyGraph& graph, int32_t start)
{
    std::vector<uint8_t> seen(graph.Size(), 0);
    return AncestorsChildrenFirst(graph, start, seen);
}

std::vector<int32_t> AncestorsChildrenFirst(const FamilyGraph& graph, int32_t start,
                                            std::vector<uint8_t>& seen)
{
    std::array<int32_t, 2> parents{};
    return ReversePostOrder(start, seen, [&](int32_t p) {
        parents = {graph.Father(p), graph.Mother(p)};
        return std::span<const int32_t>(parents);
    });
}

std::vector<uint8_t> WithAncestors(const FamilyGraph& graph, const std::vector<uint8_t>& persons)
{
    std::vector<uint8_t> marked(graph.Size(), 0);
    std::vector<int32_t> stack;
    for (int32_t p = 0; p < graph.Size(); ++p) {
        if (!persons[p] || marked[p]) continue;
        marked[p] = 1;
        stack.push_back(p);
        while (!stack.empty()) {
            int32_t person = stack.back();
            stack.pop_back();
            for (int32_t parent : {graph.Father(person), graph.Mother(person)}) {
                if (parent < 0 || marked[parent]) continue;
                marked[parent] = 1;
                stack.push_back(parent);
            }
        }
    }
    return marked;
}

int DistinctParents(const FamilyGraph& graph, int32_t person, int32_t (&parents)[2])
{
    int n = 0;
    if (graph.Father(person) >= 0) parents[n++] = graph.Father(person);
    if (graph.Mother(person) >= 0 && graph.Mother(person) != graph.Father(person))
        parents[n++] = graph.Mother(person);
    return n;
}

// Kahn's method from the persons without parents down; the children are gathered from the
// parent links themselves, so persons on or below a cycle never become ready.
std::vector<int32_t> AcyclicParentsFirst(const FamilyGraph& graph)
{
    const int32_t n = graph.Size();
    std::vector<uint32_t> start(n + 1, 0);
    std::vector<int32_t> waiting(n, 0), ready;
    int32_t parents[2];
    for (int32_t p = 0; p < n; ++p) {
        waiting[p] = DistinctParents(graph, p, parents);
        for (int i = 0; i < waiting[p]; ++i) ++start[parents[i] + 1];
    }
    for (int32_t p = 0; p < n; ++p) start[p + 1] += start[p];
    std::vector<int32_t> children(start[n]);
    std::vector<uint32_t> fill(start.begin(), start.end() - 1);
    for (int32_t p = 0; p < n; ++p)
        for (int i = 0, k = DistinctParents(graph, p, parents); i < k; ++i)
            children[fill[parents[i]]++] = p;
    for (int32_t p = 0; p < n; ++p)
        if (waiting[p] == 0) ready.push_back(p);
    for (size_t next = 0; next < ready.size(); ++next) {
        int32_t p = ready[next];
        for (uint32_t c = start[p]; c < start[p + 1]; ++c)
            if (--waiting[children[c]] == 0) ready.push_back(children[c]);
    }
    return ready;
}

std::vector<int32_t> DescendantsParentsFirst(const FamilyGraph& graph, int32_t start)
{
    std::vector<uint8_t> seen(graph.Size(), 0);
    return ReversePostOrder(start, seen, [&](int32_t p) { return graph.Children(p); });
}

}  // namespace qv
