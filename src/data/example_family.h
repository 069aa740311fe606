// The example family compiled into the program ("BeispielGedcom"), used by previews and demos.
#pragma once

#include <string>
#include <string_view>

#include "data/ahnen_data.h"

namespace qv {

// The raw bytes of beispielostrelle.ged: UTF-8 with byte-order mark, 34 persons, 13 families.
std::string_view ExampleGedcomBytes();
// The example family as a data object whose file name lies in programDirectory.
TAhnenData LoadExampleFamily(const std::string& programDirectory);

}  // namespace qv
