// The triangle diagram written to a file of the format its name's extension gives.
#pragma once

#include <optional>
#include <string>

#include "app/image_settings.h"
#include "app/output_counts.h"
#include "charts/triangle/triangle_labels.h"
#include "data/ahnen_data.h"
#include "data/progress.h"

namespace qv {

// Builds and writes the diagram (through a temporary file): ".png" or ".bmp" with the comment
// blocks, ".svg" with them, ".pdf" without them (creator is the program identification stored
// in it), ".html"/".htm" as a page that shows them around the document; any letter case.
// Returns the persons shown, nothing when cancelled (and no file is written). Throws Error as
// the diagram does, for a picture too large to hold, and for a name of another format.
std::optional<OutputCounts> WriteTriangleDiagram(const TAhnenData& data,
                                                 const TImageSettings& settings,
                                                 const TriangleLabels& labels,
                                                 const std::string& fileName,
                                                 const std::string& creator,
                                                 ProgressCallback progress = {});

}  // namespace qv
