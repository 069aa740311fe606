// ANSEL (the GEDCOM library character set) to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Moves the combining marks, stacked ones in their order, behind their base letter, maps the
// bytes and composes to NFC.
std::string Utf8FromAnsel(std::string_view bytes);
// Unicode normalisation form C of valid UTF-8 text.
std::string NormaliseNfc(std::string_view utf8);

}  // namespace qv
