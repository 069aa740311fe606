// The 24 per-generation values read from the generation tables, by name.
#pragma once

#include <cstdint>
#include <string>

#include "calc/generation_tables.h"

namespace qv {

// The value of a generation name for generation k (ancestors negative) as its text; empty
// for unknown names and for generations beyond distance 128.
std::string GenerationText(const GenerationTables& tables, const std::string& name, int64_t k);
// The integer names as numbers ("k"; ancestor counts for k <= 0; "npk", "ntk" for k >= 0);
// 0 for everything else.
int64_t GenerationInt(const GenerationTables& tables, const std::string& name, int64_t k);

}  // namespace qv
