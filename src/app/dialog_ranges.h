// The ranges of the settings dialogs' spin edits, applied as loading a dialog applies them.
#pragma once

#include "app/image_settings.h"

namespace qv {

// Clamps every value a dialog shows in a spin edit into its range, as the outputs use them
// after the dialogs were filled: for example KT_NODE_HEIGHT 0 becomes 50 and an empty table
// definition gets one empty column. Choices of radio groups are left as they are.
void ApplyDialogRanges(TImageSettings& settings);

}  // namespace qv
