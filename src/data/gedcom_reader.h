// Reading GEDCOM files in ANSI, ANSEL, UTF-8 or UTF-16 into the line tree.
#pragma once

#include <string>

#include "data/gedcom_tree.h"

namespace qv {

// Throws Error with the user's message when the file cannot be opened or is malformed.
TGedcom LoadGedcomFile(const std::string& path);
TGedcom LoadGedcomBytes(std::string bytes);

}  // namespace qv
