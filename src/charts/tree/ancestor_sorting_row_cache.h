// Row changes already worked out in this pass. Trials of different families often move a row's
// lines alike (the repacking above both moves the same subtrees), and a row's change depends
// only on the pass's records, the row and its moves.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "charts/tree/ancestor_sorting_row_delta.h"

namespace qv {

class RowDeltaCache {
public:
    struct Result {
        int64_t Delta;
        RowWindow Window;
    };

    // Forgets everything (the records changed) and keeps the room, without touching it.
    void Clear();
    // Threads may look up and store at the same time.
    bool Find(int32_t row, const ElementMove* moves, uint32_t count, Result& result) const;
    void Store(int32_t row, const ElementMove* moves, uint32_t count, const Result& result);

private:
    struct Entry {
        uint64_t Key = 0;
        uint32_t Generation = 0;  // a slot of an older one is empty
        int32_t Row;
        uint32_t First, Count;  // in the shard's moves
        Result Value;
    };
    // Open addressing, so that storing allocates only when a shard grows. A cache line of its
    // own, so that threads locking different shards do not contend.
    struct alignas(64) Shard {
        mutable std::mutex Mutex;
        std::vector<Entry> Slots;  // a power of two of them, at most half in use
        size_t Used = 0;
        uint32_t Generation = 1;  // counts the clearings
        std::vector<ElementMove> Moves;
    };

    static uint64_t Key(int32_t row, const ElementMove* moves, uint32_t count);
    // The slot holding the row and moves, or the empty slot where they go.
    static size_t Slot(const Shard& shard, uint64_t key, int32_t row, const ElementMove* moves,
                       uint32_t count);
    static void Grow(Shard& shard);
    Shard& ShardOf(uint64_t key) const { return m_shards[key >> 60]; }

    mutable std::array<Shard, 16> m_shards;
};

}  // namespace qv
