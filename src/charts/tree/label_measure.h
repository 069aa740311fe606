// What the tree layouts need from the drawing side: label lines and how large they are.
#pragma once

#include <cstdint>
#include <functional>

#include "data/array_types.h"

namespace qv {

// The label lines of one person, expanded from the chart's template; any footnotes the
// expansion makes are the source's business.
using LabelSource = std::function<TArrayOfString(int64_t person)>;

// Measures label text in the chart's font, so the layouts stay free of any drawing target.
class LabelMeasure {
public:
    virtual ~LabelMeasure() = default;
    // The pitch of label lines.
    virtual int32_t LineHeight() const = 0;
    // The widest of the lines.
    virtual int32_t MaxTextWidth(const TArrayOfString& lines) const = 0;
};

}  // namespace qv
