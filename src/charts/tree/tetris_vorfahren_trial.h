// One sorting trial of the ancestor chart: the packing as it comes out with one family's
// parents swapped, rebuilt and repacked only where it differs from the pass's record.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "charts/tree/tetris_vorfahren_changes.h"
#include "charts/tree/tetris_vorfahren_record.h"

namespace qv {

// A person whose position moved, and by how much.
using MovedPerson = std::pair<int32_t, int32_t>;

// Scratch for one thread: sized on the first trial and kept for the next ones.
class PackingTrial {
public:
    // The record's tree with the family switched; the family's order must matter
    // (record.OrderNode(family) >= 0). Pack alone gives the extent's width; Place then gives
    // the positions (at most once per Pack). Run does both.
    void Pack(const PackingRecord& record, const AncestorPackingInput& input, int32_t family);
    void Place();
    void Run(const PackingRecord& record, const AncestorPackingInput& input, int32_t family)
    {
        Pack(record, input, family);
        Place();
    }

    // Per person, as PackingRecord::Positions but moved as a whole so that most persons keep
    // their recorded position; Extent().Shift moves them to TTetrisVorfahren's offsets.
    const std::vector<int32_t>& Positions() const { return m_positions; }
    // The persons whose positions differ from the record's, each once.
    const std::vector<MovedPerson>& Moved() const { return m_moved; }
    TetrisExtent Extent() const { return m_extent; }
    // What the last Pack read of its record, for PackingChanges::Keeps.
    void Reach(TrialReach& reach) const;

private:
    struct Visit {
        int32_t person;
        int32_t node;
        int32_t next;
    };
    // A subtree that moves as a whole.
    struct Block {
        int32_t node;
        int32_t by;
    };

    void Reset();
    bool Has(const std::vector<uint32_t>& marks, int32_t node) const
    {
        return marks[node] == m_stamp;
    }
    bool Placed(int64_t person) const;
    int32_t ParentOf(int32_t node) const;
    int32_t Key(int32_t node) const;
    void RebuildFrame(int32_t node);
    int32_t PlacedPartner(int64_t person) const;
    void AddFrameNode(int32_t node, int32_t parent);
    void Reattach();
    void Relink();
    void RelinkParent(int32_t parent);
    bool ListChanged(int32_t parent) const;
    const int32_t* ChildrenBegin(int32_t node) const;
    const int32_t* ChildrenEnd(int32_t node) const;
    void MarkDirty();
    void PackDirty();
    bool NeedsRepacking(int32_t node) const;
    void Repack(int32_t node, size_t slot);
    bool SameAsRecorded(int32_t node, size_t slot) const;
    int32_t ShiftOf(int32_t node) const;
    TetrisChild AsChild(int32_t node) const;
    TetrisContour DirtyContour(int32_t node) const;
    void ResetPositions();
    void CollectMoves();
    int32_t CommonMove() const;
    void Move(int32_t person, int32_t by);
    void MoveSubtree(int32_t node, int32_t by);
    void MoveTheRest(int32_t by);

    const PackingRecord* m_record = nullptr;
    uint64_t m_recordVersion = 0;  // the record m_positions was copied from
    const AncestorPackingInput* m_input = nullptr;
    int32_t m_family = -1;
    int32_t m_frameBegin = 0, m_frameEnd = 0;
    uint32_t m_stamp = 0;
    // Per node, valid where the node's mark carries the current stamp.
    std::vector<uint32_t> m_placedMark, m_movedMark, m_listMark, m_dirtyMark;
    // Repacked: packed again in this trial; changed: its contour or offset came out different.
    std::vector<uint32_t> m_repackedMark, m_changedMark;
    std::vector<int32_t> m_parent, m_key, m_listStart, m_listEnd, m_slot;
    // The moved nodes hanging from a node, in the order of creation: a list through m_next.
    std::vector<uint32_t> m_headMark;
    std::vector<int32_t> m_head, m_tail, m_next;
    std::vector<int32_t> m_offset, m_shift, m_frame;
    std::vector<int32_t> m_movedNodes, m_seeds, m_dirty, m_lists;
    std::vector<Visit> m_stack;
    std::vector<int32_t> m_left, m_right, m_low, m_high;  // contours of dirty nodes, per slot
    std::vector<TetrisChild> m_children;
    std::vector<int32_t> m_shifts;
    std::vector<int32_t> m_positions;
    std::vector<MovedPerson> m_moved;
    std::vector<Block> m_blocks;
    std::vector<MovedPerson> m_nodeMoves;  // the nodes on the way to the root
    TetrisExtent m_extent;
};

}  // namespace qv
