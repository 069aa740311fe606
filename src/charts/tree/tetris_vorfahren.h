// TTetrisVorfahren: the ancestor chart's packing tree, packed with per-row contours.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

// One slot of the packing: a person, or a spacer that keeps room for a long line.
struct TTetrisVorfahrenNode {
    int32_t Person = -1;  // -1 for a spacer
    int32_t Level = 0;    // the row it stands in
    int32_t Offset = 0;   // left edge across, in chart units once packed
    int32_t Size = 0;     // extent across
    int32_t Parent = -1;  // the node below; -1 for the root
    // The nodes placed above this one (parents, partners, spacers), as a linked list.
    int32_t FirstChild = -1;
    int32_t LastChild = -1;
    int32_t NextSibling = -1;
};

// The links a packing follows, flattened once per chart into compact arrays, since sorting
// repacks the whole tree for every trial. Indexed by person.
struct AncestorLinks {
    std::vector<int32_t> Family;  // the parents' family, -1 when none
    std::vector<int32_t> Father;  // the drawn father, -1 when none
    std::vector<int32_t> Mother;
    // Drawn partners in families with drawn children, in the order of the person's families:
    // Partners[PartnerStart[p] .. PartnerStart[p + 1]).
    std::vector<int32_t> PartnerStart;
    std::vector<int32_t> Partners;
};

AncestorLinks LinkAncestors(const TAhnenData& data, const TArrayOfBoolean& drawn);

// What a packing is made from; arrays are indexed by person (FamilySwitched by family).
struct AncestorPackingInput {
    const AncestorLinks& Links;
    int64_t Proband;
    const std::vector<int32_t>& Rows;
    const std::vector<int32_t>& SlotAcross;
    // When set, the mother is placed before the father.
    const TArrayOfBoolean& FamilySwitched;
    int32_t RowCount;
    // The smallest distance across: max(3r, NODE_WIDTH).
    int32_t MinDistance;
};

// The drawn parent a person's node places first (index 0) or second: the father first unless
// the family is switched, or (for a sorting trial) unless it is switched and not the flipped
// family; -1 when there is none.
int64_t OrderedParent(const AncestorPackingInput& input, int64_t person, int32_t index,
                      int32_t flipped = -1);

class TTetrisVorfahren {
public:
    // Builds the tree for the current FamilySwitched and packs it. The storage stays for the
    // next call, so that sorting trials, which repack once each, allocate nothing.
    void Pack(const AncestorPackingInput& input);

    // The packed extent across.
    int32_t PackedWidth = 0;
    // Node 0 is the root (the proband); parents come before their children.
    const std::vector<TTetrisVorfahrenNode>& Nodes() const { return m_nodes; }
    // The node of a person, -1 when it has none.
    int32_t NodeOf(int64_t person) const;
    // The root's contour of a row after packing; equal values mean the row is empty.
    int32_t RootLeft(int32_t row) const { return L(0, row) + m_rootShift; }
    int32_t RootRight(int32_t row) const { return R(0, row) + m_rootShift; }
    // Whether the last build would have come out differently with the family switched.
    bool OrderMatters(int32_t family) const
    {
        return family < int32_t(m_orderMatters.size()) && m_orderMatters[family];
    }

private:
    struct Frame {
        int64_t person;
        int32_t node;
        int32_t next;
    };

    void Build(const AncestorPackingInput& input);
    int32_t AddNode(int64_t person, int32_t level, int32_t size, int32_t parent);
    int32_t PartnerParentNode(const AncestorPackingInput& input, int64_t person) const;
    void AddSpacers(const AncestorPackingInput& input);
    void NoteOrder(const AncestorPackingInput& input, int64_t person);
    void PackNode(int32_t node);
    void FillBelow(int32_t child, int32_t level);
    void MergeChild(int32_t node, int32_t child);
    int32_t OwnOffset(int32_t node) const;
    void FinishRoot();
    // A node's contour cells outside its touched rows [m_low, m_high) read as empty, so that
    // a packing clears and copies only the rows its subtrees use.
    size_t Cell(int32_t node, int32_t row) const { return size_t(node) * m_rows + row; }
    bool Touched(int32_t node, int32_t row) const
    {
        return row >= m_low[node] && row < m_high[node];
    }
    int32_t L(int32_t node, int32_t row) const
    {
        return Touched(node, row) ? m_left[Cell(node, row)] : 0;
    }
    int32_t R(int32_t node, int32_t row) const
    {
        return Touched(node, row) ? m_right[Cell(node, row)] : 0;
    }
    bool Empty(int32_t node, int32_t row) const { return L(node, row) == R(node, row); }
    void Set(int32_t node, int32_t row, int32_t left, int32_t right);
    int32_t Placed(int32_t child) const { return m_nodes[child].Offset + m_shift[child]; }

    const AncestorLinks* m_links = nullptr;
    int32_t m_rows = 0;
    int32_t m_minDistance = 0;
    std::vector<TTetrisVorfahrenNode> m_nodes;
    std::vector<int32_t> m_nodeOf;
    // Per node: how far its subtree moves inside its parent's frame; applied at the end.
    std::vector<int32_t> m_shift;
    std::vector<int32_t> m_left;
    std::vector<int32_t> m_right;
    std::vector<int32_t> m_low;
    std::vector<int32_t> m_high;
    int32_t m_rootShift = 0;
    std::vector<Frame> m_stack;
    TArrayOfBoolean m_orderMatters;  // per family
    std::vector<int32_t> m_ordered;
};

}  // namespace qv
