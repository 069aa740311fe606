// Building and packing the ancestor chart's tree once per sorting pass, keeping what trials
// reuse. The build and the packing follow TTetrisVorfahren step by step.
#include "charts/tree/tetris_vorfahren_record.h"

#include <algorithm>
#include <atomic>
#include <climits>

namespace qv {
namespace {

// Compressed lists: start[i] .. start[i + 1] indexes the members of list i. Filled from
// (list, member) pairs in the order given, without a vector per list: records are built once
// per sorting pass.
class CompressedLists {
public:
    CompressedLists(std::vector<int32_t>& start, std::vector<int32_t>& members, int32_t lists)
        : m_start(start), m_members(members)
    {
        m_start.assign(size_t(lists) + 1, 0);
    }
    void Count(int32_t list) { ++m_start[list + 1]; }
    // After all counts.
    void Open()
    {
        for (size_t i = 1; i < m_start.size(); ++i) m_start[i] += m_start[i - 1];
        m_members.resize(size_t(m_start.back()));
        m_fill.assign(m_start.begin(), m_start.end() - 1);
    }
    void Add(int32_t list, int32_t member) { m_members[m_fill[list]++] = member; }

private:
    std::vector<int32_t>& m_start;
    std::vector<int32_t>& m_members;
    std::vector<int32_t> m_fill;
};

}  // namespace

int32_t PackingRecord::OrderNode(int32_t family) const
{
    return family >= 0 && family < int32_t(m_orderNode.size()) ? m_orderNode[family] : -1;
}

const int32_t* PackingRecord::DependentsBegin(int32_t node) const
{
    return m_dependents.data() + m_dependentStart[node];
}

const int32_t* PackingRecord::DependentsEnd(int32_t node) const
{
    return m_dependents.data() + m_dependentStart[node + 1];
}

TetrisChild PackingRecord::AsChild(int32_t node) const
{
    const int32_t count = NodeCount();
    if (node >= count) {
        const int32_t level = m_spacerLevel[node - count];
        TetrisChild spacer{-1, level, m_minDistance, 0, {}};
        if (level >= 0 && level < m_rows)
            spacer.Contour = {&m_spacerLeft, &m_minDistance, level, level + 1};
        return spacer;
    }
    const size_t cells = size_t(node) * m_rows;
    return {m_person[node],
            m_level[node],
            m_size[node],
            m_offset[node],
            {m_left.data() + cells + m_low[node], m_right.data() + cells + m_low[node], m_low[node],
             m_high[node]}};
}

TetrisNode PackingRecord::NodeSpec(int32_t node) const
{
    const int32_t person = m_person[node];
    return {m_level[node], m_size[node], m_links->Father[person], m_links->Mother[person]};
}

void PackingRecord::Pack(const AncestorPackingInput& input)
{
    // Unique among all records, so that a trial never takes one record for another.
    static std::atomic<uint64_t> packings{0};
    m_version = ++packings;
    m_links = &input.Links;
    m_rows = std::max(input.RowCount, 1);
    m_minDistance = input.MinDistance;
    Build(input);
    LinkChildren(input);
    PackNodes();
    PlaceNodes();
    OrderSubtrees();
}

int32_t PackingRecord::AddNode(int64_t person, int32_t level, int32_t size, int32_t parent,
                               int32_t partner)
{
    const int32_t node = NodeCount();
    m_person.push_back(int32_t(person));
    m_level.push_back(level);
    m_size.push_back(size);
    m_parent.push_back(parent);
    m_partner.push_back(partner);
    m_frameEnd.push_back(node + 1);
    m_nodeOf[person] = node;
    return node;
}

// The first partner (in a family with a drawn child) that has a node already, -1 for none.
int32_t PackingRecord::PlacedPartner(const AncestorPackingInput& input, int64_t person) const
{
    const AncestorLinks& links = input.Links;
    for (int32_t i = links.PartnerStart[person]; i < links.PartnerStart[person + 1]; ++i)
        if (m_nodeOf[links.Partners[i]] >= 0) return links.Partners[i];
    return -1;
}

void PackingRecord::Build(const AncestorPackingInput& input)
{
    for (std::vector<int32_t>* v :
         {&m_person, &m_level, &m_size, &m_parent, &m_partner, &m_frameEnd})
        v->clear();
    m_nodeOf.assign(input.Links.Family.size(), -1);
    m_orderNode.assign(input.FamilySwitched.size(), -1);
    const int64_t proband = input.Proband;
    AddNode(proband, std::max(input.Rows[proband], 0), input.SlotAcross[proband], -1, -1);
    m_stack.assign(1, Visit{proband, 0, 0});
    while (!m_stack.empty()) {
        Visit& frame = m_stack.back();
        if (frame.next == 2) {
            m_frameEnd[frame.node] = NodeCount();
            m_stack.pop_back();
            continue;
        }
        if (frame.next == 0) NoteOrder(input, frame.person, frame.node);
        const int64_t parent = OrderedParent(input, frame.person, frame.next++);
        const int32_t below = frame.node;
        if (parent < 0 || m_nodeOf[parent] >= 0) continue;
        int32_t partner = PlacedPartner(input, parent);
        int32_t attach = partner >= 0 ? m_parent[m_nodeOf[partner]] : -1;
        if (attach < 0) partner = -1;
        const int32_t node = AddNode(parent, input.Rows[parent], input.SlotAcross[parent],
                                     attach >= 0 ? attach : below, partner);
        m_stack.push_back({parent, node, 0});
    }
}

// Only the first child that reaches a couple with neither placed lets their order matter.
void PackingRecord::NoteOrder(const AncestorPackingInput& input, int64_t person, int32_t node)
{
    const int32_t f = input.Links.Family[person];
    const int32_t father = input.Links.Father[person], mother = input.Links.Mother[person];
    if (f < 0 || father < 0 || mother < 0) return;
    if (m_nodeOf[father] >= 0 || m_nodeOf[mother] >= 0) return;
    m_orderNode[f] = node;
}

void PackingRecord::LinkChildren(const AncestorPackingInput& input)
{
    const int32_t count = NodeCount();
    m_spacerLevel.assign(count, -1);
    for (int32_t n = 0; n < count; ++n) {
        int32_t parentRow = INT_MAX;
        for (int32_t parent : {input.Links.Father[m_person[n]], input.Links.Mother[m_person[n]]})
            if (parent >= 0) parentRow = std::min(parentRow, input.Rows[parent]);
        if (parentRow != INT_MAX && parentRow >= m_level[n] + 2) m_spacerLevel[n] = parentRow - 1;
    }
    CompressedLists children(m_childStart, m_children, count);
    CompressedLists dependents(m_dependentStart, m_dependents, count);
    std::vector<bool> hasChild(count, false);
    for (int32_t n = 1; n < count; ++n) {
        children.Count(m_parent[n]);
        hasChild[m_parent[n]] = true;
        if (m_partner[n] >= 0) dependents.Count(m_nodeOf[m_partner[n]]);
    }
    // A node without children packs its spacer in their place.
    for (int32_t n = 0; n < count; ++n)
        if (!hasChild[n] && m_spacerLevel[n] >= 0) children.Count(n);
    children.Open();
    dependents.Open();
    for (int32_t n = 1; n < count; ++n) {
        children.Add(m_parent[n], n);
        if (m_partner[n] >= 0) dependents.Add(m_nodeOf[m_partner[n]], n);
    }
    for (int32_t n = 0; n < count; ++n)
        if (!hasChild[n] && m_spacerLevel[n] >= 0) children.Add(n, count + n);
}

void PackingRecord::PackNodes()
{
    const int32_t count = NodeCount();
    m_left.resize(size_t(count) * m_rows);
    m_right.resize(size_t(count) * m_rows);
    m_low.assign(count, 0);
    m_high.assign(count, 0);
    m_offset.assign(count, 0);
    m_shift.assign(count, 0);
    std::vector<TetrisChild> children;
    std::vector<int32_t> shifts;
    for (int32_t n = count - 1; n >= 0; --n) {
        children.clear();
        for (const int32_t* c = ChildrenBegin(n); c != ChildrenEnd(n); ++c)
            children.push_back(AsChild(*c));
        shifts.resize(children.size());
        TetrisContourBuffer out{m_left.data() + size_t(n) * m_rows,
                                m_right.data() + size_t(n) * m_rows};
        m_offset[n] = PackTetrisNode(NodeSpec(n), children.data(), children.size(), m_rows,
                                     m_minDistance, out, shifts.data());
        m_low[n] = out.Low;
        m_high[n] = out.High;
        for (size_t k = 0; k < children.size(); ++k)
            if (ChildrenBegin(n)[k] < count) m_shift[ChildrenBegin(n)[k]] = shifts[k];
    }
}

void PackingRecord::PlaceNodes()
{
    const int32_t count = NodeCount();
    m_frame.assign(count, 0);
    m_positions.assign(m_nodeOf.size(), 0);
    for (int32_t n = 0; n < count; ++n) {
        if (n > 0) m_frame[n] = m_frame[m_parent[n]] + m_shift[n];
        m_positions[m_person[n]] = m_frame[n] + m_offset[n];
    }
    m_extent = RootExtent(AsChild(0).Contour, m_rows);
}

// Pre-order numbering: every subtree becomes one range.
void PackingRecord::OrderSubtrees()
{
    const int32_t count = NodeCount();
    std::vector<int32_t> size(count, 1);
    for (int32_t n = count - 1; n > 0; --n) size[m_parent[n]] += size[n];
    m_subtreeBegin.assign(count, 0);
    m_subtreeEnd.assign(count, 0);
    m_preOrder.assign(count, 0);
    for (int32_t n = 0; n < count; ++n) {
        int32_t next = m_subtreeBegin[n] + 1;
        for (const int32_t* c = ChildrenBegin(n); c != ChildrenEnd(n); ++c) {
            if (*c >= count) continue;
            m_subtreeBegin[*c] = next;
            next += size[*c];
        }
        m_subtreeEnd[n] = m_subtreeBegin[n] + size[n];
        m_preOrder[m_subtreeBegin[n]] = n;
    }
}

}  // namespace qv
