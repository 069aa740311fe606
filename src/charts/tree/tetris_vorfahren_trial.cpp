// A trial rebuilds only the nodes placed while the switched family's child placed its parents
// (the same persons, in another order), re-hangs the later nodes that stood beside one of them,
// and repacks only the subtrees whose children changed: those on the way to the root. Every
// other subtree keeps its contour and moves as a whole.
#include "charts/tree/tetris_vorfahren_trial.h"

#include <algorithm>

namespace qv {

void PackingTrial::Reset()
{
    const size_t count = size_t(m_record->NodeCount());
    if (m_placedMark.size() != count || ++m_stamp == 0) {
        for (std::vector<uint32_t>* marks : {&m_placedMark, &m_movedMark, &m_listMark, &m_dirtyMark,
                                             &m_repackedMark, &m_changedMark, &m_headMark})
            marks->assign(count, 0);
        for (std::vector<int32_t>* values :
             {&m_parent, &m_key, &m_listStart, &m_listEnd, &m_slot, &m_offset, &m_shift, &m_frame,
              &m_head, &m_tail, &m_next})
            values->assign(count, 0);
        m_stamp = 1;
    }
    m_movedNodes.clear();
    m_seeds.clear();
    m_dirty.clear();
    m_lists.clear();
}

void PackingTrial::Pack(const PackingRecord& record, const AncestorPackingInput& input,
                        int32_t family)
{
    m_record = &record;
    m_input = &input;
    m_family = family;
    Reset();
    const int32_t node = record.OrderNode(family);
    m_frameBegin = node + 1;
    m_frameEnd = record.FrameEnd(node);
    RebuildFrame(node);
    Reattach();
    Relink();
    MarkDirty();
    PackDirty();
    if (m_dirty.empty() || !Has(m_changedMark, 0))
        m_extent = m_record->Extent();
    else
        m_extent = RootExtent(DirtyContour(0), m_record->Rows());
}

void PackingTrial::Reach(TrialReach& reach) const
{
    reach.Record = m_record->Version();
    reach.OrderNode = m_frameBegin - 1;
    reach.FrameEnd = m_frameEnd;
    reach.SameExtent = m_dirty.empty() || !Has(m_changedMark, 0);
    reach.Tops.clear();
    for (int32_t node : m_dirty) {
        const int32_t below = ParentOf(node);
        if (Has(m_repackedMark, node) && (below < 0 || !Has(m_repackedMark, below)))
            reach.Tops.push_back(m_record->PersonOf(node));
    }
}

bool PackingTrial::Placed(int64_t person) const
{
    const int32_t node = m_record->NodeOf(person);
    return node >= 0 && (node < m_frameBegin || Has(m_placedMark, node));
}

int32_t PackingTrial::ParentOf(int32_t node) const
{
    return Has(m_movedMark, node) ? m_parent[node] : m_record->ParentOf(node);
}

// The order of creation: the rebuilt nodes keep the numbers of their range among themselves.
int32_t PackingTrial::Key(int32_t node) const
{
    return node >= m_frameBegin && node < m_frameEnd ? m_key[node] : node;
}

int32_t PackingTrial::PlacedPartner(int64_t person) const
{
    const AncestorLinks& links = m_input->Links;
    for (int32_t i = links.PartnerStart[person]; i < links.PartnerStart[person + 1]; ++i)
        if (Placed(links.Partners[i])) return links.Partners[i];
    return -1;
}

void PackingTrial::AddFrameNode(int32_t node, int32_t parent)
{
    m_key[node] = m_frameBegin + int32_t(m_movedNodes.size());
    m_placedMark[node] = m_movedMark[node] = m_stamp;
    m_parent[node] = parent;
    m_movedNodes.push_back(node);
}

// The build of the node's frame again, as PackingRecord::Build does it, with the family
// switched and everything placed before the frame where it was.
void PackingTrial::RebuildFrame(int32_t node)
{
    m_stack.assign(1, Visit{m_record->PersonOf(node), node, 0});
    while (!m_stack.empty()) {
        Visit& frame = m_stack.back();
        if (frame.next == 2) {
            m_stack.pop_back();
            continue;
        }
        const int64_t parent = OrderedParent(*m_input, frame.person, frame.next++, m_family);
        const int32_t below = frame.node;
        if (parent < 0 || Placed(parent)) continue;
        const int32_t partner = PlacedPartner(parent);
        const int32_t attach = partner >= 0 ? ParentOf(m_record->NodeOf(partner)) : -1;
        const int32_t added = m_record->NodeOf(parent);
        AddFrameNode(added, attach >= 0 ? attach : below);
        m_stack.push_back({int32_t(parent), added, 0});
    }
}

// Later nodes that went beside a partner go where that partner's parent node is now.
void PackingTrial::Reattach()
{
    for (size_t i = 0; i < m_movedNodes.size(); ++i) {
        const int32_t partner = m_movedNodes[i];
        const int32_t parent = ParentOf(partner);
        if (parent == m_record->ParentOf(partner)) continue;
        for (const int32_t* d = m_record->DependentsBegin(partner);
             d != m_record->DependentsEnd(partner); ++d) {
            // Those in the frame were placed again by the rebuild.
            if (*d < m_frameEnd) continue;
            m_parent[*d] = parent;
            m_movedMark[*d] = m_stamp;
            m_movedNodes.push_back(*d);
        }
    }
}

// The children of every node that lost or gained one, in the order of creation: the rebuilt
// nodes come in that order already, the re-hung ones after them.
void PackingTrial::Relink()
{
    const size_t rebuilt = size_t(m_frameEnd - m_frameBegin);
    std::sort(m_movedNodes.begin() + rebuilt, m_movedNodes.end());
    for (int32_t node : m_movedNodes) {
        const int32_t parent = ParentOf(node);
        m_next[node] = -1;
        if (!Has(m_headMark, parent)) {
            m_headMark[parent] = m_stamp;
            m_head[parent] = node;
        } else {
            m_next[m_tail[parent]] = node;
        }
        m_tail[parent] = node;
    }
    for (int32_t node : m_movedNodes)
        for (int32_t parent : {m_record->ParentOf(node), ParentOf(node)})
            if (!Has(m_listMark, parent)) RelinkParent(parent);
}

void PackingTrial::RelinkParent(int32_t parent)
{
    const int32_t count = m_record->NodeCount();
    m_listMark[parent] = m_stamp;
    m_listStart[parent] = int32_t(m_lists.size());
    const int32_t* kept = m_record->ChildrenBegin(parent);
    const int32_t* keptEnd = m_record->ChildrenEnd(parent);
    int32_t added = Has(m_headMark, parent) ? m_head[parent] : -1;
    for (;;) {
        while (kept != keptEnd && (*kept >= count || Has(m_movedMark, *kept))) ++kept;
        if (kept == keptEnd && added < 0) break;
        if (added < 0 || (kept != keptEnd && *kept < Key(added))) {
            m_lists.push_back(*kept++);
        } else {
            m_lists.push_back(added);
            added = m_next[added];
        }
    }
    if (int32_t(m_lists.size()) == m_listStart[parent] && m_record->SpacerLevel(parent) >= 0)
        m_lists.push_back(count + parent);
    m_listEnd[parent] = int32_t(m_lists.size());
    if (ListChanged(parent)) m_seeds.push_back(parent);
}

bool PackingTrial::ListChanged(int32_t parent) const
{
    return !std::equal(ChildrenBegin(parent), ChildrenEnd(parent), m_record->ChildrenBegin(parent),
                       m_record->ChildrenEnd(parent));
}

const int32_t* PackingTrial::ChildrenBegin(int32_t node) const
{
    return Has(m_listMark, node) ? m_lists.data() + m_listStart[node]
                                 : m_record->ChildrenBegin(node);
}

const int32_t* PackingTrial::ChildrenEnd(int32_t node) const
{
    return Has(m_listMark, node) ? m_lists.data() + m_listEnd[node] : m_record->ChildrenEnd(node);
}

// A node whose children changed, and every node below it, has to be packed again.
void PackingTrial::MarkDirty()
{
    for (int32_t seed : m_seeds) {
        for (int32_t node = seed; node >= 0 && !Has(m_dirtyMark, node); node = ParentOf(node)) {
            m_dirtyMark[node] = m_stamp;
            m_dirty.push_back(node);
        }
    }
}

TetrisContour PackingTrial::DirtyContour(int32_t node) const
{
    const size_t slot = size_t(m_slot[node]);
    const size_t cells = slot * size_t(m_record->Rows()) + size_t(m_low[slot]);
    return {m_left.data() + cells, m_right.data() + cells, m_low[slot], m_high[slot]};
}

TetrisChild PackingTrial::AsChild(int32_t node) const
{
    TetrisChild child = m_record->AsChild(node);
    if (node < m_record->NodeCount() && Has(m_repackedMark, node)) {
        child.Offset = m_offset[node];
        child.Contour = DirtyContour(node);
    }
    return child;
}

// A node on the way from a changed node to the root needs packing again only while what its
// children present to it has changed.
bool PackingTrial::NeedsRepacking(int32_t node) const
{
    if (ListChanged(node)) return true;
    for (const int32_t* c = ChildrenBegin(node); c != ChildrenEnd(node); ++c)
        if (*c < m_record->NodeCount() && Has(m_changedMark, *c)) return true;
    return false;
}

bool PackingTrial::SameAsRecorded(int32_t node, size_t slot) const
{
    const TetrisContour recorded = m_record->AsChild(node).Contour;
    if (m_offset[node] != m_record->Offset(node) || m_low[slot] != recorded.Low ||
        m_high[slot] != recorded.High)
        return false;
    const size_t cells = slot * size_t(m_record->Rows()) + size_t(m_low[slot]);
    const size_t rows = size_t(m_high[slot] - m_low[slot]);
    return std::equal(m_left.data() + cells, m_left.data() + cells + rows, recorded.Left) &&
           std::equal(m_right.data() + cells, m_right.data() + cells + rows, recorded.Right);
}

void PackingTrial::Repack(int32_t node, size_t slot)
{
    const size_t rows = size_t(m_record->Rows());
    m_slot[node] = int32_t(slot);
    m_children.clear();
    for (const int32_t* c = ChildrenBegin(node); c != ChildrenEnd(node); ++c)
        m_children.push_back(AsChild(*c));
    m_shifts.resize(m_children.size());
    TetrisContourBuffer out{m_left.data() + slot * rows, m_right.data() + slot * rows};
    m_offset[node] =
        PackTetrisNode(m_record->NodeSpec(node), m_children.data(), m_children.size(),
                       m_record->Rows(), m_record->MinDistance(), out, m_shifts.data());
    m_low[slot] = out.Low;
    m_high[slot] = out.High;
    for (size_t k = 0; k < m_children.size(); ++k)
        if (ChildrenBegin(node)[k] < m_record->NodeCount())
            m_shift[ChildrenBegin(node)[k]] = m_shifts[k];
    m_repackedMark[node] = m_stamp;
    if (!SameAsRecorded(node, slot)) m_changedMark[node] = m_stamp;
}

// Children before parents: a node is created after the node it stands on.
void PackingTrial::PackDirty()
{
    std::sort(m_dirty.begin(), m_dirty.end(),
              [this](int32_t a, int32_t b) { return Key(a) > Key(b); });
    const size_t rows = size_t(m_record->Rows());
    if (m_low.size() < m_dirty.size()) {
        m_low.resize(m_dirty.size());
        m_high.resize(m_dirty.size());
        m_left.resize(m_dirty.size() * rows);
        m_right.resize(m_dirty.size() * rows);
    }
    size_t slot = 0;
    for (int32_t node : m_dirty)
        if (NeedsRepacking(node)) Repack(node, slot++);
}

// The node's move inside its parent's frame in this trial.
int32_t PackingTrial::ShiftOf(int32_t node) const
{
    const int32_t parent = ParentOf(node);
    return parent >= 0 && Has(m_repackedMark, parent) ? m_shift[node] : m_record->Shift(node);
}

void PackingTrial::Move(int32_t person, int32_t by)
{
    m_positions[person] += by;
    m_moved.push_back({person, by});
}

void PackingTrial::MoveSubtree(int32_t node, int32_t by)
{
    const std::vector<int32_t>& order = m_record->PreOrder();
    for (int32_t i = m_record->SubtreeBegin(node); i < m_record->SubtreeEnd(node); ++i)
        Move(m_record->PersonOf(order[i]), by);
}

// The positions of the nodes on the way to the root, and the moves of the subtrees hanging from
// them, parents before children.
void PackingTrial::CollectMoves()
{
    m_blocks.clear();
    m_nodeMoves.clear();
    const std::vector<int32_t>& recorded = m_record->Positions();
    for (auto it = m_dirty.rbegin(); it != m_dirty.rend(); ++it) {
        const int32_t node = *it;
        const int32_t frame = node == 0 ? 0 : m_frame[ParentOf(node)] + ShiftOf(node);
        m_frame[node] = frame;
        const int32_t person = m_record->PersonOf(node);
        const int32_t offset = Has(m_repackedMark, node) ? m_offset[node] : m_record->Offset(node);
        m_nodeMoves.push_back({person, frame + offset - recorded[person]});
        for (const int32_t* c = ChildrenBegin(node); c != ChildrenEnd(node); ++c) {
            if (*c >= m_record->NodeCount() || Has(m_dirtyMark, *c)) continue;
            const int32_t by = frame + ShiftOf(*c) - m_record->Frame(*c);
            if (by != 0) m_blocks.push_back({*c, by});
        }
    }
}

// The move most persons make: positions are given relative to it, so that as few as possible
// count as moved. Ties go to no move, then to the smaller one.
int32_t PackingTrial::CommonMove() const
{
    std::vector<std::pair<int32_t, int32_t>> counts{{0, m_record->NodeCount()}};  // move, persons
    auto add = [&counts](int32_t by, int32_t persons) {
        counts[0].second -= persons;
        for (auto& entry : counts)
            if (entry.first == by) return void(entry.second += persons);
        counts.push_back({by, persons});
    };
    for (const Block& block : m_blocks)
        add(block.by, m_record->SubtreeEnd(block.node) - m_record->SubtreeBegin(block.node));
    for (const MovedPerson& move : m_nodeMoves) add(move.second, 1);
    auto best = counts.front();
    for (const auto& entry : counts)
        if (entry.second > best.second ||
            (entry.second == best.second && best.first != 0 && entry.first < best.first))
            best = entry;
    return best.first;
}

// Every person outside the moving subtrees and the nodes on the way to the root.
void PackingTrial::MoveTheRest(int32_t by)
{
    std::sort(m_blocks.begin(), m_blocks.end(), [this](const Block& a, const Block& b) {
        return m_record->SubtreeBegin(a.node) < m_record->SubtreeBegin(b.node);
    });
    const std::vector<int32_t>& order = m_record->PreOrder();
    int32_t i = 0;
    for (size_t b = 0; b <= m_blocks.size(); ++b) {
        const int32_t end =
            b < m_blocks.size() ? m_record->SubtreeBegin(m_blocks[b].node) : m_record->NodeCount();
        for (; i < end; ++i)
            if (!Has(m_dirtyMark, order[i])) Move(m_record->PersonOf(order[i]), by);
        if (b < m_blocks.size()) i = m_record->SubtreeEnd(m_blocks[b].node);
    }
}

// The record's positions again: copied for a new record, else only the last trial's moves undone.
void PackingTrial::ResetPositions()
{
    const std::vector<int32_t>& recorded = m_record->Positions();
    if (m_recordVersion != m_record->Version() || m_positions.size() != recorded.size()) {
        m_positions = recorded;
        m_recordVersion = m_record->Version();
    } else {
        for (const MovedPerson& moved : m_moved) m_positions[moved.first] = recorded[moved.first];
    }
    m_moved.clear();
}

void PackingTrial::Place()
{
    ResetPositions();
    CollectMoves();
    const int32_t common = CommonMove();
    for (const Block& block : m_blocks)
        if (block.by != common) MoveSubtree(block.node, block.by - common);
    for (const MovedPerson& move : m_nodeMoves)
        if (move.second != common) Move(move.first, move.second - common);
    if (common != 0) MoveTheRest(-common);
    m_extent.Shift += common;
}

}  // namespace qv
