// The circle chart written to a file of the format its name's extension gives.
#pragma once

#include <string>

#include "app/image_settings.h"
#include "data/ahnen_data.h"
#include "data/progress.h"

namespace qv {

// ".png", ".bmp", ".svg", ".pdf", ".html" or ".htm", in any letter case.
bool IsCircleChartFileName(const std::string& fileName);

// Builds and writes the chart through a temporary file: a picture or an SVG document with
// the comment blocks, or a PDF page or HTML page drawn without them (the page shows them
// itself). creator is the program identification stored in a PDF. False when cancelled (no
// file is written); throws Error as the chart does, and for a name of another format.
bool WriteCircleChart(const TAhnenData& data, const TImageSettings& settings,
                      const std::string& fileName, const std::string& creator,
                      ProgressCallback progress = {});

}  // namespace qv
