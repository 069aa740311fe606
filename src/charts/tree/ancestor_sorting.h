// "Sortierung" of the ancestor chart: which families place the mother before the father.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "charts/tree/tetris_vorfahren.h"
#include "data/progress.h"

namespace qv {

class AncestorSorter {
public:
    // switched is the array the input's FamilySwitched refers to; the sorter flips its entries
    // and repacks packing for every trial.
    AncestorSorter(const TAhnenData& data, const TArrayOfBoolean& drawn,
                   const AncestorPackingInput& input, TArrayOfBoolean& switched,
                   TTetrisVorfahren& packing, ProgressCallback progress);

    // Families whose ancestry holds pedigree collapse: only these can change crossings.
    const std::vector<int32_t>& Candidates() const { return m_candidates; }

    // AT_SORTING 1 minimises the line length; 2 the crossings and then the width without
    // adding crossings. Passes repeat while they improve. False when cancelled (the pass
    // that was running is not applied).
    bool Run(uint8_t sorting);

    // The measures of the current packing.
    float LineLength() const;
    int64_t Crossings();

private:
    // A drawn child's line to its family: the anchor is the parents' midpoint (or the one
    // drawn parent); coordinates are doubled so that midpoints stay integers.
    struct FamilyLines {
        int64_t Father = -1, Mother = -1;  // drawn parents, -1 when not drawn
        int32_t LineLevel = 0;
        std::vector<int64_t> Children;
    };
    struct Segment {
        int32_t Lower;
        int32_t Upper;
    };
    enum class Measure { LineLength, Crossings, Width };

    void CollectFamilies();
    void CollectCandidates();
    // Positions across of the current packing, doubled so that midpoints stay integers.
    int32_t Across2(int64_t person) const { return m_across2[person]; }
    int32_t Anchor2(const FamilyLines& family) const;
    int64_t CrossingsBetweenParents() const;
    bool Pass(Measure measure, const std::vector<int32_t>& families, bool& changed);
    double Cost(Measure measure);
    void Repack();

    const TAhnenData& m_data;
    const TArrayOfBoolean& m_drawn;
    const AncestorPackingInput& m_input;
    TArrayOfBoolean& m_switched;
    TTetrisVorfahren& m_packing;
    ProgressCallback m_progress;
    std::vector<FamilyLines> m_families;
    std::vector<int32_t> m_bothDrawn;
    std::vector<int32_t> m_candidates;
    std::vector<std::vector<Segment>> m_rows;
    std::vector<Segment> m_mergeBuffer;
    std::vector<int32_t> m_across2;
};

}  // namespace qv
