// The sibling-list text format: headings, group lines "12 14 /Berg/Berg/", single persons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/array_types.h"
#include "data/sibling_groups.h"

namespace qv {

// One sibling group as read: the Kekule numbers and the surnames given for them, in order.
struct TGeschwister {
    TArrayOfInt64 Numbers;
    TArrayOfString Names;
};

struct SiblingListContents {
    std::vector<TGeschwister> Full;
    std::vector<TGeschwister> CommonFather;
    std::vector<TGeschwister> CommonMother;
    // Every line under "Einzelpersonen"; names padded so that they pair with the numbers.
    TGeschwister Singles;
};

// The lines of the text file (UTF-8): the non-empty lists under their headings, then the
// proband as the single person "1 /surname/". A "/" inside a surname is written as "|".
std::vector<std::string> SiblingListLines(const TAhnenData& data, const SiblingGroups& groups,
                                          int64_t proband);
// The file's bytes, CR LF after every line: Windows-1252, or UTF-8 with a byte-order mark when
// a name has characters Windows-1252 lacks ("Łódź").
std::string SiblingListFileBytes(const std::vector<std::string>& lines);

// Parses a file's bytes: names are UTF-8 after a UTF-8 byte-order mark or when the whole file
// is valid UTF-8, else Windows-1252. Throws Error (naming the file and line) for the number 0,
// numbers above kMaxSiblingListNumber and lines with more names than numbers.
SiblingListContents ParseSiblingList(std::string_view bytes, const std::string& fileName);

}  // namespace qv
