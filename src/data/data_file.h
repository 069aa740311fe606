// Opening a family file of any supported kind by its name.
#pragma once

#include <memory>
#include <string>

#include "data/ahnen_data.h"

namespace qv {

// Reads a GEDCOM file into a new data object; throws Error with the user's message.
std::unique_ptr<TAhnenData> OpenDataFile(const std::string& path);

}  // namespace qv
