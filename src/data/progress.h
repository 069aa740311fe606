// The shared progress and cancel contract of every long operation.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace qv {

// Called with (text, position, maximum); returns true when the user asked to cancel.
using ProgressCallback =
    std::function<bool(const std::string& text, int64_t position, int64_t maximum)>;

// Reports through an optional callback; an empty callback never cancels.
inline bool ReportProgress(const ProgressCallback& progress, const std::string& text,
                           int64_t position, int64_t maximum)
{
    return progress ? progress(text, position, maximum) : false;
}

}  // namespace qv
