// Building and packing the ancestor chart's tree. Contours span the chart's actual rows, and a
// subtree's move is recorded once and applied in one pass at the end, so a packing is linear
// in nodes times rows.
#include "charts/tree/tetris_vorfahren.h"

#include <algorithm>
#include <climits>

#include "charts/tree/person_sets.h"

namespace qv {

int64_t OrderedParent(const AncestorPackingInput& input, int64_t person, int32_t index,
                      int32_t flipped)
{
    const AncestorLinks& links = input.Links;
    const int32_t f = links.Family[person];
    if (f < 0) return -1;
    const bool switched = bool(input.FamilySwitched[f]) != (f == flipped);
    return (index == 0) != switched ? links.Father[person] : links.Mother[person];
}

AncestorLinks LinkAncestors(const TAhnenData& data, const TArrayOfBoolean& drawn)
{
    const size_t count = data.Persons.size();
    AncestorLinks links;
    links.Family.assign(count, -1);
    links.Father.assign(count, -1);
    links.Mother.assign(count, -1);
    links.PartnerStart.assign(count + 1, 0);
    TArrayOfBoolean linked = FamiliesWithChildIn(data, drawn);
    for (size_t p = 0; p < count; ++p) {
        links.Family[p] = data.Persons[p].ParentFamily;
        auto parents = ParentsOf(data, int64_t(p));
        if (parents[0] >= 0 && drawn[parents[0]]) links.Father[p] = int32_t(parents[0]);
        if (parents[1] >= 0 && drawn[parents[1]]) links.Mother[p] = int32_t(parents[1]);
        if (drawn[p]) {
            for (int32_t f : data.Persons[p].SpouseFamilies) {
                int64_t partner = OtherSpouse(data.Families[f], int64_t(p));
                if (linked[f] && partner >= 0 && drawn[partner])
                    links.Partners.push_back(int32_t(partner));
            }
        }
        links.PartnerStart[p + 1] = int32_t(links.Partners.size());
    }
    return links;
}

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
    const AncestorLinks& links = input.Links;
    for (int32_t i = links.PartnerStart[person]; i < links.PartnerStart[person + 1]; ++i)
        if (m_nodeOf[links.Partners[i]] >= 0) return m_nodes[m_nodeOf[links.Partners[i]]].Parent;
    return -1;
}

void TTetrisVorfahren::Build(const AncestorPackingInput& input)
{
    for (const TTetrisVorfahrenNode& node : m_nodes)
        if (node.Person >= 0) m_nodeOf[node.Person] = -1;
    m_nodeOf.resize(input.Links.Family.size(), -1);
    m_nodes.clear();
    for (int32_t f : m_ordered) m_orderMatters[f] = false;
    m_ordered.clear();
    m_orderMatters.resize(input.FamilySwitched.size(), false);
    AddNode(input.Proband, std::max(input.Rows[input.Proband], 0), input.SlotAcross[input.Proband],
            -1);
    m_stack.assign(1, Frame{input.Proband, 0, 0});
    while (!m_stack.empty()) {
        Frame& frame = m_stack.back();
        if (frame.next == 2) {
            m_stack.pop_back();
            continue;
        }
        if (frame.next == 0) NoteOrder(input, frame.person);
        int64_t parent = OrderedParent(input, frame.person, frame.next++);
        int32_t below = frame.node;
        if (parent < 0 || m_nodeOf[parent] >= 0) continue;
        int32_t attach = PartnerParentNode(input, parent);
        int32_t node = AddNode(parent, input.Rows[parent], input.SlotAcross[parent],
                               attach >= 0 ? attach : below);
        m_stack.push_back({parent, node, 0});
    }
    AddSpacers(input);
}

// The order of a family's parents matters only when neither has a node yet as their child
// is reached: otherwise the build comes out the same either way.
void TTetrisVorfahren::NoteOrder(const AncestorPackingInput& input, int64_t person)
{
    const int32_t f = input.Links.Family[person];
    const int32_t father = input.Links.Father[person], mother = input.Links.Mother[person];
    if (f < 0 || father < 0 || mother < 0) return;
    if (m_nodeOf[father] >= 0 || m_nodeOf[mother] >= 0) return;
    m_orderMatters[f] = true;
    m_ordered.push_back(f);
}

// A node whose parents were placed elsewhere keeps room for the long line up to them.
void TTetrisVorfahren::AddSpacers(const AncestorPackingInput& input)
{
    const int32_t count = static_cast<int32_t>(m_nodes.size());
    for (int32_t n = 0; n < count; ++n) {
        if (m_nodes[n].Person < 0 || m_nodes[n].FirstChild >= 0) continue;
        int32_t parentRow = INT_MAX;
        for (int32_t parent :
             {input.Links.Father[m_nodes[n].Person], input.Links.Mother[m_nodes[n].Person]})
            if (parent >= 0) parentRow = std::min(parentRow, input.Rows[parent]);
        if (parentRow != INT_MAX && parentRow >= m_nodes[n].Level + 2)
            AddNode(-1, parentRow - 1, m_minDistance, n);
    }
}

void TTetrisVorfahren::Pack(const AncestorPackingInput& input)
{
    m_links = &input.Links;
    m_rows = std::max(input.RowCount, 1);
    m_minDistance = input.MinDistance;
    Build(input);
    const size_t cells = m_nodes.size() * size_t(m_rows);
    if (m_left.size() < cells) {
        m_left.resize(cells);
        m_right.resize(cells);
    }
    m_low.assign(m_nodes.size(), 0);
    m_high.assign(m_nodes.size(), 0);
    m_shift.assign(m_nodes.size(), 0);
    for (int32_t n = static_cast<int32_t>(m_nodes.size()) - 1; n >= 0; --n) PackNode(n);
    FinishRoot();
}

void TTetrisVorfahren::Set(int32_t node, int32_t row, int32_t left, int32_t right)
{
    if (m_low[node] == m_high[node]) {
        m_low[node] = row;
        m_high[node] = row + 1;
    }
    for (; m_low[node] > row; --m_low[node])
        m_left[Cell(node, m_low[node] - 1)] = m_right[Cell(node, m_low[node] - 1)] = 0;
    for (; m_high[node] <= row; ++m_high[node])
        m_left[Cell(node, m_high[node])] = m_right[Cell(node, m_high[node])] = 0;
    m_left[Cell(node, row)] = left;
    m_right[Cell(node, row)] = right;
}

// Rows between a child and the node below it get a slot of the smallest width, so that
// nothing is packed into the room of the line that crosses them.
void TTetrisVorfahren::FillBelow(int32_t child, int32_t level)
{
    const int32_t top = m_nodes[child].Level;
    if (top < 0 || top >= m_rows) return;
    const int32_t left = L(child, top);
    for (int32_t row = top - 1; row > level; --row) Set(child, row, left, left + m_minDistance);
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
        if (Empty(node, row))
            Set(node, row, L(child, row) + shift, R(child, row) + shift);
        else
            m_right[Cell(node, row)] = R(child, row) + shift;
    }
}

// Above both parents' midpoint when the first two children are the person's parents, else
// above the first child.
int32_t TTetrisVorfahren::OwnOffset(int32_t node) const
{
    int32_t first = m_nodes[node].FirstChild;
    int32_t second = m_nodes[first].NextSibling;
    const int32_t person = m_nodes[node].Person;
    if (second >= 0 && person >= 0) {
        int32_t father = m_links->Father[person], mother = m_links->Mother[person];
        int32_t a = m_nodes[first].Person, b = m_nodes[second].Person;
        if ((a == father && b == mother) || (a == mother && b == father))
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
            const int32_t rows = m_high[c] - m_low[c];
            std::copy_n(&m_left[Cell(c, m_low[c])], rows, &m_left[Cell(n, m_low[c])]);
            std::copy_n(&m_right[Cell(c, m_low[c])], rows, &m_right[Cell(n, m_low[c])]);
            m_low[n] = m_low[c];
            m_high[n] = m_high[c];
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
        for (int32_t row = level + 1; row < std::min(lowest, m_rows); ++row)
            Set(n, row, offset, right);
    }
    if (level >= 0 && level < m_rows) Set(n, level, offset, offset + m_nodes[n].Size);
}

void TTetrisVorfahren::FinishRoot()
{
    int32_t least = 0;
    for (int32_t row = 0; row < m_rows; ++row) least = std::min(least, L(0, row));
    m_rootShift = -least;
    PackedWidth = 0;
    for (int32_t row = 0; row < m_rows; ++row) PackedWidth = std::max(PackedWidth, RootRight(row));
    m_shift[0] = -least;
    for (size_t n = 0; n < m_nodes.size(); ++n) {
        if (m_nodes[n].Parent >= 0) m_shift[n] += m_shift[m_nodes[n].Parent];
        m_nodes[n].Offset += m_shift[n];
    }
}

}  // namespace qv
