// TFamilyOffset: how deeply the marriage lines of a row nest, so nested couples' lines part.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"

namespace qv {

// One person's place for the family levels (TPosList entry): position across and along, row,
// and whether the person is shown.
struct TPosEntry {
    int32_t x = 0;
    int32_t y = 0;
    int32_t row = -1;
    bool present = false;
};
using TPosList = std::vector<TPosEntry>;

class TFamilyOffset {
public:
    // positions is indexed by person. A family takes part in a row when both parents are
    // present in that row and at least one of its children is present.
    TFamilyOffset(const TAhnenData& data, TPosList positions);

    // The nesting level of the span x1 .. x2 of a row: 1 when a person stands strictly inside,
    // and one more than every family whose span starts strictly inside (or starts at x1 and
    // ends strictly inside). FamilyLevel(0, extent, row) - 1 is the number of levels in use.
    int32_t FamilyLevel(int32_t x1, int32_t x2, int32_t row) const;
    // The level of a family's own span; -1 for a family that takes part in no row.
    int32_t LevelOfFamily(int32_t family) const;

private:
    struct Span {
        int32_t start;
        int32_t end;
        int32_t family;
    };
    struct Row {
        std::vector<int32_t> persons;  // present persons' x, ascending
        std::vector<Span> spans;       // ascending by start, then descending by end
    };

    int32_t Level(int32_t x1, int32_t x2, const Row& row) const;

    std::vector<Row> m_rows;
    std::vector<int32_t> m_familyLevel;
};

}  // namespace qv
