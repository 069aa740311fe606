// The check that a chart picture can be held before it is drawn.
#pragma once

#include <cstdint>

namespace qv {

// Throws Error "Nicht genügend Speicher zum Erstellen des Bildes verfügbar." for a picture
// larger than the memory at hand or than a picture may be.
void EnsurePictureFits(int64_t width, int64_t height);

}  // namespace qv
