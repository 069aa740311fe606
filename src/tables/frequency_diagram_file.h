// The frequency diagram written to the format its file name's extension gives.
#pragma once

#include <string>

#include "app/image_settings.h"
#include "calc/calc_class.h"
#include "data/progress.h"

namespace qv {

// ".xlsx" (the workbook with its chart), ".png", ".svg" or ".pdf", in any letter case.
bool IsFrequencyDiagramFileName(const std::string& fileName);

// Gathers the selected persons' counts for the proband and writes the file; creator is stored
// in a PDF. False when cancelled (no file is written then). Throws Error for a missing
// proband or selection, another extension, or a file that cannot be written.
bool WriteFrequencyDiagram(TCalcClass& calc, const TImageSettings& settings,
                           const std::string& fileName, const std::string& creator,
                           const ProgressCallback& progress = {});

}  // namespace qv
