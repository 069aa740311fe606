// Generation labels of the tree chart and cells of the generation table.
#pragma once

#include <cstdint>

#include "app/image_settings.h"
#include "calc/calc_class.h"

namespace qv {

// The AT_LABEL_GEN_CUSTOM_TEXT lines when generation labels are custom, else none.
TArrayOfString GenerationLabelTemplate(const TImageSettings& settings);

// The lines with every generation placeholder ("<k>", "<ik>" … "<Ink>") replaced by the
// engine's value for generation (0 the root's, ancestors negative).
TArrayOfString ExpandGenerationLabel(int64_t generation, const TArrayOfString& lines,
                                     const TCalcClass& calc);

}  // namespace qv
