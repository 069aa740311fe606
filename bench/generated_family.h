// A large synthetic GEDCOM population for benchmarks: couples, children, remarriages and
// cousin marriages over many generations, deterministic for a given size.
#pragma once

#include <cstdint>
#include <string>

namespace qv::bench {

// About 110 bytes per person; 100,000 persons give a file of about 11 MB.
std::string GeneratedGedcom(int64_t persons);

}  // namespace qv::bench
