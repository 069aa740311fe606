// An open-addressing hash table whose entries keep their moves, so that a hit is exact.
#include "charts/tree/ancestor_sorting_row_cache.h"

#include <algorithm>

namespace qv {
namespace {

uint64_t Mix(uint64_t x)
{
    x = (x ^ x >> 30) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ x >> 27) * 0x94d049bb133111ebull;
    return x ^ x >> 31;
}

}  // namespace

void RowDeltaCache::Clear()
{
    if (m_used == 0) return;
    if (++m_generation == 0) {
        std::fill(m_slots.begin(), m_slots.end(), Entry{});
        m_generation = 1;
    }
    m_used = 0;
    m_moves.clear();
}

// Moves come in one order (by move, then element), so a sum over them tells lists apart as well
// as a chain would, and its terms are independent of each other.
uint64_t RowDeltaCache::Key(int32_t row, const ElementMove* moves, uint32_t count)
{
    uint64_t sum = Mix(uint64_t(uint32_t(row)) << 32 | count);
    for (uint32_t i = 0; i < count; ++i)
        sum += Mix((uint64_t(uint32_t(moves[i].Element)) << 32 | uint32_t(moves[i].First)) ^
                   uint64_t(uint32_t(moves[i].Second)) * 0x9e3779b97f4a7c15ull);
    return sum;
}

size_t RowDeltaCache::Slot(uint64_t key, int32_t row, const ElementMove* moves,
                           uint32_t count) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = size_t(key) & mask;; slot = (slot + 1) & mask) {
        const Entry& entry = m_slots[slot];
        if (entry.Generation != m_generation) return slot;
        if (entry.Key == key && entry.Row == row && entry.Count == count &&
            std::equal(moves, moves + count, m_moves.begin() + entry.First))
            return slot;
    }
}

void RowDeltaCache::Grow()
{
    std::vector<Entry> old(std::max<size_t>(m_slots.size() * 2, 1024));
    old.swap(m_slots);
    const size_t mask = m_slots.size() - 1;
    for (const Entry& entry : old) {
        if (entry.Generation != m_generation) continue;
        size_t slot = size_t(entry.Key) & mask;
        while (m_slots[slot].Generation == m_generation) slot = (slot + 1) & mask;
        m_slots[slot] = entry;
    }
}

bool RowDeltaCache::Find(uint64_t key, int32_t row, const ElementMove* moves, uint32_t count,
                         Result& result) const
{
    if (m_used == 0) return false;
    const Entry& entry = m_slots[Slot(key, row, moves, count)];
    if (entry.Generation != m_generation) return false;
    result = entry.Value;
    return true;
}

void RowDeltaCache::Store(uint64_t key, int32_t row, const ElementMove* moves, uint32_t count,
                          const Result& result)
{
    if (2 * (m_used + 1) > m_slots.size()) Grow();
    Entry& entry = m_slots[Slot(key, row, moves, count)];
    if (entry.Generation == m_generation) return;
    entry = {key, m_generation, row, uint32_t(m_moves.size()), count, result};
    m_moves.insert(m_moves.end(), moves, moves + count);
    ++m_used;
}

}  // namespace qv
