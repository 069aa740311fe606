// SvgToPdf: the SVG writer's document as a one-page PDF 1.3 file with embedded text fonts.
#pragma once

#include <string>

#include "render/scalable_vector_graphics.h"

namespace qv {

// The complete file. One pixel becomes 0.75 points unless the larger page side would exceed
// 14400 points. creator is the program identification stored as the document's creator.
// Throws Error when the document holds a number that cannot be read, or when it has text and
// no TrueType font for it can be found.
std::string SvgToPdf(const TScalableVectorGraphics& svg, const std::string& creator);

// Converts and writes through a temporary file: no file appears when conversion fails.
void SaveSvgAsPdf(const TScalableVectorGraphics& svg, const std::string& fileName,
                  const std::string& creator);

}  // namespace qv
