// The small ancestor chart of the details window: the line from the Kekule-1 person to the
// ancestor with one Kekule number.
#pragma once

#include <cstdint>
#include <optional>

#include "app/image_settings.h"
#include "data/ahnen_data.h"
#include "data/progress.h"
#include "render/bitmap.h"

namespace qv {

// A data object of its own holding only the line: person 0 a copy of root, person i the
// father (binary digit 0) or mother (1) of person i - 1 along the digits of number below its
// leading 1, joined by family i - 1. The line ends early where a parent is unknown; numbers
// below 2 give root alone, an invalid root an empty object.
TAhnenData KekuleLineData(const TAhnenData& data, int64_t root, int64_t number);

// The chart's settings: person 0 as proband, labels "#<Kekule-Min>", names, birth and death
// (surnames in capitals, no question marks), generation captions "k = <k>", coloured
// generation bands, smooth lines.
TImageSettings KekuleLineSettings();

// The tree chart of the line as a picture; nothing when the progress callback cancels or the
// line is empty. Throws Error as the tree chart does.
std::optional<Bitmap> BuildKekuleLinePicture(const TAhnenData& data, int64_t root, int64_t number,
                                             ProgressCallback progress = {});

}  // namespace qv
