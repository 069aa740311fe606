// Building the link table from the family graph and the step rules.
#include "calc/family_links.h"

#include <algorithm>

#include "calc/family_graph.h"
#include "calc/x_steps.h"

namespace qv {
namespace {

int32_t Total(std::span<const ParentLink> links, const ParentLink& key)
{
    int32_t total = 0;
    for (const ParentLink& l : links)
        if (l.parent == key.parent && l.weight == key.weight) total += l.count;
    return total;
}

bool SameLinks(std::span<const ParentLink> a, std::span<const ParentLink> b)
{
    for (std::span<const ParentLink> links : {a, b})
        for (const ParentLink& l : links)
            if (Total(a, l) != Total(b, l)) return false;
    return true;
}

}  // namespace

FamilyLinks::FamilyLinks(const FamilyGraph& graph, bool x)
    : m_graph(graph),
      m_x(x),
      m_up(2 * static_cast<size_t>(graph.Size())),
      m_upCount(graph.Size(), 0),
      m_down(2 * static_cast<size_t>(graph.Size())),
      m_downCount(graph.Size(), 0),
      m_same(graph.Size(), 0)
{
    for (int32_t p = 0; p < graph.Size(); ++p) {
        if (graph.Father(p) >= 0) AddUp(p, graph.Father(p), false);
        if (graph.Mother(p) >= 0) AddUp(p, graph.Mother(p), true);
    }
    // Down steps follow the children lists, as the path walks do.
    for (int32_t parent = 0; parent < graph.Size(); ++parent)
        for (int32_t child : graph.Children(parent)) AddDown(child, parent);
    for (int32_t p = 0; p < graph.Size(); ++p) m_same[p] = SameLinks(Up(p), Down(p));
    Rank();
}

void FamilyLinks::Rank()
{
    m_byRank = AcyclicParentsFirst(m_graph);
    m_rank.assign(m_graph.Size(), -1);
    for (size_t r = 0; r < m_byRank.size(); ++r) m_rank[m_byRank[r]] = static_cast<int32_t>(r);
    m_rankedUp.resize(2 * m_byRank.size());
    m_rankedDown.resize(2 * m_byRank.size());
    for (size_t r = 0; r < m_byRank.size(); ++r) {
        for (auto [from, to] : {std::pair{&m_up, &m_rankedUp}, std::pair{&m_down, &m_rankedDown}}) {
            for (size_t i = 0; i < 2; ++i) {
                ParentLink link = (*from)[2 * static_cast<size_t>(m_byRank[r]) + i];
                if (link.count > 0) link.parent = m_rank[link.parent];
                (*to)[2 * r + i] = link;
            }
        }
    }
}

void FamilyLinks::AddUp(int32_t person, int32_t parent, bool toMother)
{
    int32_t weight = m_x ? XUpWeight(m_graph, person, toMother) : 1;
    if (weight < 0) return;
    m_up[2 * static_cast<size_t>(person) + m_upCount[person]++] = {parent, weight, 1};
}

void FamilyLinks::AddDown(int32_t person, int32_t parent)
{
    // Only a child's own parents lead down to it; the family links guarantee that.
    if (parent != m_graph.Father(person) && parent != m_graph.Mother(person)) return;
    int32_t weight = DownWeight(parent, person);
    if (weight < 0) return;
    ParentLink* first = m_down.data() + 2 * static_cast<size_t>(person);
    ParentLink* end = first + m_downCount[person];
    ParentLink* same =
        std::find_if(first, end, [&](const ParentLink& l) { return l.parent == parent; });
    if (same != end)
        ++same->count;
    else
        first[m_downCount[person]++] = {parent, weight, 1};
}

int32_t FamilyLinks::DownWeight(int32_t parent, int32_t child) const
{
    return m_x ? XDownWeight(m_graph, parent, child) : 1;
}

}  // namespace qv
