// The figures of a written output that its completion message shows.
#pragma once

#include <cstdint>

namespace qv {

// Returned by the writers (nothing when cancelled), never kept on the data.
struct OutputCounts {
    int32_t persons = 0;       // "Personen: "
    int32_t siblingPairs = 0;  // "Geschwisterpaare: ", sibling lists only
};

}  // namespace qv
