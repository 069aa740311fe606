// Pictures saved as PNG or Windows bitmap, by the file name's extension.
#pragma once

#include <string>

#include "render/bitmap.h"

namespace qv {

// ".png" (compression 9, with an alpha channel from the fourth byte of a 32-bit picture) or
// ".bmp", compared without regard to case; missing directories are created. Throws Error
// when the file cannot be written or the extension is neither.
void SaveBitmapToFile(const std::string& fileName, const Bitmap& bitmap);

// How the chart commands save: ".png" at the encoder's default compression without alpha,
// anything else as a Windows bitmap.
void SaveChartBitmap(const std::string& fileName, const Bitmap& bitmap);

// The encoded files. compressionLevel -1 is zlib's default.
std::string EncodePng(const Bitmap& bitmap, int compressionLevel, bool withAlpha);
std::string EncodeBmp(const Bitmap& bitmap);

}  // namespace qv
