// The frequency diagram written as a picture: PNG, SVG or PDF.
#pragma once

#include <string>

#include "app/image_settings.h"
#include "charts/frequency/diagram_data.h"
#include "data/ahnen_data.h"
#include "render/scalable_vector_graphics.h"

namespace qv {

// ".png", ".svg" or ".pdf", in any letter case.
bool IsDiagramPictureName(const std::string& fileName);

// The picture as an SVG document; pdfTarget readies it for the PDF converter.
TScalableVectorGraphics DiagramSvg(const TAhnenData& data, const TImageSettings& settings,
                                   const DiagramData& diagram, bool pdfTarget = false);

// Writes through a temporary file; creator is stored in a PDF. Throws Error for another
// extension or when the file cannot be written.
void WriteDiagramPicture(const TAhnenData& data, const TImageSettings& settings,
                         const DiagramData& diagram, const std::string& fileName,
                         const std::string& creator);

}  // namespace qv
