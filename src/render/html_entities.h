// The named character references of HTML that comment texts are likely to use.
#pragma once

#include <string_view>

namespace qv {

// The code point of "&name;" (name without "&" and ";"), or 0 for a name not known here.
// Knows XML's five, the Latin-1 set, and the typographic marks and symbols of HTML 4.
char32_t HtmlEntityCodePoint(std::string_view name);

}  // namespace qv
