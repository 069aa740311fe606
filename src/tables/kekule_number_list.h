// A person's Kekule numbers by generation as RTF, with the place of every number in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/array_types.h"

namespace qv {

// Where one number stands: document positions (LoadRtf counts every character, tab and line
// break as one) from before its first to after its last digit.
struct KekuleNumberRange {
    int64_t start;
    int64_t end;
    int64_t number;
};

struct KekuleNumberList {
    std::string rtf;
    std::vector<KekuleNumberRange> ranges;
};

enum class KekuleListKind { All, XChromosomal };

// One block per generation, five numbers to a line; numbers on X-chromosomal lines (for a
// root of that sex) underlined. numbers must be ascending, as the engine gives them.
KekuleNumberList BuildKekuleNumberList(const TArrayOfInt64& numbers, bool rootIsMale,
                                       KekuleListKind kind);

// The number of the first range with start <= position <= end, or 0 where none is.
int64_t KekuleNumberAt(const std::vector<KekuleNumberRange>& ranges, int64_t position);

}  // namespace qv
