// Replacing every occurrence of a token in a text.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Replaces each occurrence from left to right; inserted text is not searched again.
// Returns whether anything was replaced.
bool ReplaceAll(std::string& text, std::string_view token, std::string_view value);

}  // namespace qv
