// What the step from one sorting pass's packing to the next left as it was. A trial reads only
// the subtrees it repacks and the part of the build its switched family redoes; when the step
// touched none of them, the trial packs and moves every person exactly as in the pass before, and
// need not be packed again.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/tetris_vorfahren_record.h"

namespace qv {

// What a trial read of its record, noted after packing it.
struct TrialReach {
    uint64_t Record = 0;  // the version of the record the trial was packed on, 0 for none
    int32_t OrderNode = -1, FrameEnd = -1;
    // The persons of the highest nodes the trial packed again (each one's node below was not).
    std::vector<int32_t> Tops;
    // Whether the trial's extent came out as the record's.
    bool SameExtent = false;
};

class PackingChanges {
public:
    // Compares two consecutive records, the second packed after switching the given family
    // (-1 for none) in the first.
    void Compare(const PackingRecord& before, const PackingRecord& after, int32_t switched);

    // Whether a trial of the family on the later record packs as it did on the earlier one,
    // where reach was noted.
    bool Keeps(const TrialReach& reach, const PackingRecord& after, int32_t family) const;
    // Whether the person's node, or any node above it in either record, differs.
    bool Touched(int32_t person) const { return m_touched[size_t(person)] != 0; }

private:
    void MarkUp(const PackingRecord& record, int32_t node, uint8_t bit);

    uint64_t m_before = 0, m_after = 0;
    // The nodes the switch's build redid, in the earlier record: [m_frameBegin, m_frameEnd).
    int32_t m_frameBegin = 0, m_frameEnd = 0;
    std::vector<uint8_t> m_touched;  // per person: 1 marked along the later record, 2 the earlier
};

}  // namespace qv
