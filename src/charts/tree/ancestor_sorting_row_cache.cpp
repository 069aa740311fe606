// A hash table per shard, so that the threads of a pass seldom wait for each other.
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
    for (Shard& shard : m_shards) {
        if (shard.Used == 0) continue;
        if (++shard.Generation == 0) {
            std::fill(shard.Slots.begin(), shard.Slots.end(), Entry{});
            shard.Generation = 1;
        }
        shard.Used = 0;
        shard.Moves.clear();
    }
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

size_t RowDeltaCache::Slot(const Shard& shard, uint64_t key, int32_t row,
                           const ElementMove* moves, uint32_t count)
{
    const size_t mask = shard.Slots.size() - 1;
    for (size_t slot = size_t(key) & mask;; slot = (slot + 1) & mask) {
        const Entry& entry = shard.Slots[slot];
        if (entry.Generation != shard.Generation) return slot;
        if (entry.Key == key && entry.Row == row && entry.Count == count &&
            std::equal(moves, moves + count, shard.Moves.begin() + entry.First))
            return slot;
    }
}

void RowDeltaCache::Grow(Shard& shard)
{
    std::vector<Entry> old(std::max<size_t>(shard.Slots.size() * 2, 1024));
    old.swap(shard.Slots);
    const size_t mask = shard.Slots.size() - 1;
    for (const Entry& entry : old) {
        if (entry.Generation != shard.Generation) continue;
        size_t slot = size_t(entry.Key) & mask;
        while (shard.Slots[slot].Generation == shard.Generation) slot = (slot + 1) & mask;
        shard.Slots[slot] = entry;
    }
}

bool RowDeltaCache::Find(int32_t row, const ElementMove* moves, uint32_t count,
                         Result& result) const
{
    const uint64_t key = Key(row, moves, count);
    const Shard& shard = ShardOf(key);
    std::lock_guard<std::mutex> lock(shard.Mutex);
    if (shard.Used == 0) return false;
    const Entry& entry = shard.Slots[Slot(shard, key, row, moves, count)];
    if (entry.Generation != shard.Generation) return false;
    result = entry.Value;
    return true;
}

void RowDeltaCache::Store(int32_t row, const ElementMove* moves, uint32_t count,
                          const Result& result)
{
    const uint64_t key = Key(row, moves, count);
    Shard& shard = ShardOf(key);
    std::lock_guard<std::mutex> lock(shard.Mutex);
    if (2 * (shard.Used + 1) > shard.Slots.size()) Grow(shard);
    Entry& entry = shard.Slots[Slot(shard, key, row, moves, count)];
    if (entry.Generation == shard.Generation) return;
    entry = {key, shard.Generation, row, uint32_t(shard.Moves.size()), count, result};
    shard.Moves.insert(shard.Moves.end(), moves, moves + count);
    ++shard.Used;
}

}  // namespace qv
