// The line length the sorting passes minimise, family by family: a trial measures again only
// the families whose persons it moves by different amounts.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/ancestor_sorting_families.h"
#include "charts/tree/tetris_vorfahren_trial.h"

namespace qv {

// Per thread: the families a trial has looked at.
struct LengthScratch {
    std::vector<uint32_t> seen;
    uint32_t stamp = 0;
};

class LineLengths {
public:
    LineLengths(const SortingFamilies& families, size_t personCount);

    // The pass's record.
    void Update(const std::vector<int32_t>& positions, TetrisExtent extent);
    float Total() const { return m_total; }
    // The trial's line length; calls may run at the same time, but not with Update.
    float TrialTotal(const PackingTrial& trial, LengthScratch& scratch) const;

private:
    // A family's lines in half units: twice the parents' distance plus each child's distance to
    // the anchor, on doubled positions.
    int64_t HalfUnits(int32_t line, const std::vector<int32_t>& positions) const;
    bool Uneven(int32_t line, const std::vector<int32_t>& positions) const;
    float Sum(int64_t halfUnits, const std::vector<int32_t>& positions, TetrisExtent extent) const;

    const SortingFamilies& m_families;
    std::vector<std::vector<int32_t>> m_persons;  // per line
    std::vector<std::vector<int32_t>> m_lines;    // per person
    std::vector<int32_t> m_positions;
    std::vector<int64_t> m_halfUnits;  // per line
    int64_t m_totalHalfUnits = 0;
    float m_total = 0;
};

}  // namespace qv
