// Contour packing of the descendant tree, bottom-up with an explicit order.
#include "charts/tree/tetris.h"

#include <algorithm>
#include <climits>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

// Left and right contour of a subtree from the node's own row down to its deepest row.
struct Contour {
    int32_t first = 0;  // the row of entry 0
    std::vector<int32_t> left, right;

    int32_t End() const { return first + int32_t(left.size()); }
    bool Has(int32_t row) const { return row >= first && row < End(); }
};

class Packer {
public:
    explicit Packer(const DescendantPackingInput& input)
        : m_input(input), m_packings(input.Tree.Nodes.size()), m_contours(input.Tree.Nodes.size())
    {
    }

    std::vector<TTetris> Run();

private:
    // A child's contour as its parent sees it: the rows between them hold a slot of the
    // smallest width below the child's own left edge.
    void ChildRow(int32_t child, int32_t row, int32_t& left, int32_t& right) const;
    void PackNode(int32_t node);
    void MergeChild(Contour& acc, int32_t child, int32_t fromRow);
    void PlaceOwnRow(int32_t node, Contour& acc, int32_t width);
    bool IsOwnChild(int32_t node, int32_t child) const;
    int32_t Position(int32_t child) const
    {
        return m_packings[child].Offset + m_packings[child].NodeX;
    }
    int32_t Family(int32_t node) const
    {
        return m_input.Data.Persons[m_input.Tree.Nodes[node].Person].ParentFamily;
    }

    const DescendantPackingInput& m_input;
    std::vector<TTetris> m_packings;
    std::vector<Contour> m_contours;
};

void Packer::ChildRow(int32_t child, int32_t row, int32_t& left, int32_t& right) const
{
    const Contour& c = m_contours[child];
    if (row < c.first) {
        left = c.left[0];
        right = left + m_input.MinDistance;
    } else if (c.Has(row)) {
        left = c.left[row - c.first];
        right = c.right[row - c.first];
    } else {
        left = right = 0;
    }
}

void Packer::MergeChild(Contour& acc, int32_t child, int32_t fromRow)
{
    int32_t shift = INT_MIN;
    for (int32_t row = fromRow; row < acc.End(); ++row) {
        int32_t l, r;
        ChildRow(child, row, l, r);
        const int32_t i = row - acc.first;
        if (l == r || acc.left[i] == acc.right[i]) break;
        shift = std::max(shift, acc.right[i] - l);
    }
    if (shift == INT_MIN) shift = 0;
    m_packings[child].Offset = shift;
    for (int32_t row = fromRow; row < acc.End(); ++row) {
        int32_t l, r;
        ChildRow(child, row, l, r);
        if (l == r) break;
        const int32_t i = row - acc.first;
        if (acc.left[i] == acc.right[i]) acc.left[i] = l + shift;
        acc.right[i] = r + shift;
    }
}

bool Packer::IsOwnChild(int32_t node, int32_t child) const
{
    auto parents = ParentsOf(m_input.Data, m_input.Tree.Nodes[child].Person);
    int32_t person = m_input.Tree.Nodes[node].Person;
    return parents[0] == person || parents[1] == person;
}

// Without children of its own (all shared with a spouse in the tree) the node stands left of
// the middle of its first family's children, its row reaching to that family's anchor;
// otherwise it stands above the middle of its children.
void Packer::PlaceOwnRow(int32_t node, Contour& acc, int32_t width)
{
    const std::vector<int32_t>& children = m_input.Tree.Nodes[node].Children;
    int32_t lastOwn = -1;
    for (int32_t c : children)
        if (IsOwnChild(node, c)) lastOwn = c;
    TTetris& packing = m_packings[node];
    int32_t right;
    if (m_input.Tree.Nodes[node].OwnChildren.empty()) {
        int32_t lastSame = children.front();
        for (int32_t c : children)
            if (Family(c) == Family(children.front())) lastSame = c;
        const int32_t middle = (Position(children.front()) + Position(lastSame)) / 2;
        packing.NodeX = middle - width / 2;
        right = packing.NodeX + width;
        if (lastOwn >= 0) {
            int32_t firstOfFamily = lastOwn;
            for (auto c = children.rbegin(); c != children.rend(); ++c)
                if (Family(*c) == Family(lastOwn)) firstOfFamily = *c;
            right = std::max(right, (Position(lastOwn) + Position(firstOfFamily)) / 2 + 8);
        }
    } else {
        packing.NodeX = (Position(children.front()) + Position(lastOwn)) / 2;
        right = packing.NodeX + width;
    }
    acc.left[0] = packing.NodeX;
    acc.right[0] = right;
}

void Packer::PackNode(int32_t node)
{
    const TTree_Node& n = m_input.Tree.Nodes[node];
    const int32_t width = std::max(m_input.SlotAcross[node], m_input.MinDistance);
    Contour acc;
    acc.first = n.Depth;
    int32_t end = n.Depth + 1;
    for (int32_t c : n.Children) end = std::max(end, m_contours[c].End());
    acc.left.assign(end - n.Depth, 0);
    acc.right.assign(end - n.Depth, 0);
    if (n.Children.empty()) {
        acc.right[0] = width;
    } else {
        for (size_t k = 0; k < n.Children.size(); ++k) {
            const int32_t c = n.Children[k];
            if (k == 0) {
                for (int32_t row = n.Depth + 1; row < end; ++row)
                    ChildRow(c, row, acc.left[row - n.Depth], acc.right[row - n.Depth]);
            } else {
                MergeChild(acc, c, n.Depth + 1);
            }
        }
        PlaceOwnRow(node, acc, width);
        for (int32_t c : n.Children) m_contours[c] = Contour{};
    }
    const int32_t least = std::min(0, *std::min_element(acc.left.begin(), acc.left.end()));
    TTetris& packing = m_packings[node];
    packing.NodeX -= least;
    for (int32_t c : n.Children) m_packings[c].Offset -= least;
    packing.Width = 0;
    for (size_t i = 0; i < acc.left.size(); ++i) {
        acc.left[i] -= least;
        acc.right[i] -= least;
        packing.Width = std::max(packing.Width, acc.right[i]);
    }
    m_contours[node] = std::move(acc);
}

std::vector<TTetris> Packer::Run()
{
    // Pre-order with an explicit stack; reversed, every child comes before its parent.
    std::vector<int32_t> order, stack{0};
    while (!stack.empty()) {
        int32_t node = stack.back();
        stack.pop_back();
        order.push_back(node);
        for (int32_t c : m_input.Tree.Nodes[node].Children) stack.push_back(c);
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) PackNode(*it);
    return std::move(m_packings);
}

}  // namespace

std::vector<TTetris> PackDescendantTree(const DescendantPackingInput& input)
{
    if (input.Tree.Nodes.empty()) return {};
    return Packer(input).Run();
}

std::vector<int32_t> NodeLeftEdges(const TTree& tree, const std::vector<TTetris>& packings)
{
    std::vector<int32_t> base(tree.Nodes.size(), 0), edges(tree.Nodes.size(), 0);
    // Parents come before their children in the node array.
    for (size_t n = 0; n < tree.Nodes.size(); ++n) {
        int32_t parent = tree.Nodes[n].Parent;
        base[n] = (parent >= 0 ? base[parent] : 0) + (parent >= 0 ? packings[n].Offset : 0);
        edges[n] = base[n] + packings[n].NodeX;
    }
    return edges;
}

}  // namespace qv
