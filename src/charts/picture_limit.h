// Refusing chart pictures larger than the memory at hand.
#pragma once

#include <cstdint>

namespace qv {

// Throws Error "Nicht genügend Speicher zum Erstellen des Bildes verfügbar." for a picture
// that would not fit into the memory the system can give without swapping.
void EnsurePictureFits(int64_t width, int64_t height);

}  // namespace qv
