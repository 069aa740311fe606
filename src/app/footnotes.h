// Footnotes for long Kekule-number lists: a label shows the key, a footnote block the list.
#pragma once

#include <string>
#include <vector>

namespace qv {

struct TFootNote {
    std::string Key;    // "12)"
    std::string Value;  // "12, 45, 1033"
};

// Owned by the output that expands the labels; expansion appends to it.
using TFootNotes = std::vector<TFootNote>;

}  // namespace qv
