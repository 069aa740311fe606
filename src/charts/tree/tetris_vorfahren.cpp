// Building and packing the ancestor chart's tree. Contours span the chart's actual rows, and a
// subtree's move is recorded once and applied in one pass at the end, so a packing is linear
// in nodes times rows.
#include "charts/tree/tetris_vorfahren.h"

#include <algorithm>
#include <climits>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

// The parents of a person in placing order: father first unless the family is switched.
int64_t OrderedParent(const AncestorPackingInput& input, int64_t person, int32_t index)
{
    int32_t f = input.Data.Persons[person].ParentFamily;
    if (f < 0) return -1;
    const TFamilie& family = input.Data.Families[f];
    bool motherFirst = input.FamilySwitched[f];
    return (index == 0) != motherFirst ? family.Husband : family.Wife;
}

}  // namespace

int32_t TTetrisVorfahren::NodeOf(int64_t person) const
{
    return person >= 0 && person < int64_t(m_nodeOf.size()) ? m_nodeOf[person] : -1;
}

int32_t TTetrisVorfahren::AddNode(int64_t person, int32_t level, int32_t size, int32_t parent)
{
    int32_t index = static_cast<int32_t>(m_nodes.size());
    TTetrisVorfahrenNode node;
    node.Person = static_cast<int32_t>(person);
    node.Level = level;
    node.Size = size;
    node.Parent = parent;
    m_nodes.push_back(node);
    if (person >= 0) m_nodeOf[person] = index;
    if (parent >= 0) {
        TTetrisVorfahrenNode& p = m_nodes[parent];
        if (p.LastChild < 0)
            p.FirstChild = index;
        else
            m_nodes[p.LastChild].NextSibling = index;
        p.LastChild = index;
    }
    return index;
}

// Partners stand side by side: a parent whose partner (in a family with a drawn child) is
// placed already goes beside that partner.
int32_t TTetrisVorfahren::PartnerParentNode(const AncestorPackingInput& input, int64_t person) const
{
    for (int32_t f : input.Data.Persons[person].SpouseFamilies) {
        if (!input.LinkedFamilies[f]) continue;
        int64_t partner = OtherSpouse(input.Data.Families[f], person);
        if (partner < 0 || m_nodeOf[partner] < 0) continue;
        return m_nodes[m_nodeOf[partner]].Parent;
    }
    return -1;
}

void TTetrisVorfahren::Build(const AncestorPackingInput& input)
{
    for (const TTetrisVorfahrenNode& node : m_nodes)
        if (node.Person >= 0) m_nodeOf[node.Person] = -1;
    m_nodeOf.resize(input.Data.Persons.size(), -1);
    m_nodes.clear();
    AddNode(input.Proband, std::max(input.Rows[input.Proband], 0), input.SlotAcross[input.Proband],
            -1);
    m_stack.assign(1, Frame{input.Proband, 0, 0});
    while (!m_stack.empty()) {
        Frame& frame = m_stack.back();
        if (frame.next == 2) {
            m_stack.pop_back();
            continue;
        }
        int64_t parent = OrderedParent(input, frame.person, frame.next++);
        int32_t below = frame.node;
        if (parent < 0 || !input.Drawn[parent] || m_nodeOf[parent] >= 0) continue;
        int32_t attach = PartnerParentNode(input, parent);
        int32_t node = AddNode(parent, input.Rows[parent], input.SlotAcross[parent],
                               attach >= 0 ? attach : below);
        m_stack.push_back({parent, node, 0});
    }
    AddSpacers(input);
}

// A node whose parents were placed elsewhere keeps room for the long line up to them.
void TTetrisVorfahren::AddSpacers(const AncestorPackingInput& input)
{
    const int32_t count = static_cast<int32_t>(m_nodes.size());
    for (int32_t n = 0; n < count; ++n) {
        if (m_nodes[n].Person < 0 || m_nodes[n].FirstChild >= 0) continue;
        int32_t parentRow = INT_MAX;
        for (int64_t parent : ParentsOf(input.Data, m_nodes[n].Person))
            if (parent >= 0 && input.Drawn[parent])
                parentRow = std::min(parentRow, input.Rows[parent]);
        if (parentRow != INT_MAX && parentRow >= m_nodes[n].Level + 2)
            AddNode(-1, parentRow - 1, m_minDistance, n);
    }
}

void TTetrisVorfahren::Pack(const AncestorPackingInput& input)
{
    m_data = &input.Data;
    m_rows = std::max(input.RowCount, 1);
    m_minDistance = input.MinDistance;
    Build(input);
    const size_t cells = m_nodes.size() * size_t(m_rows);
    m_left.assign(cells, 0);
    m_right.assign(cells, 0);
    m_shift.assign(m_nodes.size(), 0);
    for (int32_t n = static_cast<int32_t>(m_nodes.size()) - 1; n >= 0; --n) PackNode(n);
    FinishRoot();
}

// Rows between a child and the node below it get a slot of the smallest width, so that
// nothing is packed into the room of the line that crosses them.
void TTetrisVorfahren::FillBelow(int32_t child, int32_t level)
{
    const int32_t top = m_nodes[child].Level;
    if (top < 0 || top >= m_rows) return;
    const int32_t left = L(child, top);
    for (int32_t row = top - 1; row > level; --row) {
        L(child, row) = left;
        R(child, row) = left + m_minDistance;
    }
}

void TTetrisVorfahren::MergeChild(int32_t node, int32_t child)
{
    const int32_t level = m_nodes[node].Level;
    int32_t shift = -m_nodes[child].Size;
    if (level < m_nodes[child].Level) {
        shift = INT_MIN;
        for (int32_t row = level + 1; row < m_rows && !Empty(node, row) && !Empty(child, row);
             ++row)
            shift = std::max(shift, R(node, row) - L(child, row));
        if (shift == INT_MIN) shift = 0;
    }
    m_shift[child] = shift;
    for (int32_t row = level + 1; row < m_rows && !Empty(child, row); ++row) {
        if (Empty(node, row)) L(node, row) = L(child, row) + shift;
        R(node, row) = R(child, row) + shift;
    }
}

// Above both parents' midpoint when the first two children are the person's parents, else
// above the first child.
int32_t TTetrisVorfahren::OwnOffset(int32_t node) const
{
    int32_t first = m_nodes[node].FirstChild;
    int32_t second = m_nodes[first].NextSibling;
    if (second >= 0 && m_nodes[node].Person >= 0) {
        auto parents = ParentsOf(*m_data, m_nodes[node].Person);
        int64_t a = m_nodes[first].Person, b = m_nodes[second].Person;
        if ((a == parents[0] && b == parents[1]) || (a == parents[1] && b == parents[0]))
            return (Placed(first) + Placed(second)) / 2;
    }
    return Placed(first);
}

void TTetrisVorfahren::PackNode(int32_t n)
{
    const int32_t level = m_nodes[n].Level;
    int32_t count = 0, last = -1, secondLast = -1, lowest = INT_MAX;
    for (int32_t c = m_nodes[n].FirstChild; c >= 0; c = m_nodes[c].NextSibling) {
        FillBelow(c, level);
        if (count == 0) {
            std::copy_n(&L(c, 0), m_rows, &L(n, 0));
            std::copy_n(&R(c, 0), m_rows, &R(n, 0));
        } else {
            MergeChild(n, c);
        }
        secondLast = last;
        last = c;
        lowest = std::min(lowest, m_nodes[c].Level);
        ++count;
    }
    int32_t offset = count == 0 ? 0 : OwnOffset(n);
    m_nodes[n].Offset = offset;
    if (count >= 2) {
        int32_t right = (Placed(last) + Placed(secondLast) + m_minDistance) / 2;
        for (int32_t row = level + 1; row < std::min(lowest, m_rows); ++row) {
            L(n, row) = offset;
            R(n, row) = right;
        }
    }
    if (level >= 0 && level < m_rows) {
        L(n, level) = offset;
        R(n, level) = offset + m_nodes[n].Size;
    }
}

void TTetrisVorfahren::FinishRoot()
{
    int32_t least = 0;
    for (int32_t row = 0; row < m_rows; ++row) least = std::min(least, L(0, row));
    PackedWidth = 0;
    for (int32_t row = 0; row < m_rows; ++row) {
        L(0, row) -= least;
        R(0, row) -= least;
        PackedWidth = std::max(PackedWidth, R(0, row));
    }
    m_shift[0] = -least;
    for (size_t n = 0; n < m_nodes.size(); ++n) {
        if (m_nodes[n].Parent >= 0) m_shift[n] += m_shift[m_nodes[n].Parent];
        m_nodes[n].Offset += m_shift[n];
    }
}

}  // namespace qv
