// The ranges of the settings dialogs' spin edits, applied as loading a dialog applies them.
#pragma once

#include "app/image_settings.h"

namespace qv {

// Clamps every value a dialog shows in a spin edit or a radio group into its range, as the
// outputs use them after the dialogs were filled: for example KT_NODE_HEIGHT 0 becomes 50, an
// empty table definition gets one empty column and AT_ALIGNMENT 7 becomes 3.
void ApplyDialogRanges(TImageSettings& settings);

}  // namespace qv
