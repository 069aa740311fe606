// Row changes already worked out in this pass. Trials of different families often move a row's
// lines alike (the repacking above both moves the same subtrees), and a row's change depends
// only on the pass's records, the row and its moves. One thread's: every thread keeps its own,
// so that none waits for another or reads what another core writes.
#pragma once

#include <cstdint>
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
    // key: Key() of the same row and moves, worked out once for a lookup and its store.
    static uint64_t Key(int32_t row, const ElementMove* moves, uint32_t count);
    bool Find(uint64_t key, int32_t row, const ElementMove* moves, uint32_t count,
              Result& result) const;
    void Store(uint64_t key, int32_t row, const ElementMove* moves, uint32_t count,
               const Result& result);

private:
    struct Entry {
        uint64_t Key = 0;
        uint32_t Generation = 0;  // a slot of an older one is empty
        int32_t Row;
        uint32_t First, Count;  // in m_moves
        Result Value;
    };

    // The slot holding the row and moves, or the empty slot where they go.
    size_t Slot(uint64_t key, int32_t row, const ElementMove* moves, uint32_t count) const;
    void Grow();

    // Open addressing, so that storing allocates only when the table grows: a power of two of
    // slots, at most half in use.
    std::vector<Entry> m_slots;
    size_t m_used = 0;
    uint32_t m_generation = 1;  // counts the clearings
    std::vector<ElementMove> m_moves;
};

}  // namespace qv
