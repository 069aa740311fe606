// Opening a family file of any supported kind by its name.
#pragma once

#include <memory>
#include <string>

#include "data/ahnen_data.h"

namespace qv {

// ".ged", ".txt" …: the extension of a file name in lower case.
std::string LowerCaseExtension(const std::string& path);

// True for names ending in ".txt" in any case: sibling lists, whose root is person 0.
bool IsSiblingListFile(const std::string& path);

// Reads a sibling list (".txt") or else a GEDCOM file into a new data object; throws Error
// with the user's message.
std::unique_ptr<TAhnenData> OpenDataFile(const std::string& path);

}  // namespace qv
