// The sorting passes of the ancestor chart done the straightforward way: every trial repacks the
// whole tree and recounts every measure. The yardstick the fast passes are tested and timed
// against.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/ancestor_sorting_families.h"
#include "charts/tree/ancestor_sorting_rows.h"
#include "charts/tree/tetris_vorfahren.h"
#include "data/progress.h"

namespace qv {

class ReferenceAncestorSorter {
public:
    // switched is the array the input's FamilySwitched refers to; the sorter flips its entries
    // and repacks packing for every trial.
    ReferenceAncestorSorter(const TAhnenData& data, const TArrayOfBoolean& drawn,
                            const AncestorPackingInput& input, TArrayOfBoolean& switched,
                            TTetrisVorfahren& packing, ProgressCallback progress);

    // Families whose ancestry holds pedigree collapse: only these can change crossings.
    const std::vector<int32_t>& Candidates() const { return m_families.Candidates; }

    // AT_SORTING 1 minimises the line length; 2 the crossings and then the width without
    // adding crossings. Passes repeat while they improve. False when cancelled (the pass
    // that was running is not applied).
    bool Run(uint8_t sorting);

    // The measures of the current packing.
    float LineLength() const;
    int64_t Crossings();

private:
    // Positions across of the current packing, doubled so that midpoints stay integers.
    int32_t Across2(int64_t person) const { return m_across2[person]; }
    int32_t Anchor2(const SortingFamilyLines& family) const;
    bool Pass(SortingMeasure measure, const std::vector<int32_t>& families, bool& changed);
    double Cost(SortingMeasure measure);
    void Repack();

    const TArrayOfBoolean& m_drawn;
    const AncestorPackingInput& m_input;
    TArrayOfBoolean& m_switched;
    TTetrisVorfahren& m_packing;
    ProgressCallback m_progress;
    SortingFamilies m_families;
    std::vector<std::vector<LineSegment>> m_rows;
    std::vector<LineSegment> m_buffer;
    std::vector<int32_t> m_across2;
};

}  // namespace qv
