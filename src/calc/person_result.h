// TPersonResult: everything the engine has computed for one person relative to its root.
#pragma once

#include <cstdint>

#include "calc/count_array.h"
#include "data/array_types.h"

namespace qv {

// A value is valid exactly when its done flag is set. Count arrays are indexed by path
// length or generation distance; index 0 is the root's own position.
struct TPersonResult {
    // Blood-relationship paths from the root to the person.
    CountArray Paths;
    // X-chromosome paths leaving the root through its father (plus, for a root who is not
    // male, its descendants), resp. through its mother plus its descendants.
    CountArray PathsX1;
    CountArray PathsX2;
    // Direct-line X paths through the root's father, resp. mother.
    CountArray DirectX1;
    CountArray DirectX2;
    // Occurrences of the person as an ancestor, resp. descendant, of the root by generation.
    CountArray DirectUp;
    CountArray DirectDown;
    double C = 0;
    double F = 0;
    double FW = 0;
    double FX = 0;
    // Smallest Kekule number; 0 = neither the root nor its ancestor.
    int64_t KekuleMin = 0;
    TArrayOfInt64 KekuleNumbers;
    TArrayOfInt64 KekuleXNumbers;

    bool PathsDone = false;
    bool DirectDone = false;
    bool PathsX1Done = false;
    bool PathsX2Done = false;
    bool DirectX1Done = false;
    bool DirectX2Done = false;
    bool CDone = false;
    bool FDone = false;
    bool FWDone = false;
    bool FXDone = false;
    bool KekuleMinDone = false;
    bool KekuleDone = false;
};

}  // namespace qv
