// The duration text of the completion message: "12s", "5m 0s", "1h 2m 3s".
#pragma once

#include <cstdint>
#include <string>

namespace qv {

std::string DurationText(int64_t milliseconds);

}  // namespace qv
