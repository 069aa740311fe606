// Characters that exporters of UTF-8 files cut off at the end of a line.
#pragma once

#include <cstdint>

namespace qv {

class TGedcom;

// Exporters split long values with CONC in the middle of a character. Where the CONC lines
// after node's line finish its last character, the missing bytes move up into the line; where
// nothing finishes it, the incomplete tail is dropped from a line that is otherwise UTF-8 with
// letters beyond ASCII. A line that is ASCII apart from its last byte is left alone: that byte
// is more likely a single-byte letter ("Strau\xDF") than a cut character. Called for the lines
// in file order, so a CONC line is mended after the line it continues.
void MendCutCharacter(TGedcom& tree, int32_t node);

}  // namespace qv
