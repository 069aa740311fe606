// The packing of the ancestor chart as the sorting trials start from it: the same tree and
// positions as TTetrisVorfahren, with each subtree's contour kept and the build's order noted,
// so that a trial rebuilds and repacks only what a switched family changes.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/tetris_contour.h"
#include "charts/tree/tetris_vorfahren.h"

namespace qv {

// Nodes are numbered in the order the build creates them (the root is 0, a node comes after
// the node below it); a person's node keeps its number in every trial. The spacer above node
// n, when there is one, is numbered NodeCount() + n.
class PackingRecord {
public:
    void Pack(const AncestorPackingInput& input);

    int32_t NodeCount() const { return int32_t(m_person.size()); }
    // Tells the packings of all records apart, so that trials notice a new one.
    uint64_t Version() const { return m_version; }
    int32_t Rows() const { return m_rows; }
    int32_t MinDistance() const { return m_minDistance; }
    // The packed extent across (TTetrisVorfahren::PackedWidth) and the final shift.
    TetrisExtent Extent() const { return m_extent; }
    // Per person: the left edge across relative to the root's frame (TTetrisVorfahren's
    // offsets less its final shift), 0 without a node.
    const std::vector<int32_t>& Positions() const { return m_positions; }

    int32_t PersonOf(int32_t node) const { return m_person[node]; }
    int32_t NodeOf(int64_t person) const { return m_nodeOf[person]; }
    int32_t ParentOf(int32_t node) const { return m_parent[node]; }
    // The partner whose parent node the node was put on, -1 when it went on the node below.
    int32_t PartnerOf(int32_t node) const { return m_partner[node]; }
    // The nodes created while the node's own parents were being placed: (node, FrameEnd).
    int32_t FrameEnd(int32_t node) const { return m_frameEnd[node]; }
    // The node whose parents' order the family decides; -1 when switching it changes nothing.
    int32_t OrderNode(int32_t family) const;
    // The nodes that were put beside a partner who is this node's person.
    const int32_t* DependentsBegin(int32_t node) const;
    const int32_t* DependentsEnd(int32_t node) const;

    const int32_t* ChildrenBegin(int32_t node) const
    {
        return m_children.data() + m_childStart[node];
    }
    const int32_t* ChildrenEnd(int32_t node) const
    {
        return m_children.data() + m_childStart[node + 1];
    }
    // The row of the spacer the node gets whenever it has no children, -1 for none.
    int32_t SpacerLevel(int32_t node) const { return m_spacerLevel[node]; }

    // A node (or spacer) as its parent packs it.
    TetrisChild AsChild(int32_t node) const;
    TetrisNode NodeSpec(int32_t node) const;
    int32_t Offset(int32_t node) const { return m_offset[node]; }
    // The node's move inside its parent's frame.
    int32_t Shift(int32_t node) const { return m_shift[node]; }
    // The node's frame (its subtree's origin) relative to the root's frame.
    int32_t Frame(int32_t node) const { return m_frame[node]; }
    // The node's subtree as a range of PreOrder().
    int32_t SubtreeBegin(int32_t node) const { return m_subtreeBegin[node]; }
    int32_t SubtreeEnd(int32_t node) const { return m_subtreeEnd[node]; }
    const std::vector<int32_t>& PreOrder() const { return m_preOrder; }

private:
    struct Visit {
        int64_t person;
        int32_t node;
        int32_t next;
    };

    void Build(const AncestorPackingInput& input);
    int32_t AddNode(int64_t person, int32_t level, int32_t size, int32_t parent, int32_t partner);
    int32_t PlacedPartner(const AncestorPackingInput& input, int64_t person) const;
    void NoteOrder(const AncestorPackingInput& input, int64_t person, int32_t node);
    void LinkChildren(const AncestorPackingInput& input);
    void PackNodes();
    void PlaceNodes();
    void OrderSubtrees();

    const AncestorLinks* m_links = nullptr;
    uint64_t m_version = 0;
    int32_t m_rows = 0;
    int32_t m_minDistance = 0;
    TetrisExtent m_extent;
    std::vector<int32_t> m_person, m_level, m_size, m_parent, m_partner, m_frameEnd;
    std::vector<int32_t> m_nodeOf;
    std::vector<int32_t> m_orderNode;  // per family
    std::vector<int32_t> m_childStart, m_children;
    std::vector<int32_t> m_dependentStart, m_dependents;
    std::vector<int32_t> m_spacerLevel;
    std::vector<int32_t> m_left, m_right, m_low, m_high;  // contours, m_rows cells per node
    int32_t m_spacerLeft = 0;  // the one row of every spacer: [0, m_minDistance]
    std::vector<int32_t> m_offset, m_shift, m_frame;
    std::vector<int32_t> m_preOrder, m_subtreeBegin, m_subtreeEnd;
    std::vector<int32_t> m_positions;
    std::vector<Visit> m_stack;
};

}  // namespace qv
