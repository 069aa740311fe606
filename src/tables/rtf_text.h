// Writing RTF: plain text made safe for a document, and the document frame around it.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The frame every RTF text of the details window uses: Arial, 10 points.
inline constexpr std::string_view kRtfHeader =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0\\fs20 ";

// UTF-8 text as RTF: "\", "{" and "}" escaped; tab, line break (CR LF, LF or CR) and the
// small-text markers 0x0E/0x0F as \tab, \line, \super and \nosupersub; every other
// character outside ASCII as \uN with its Windows-1252 byte (or "?") for older readers.
// Malformed UTF-8 is written as "?" so that no byte can break the document.
std::string RtfEscape(std::string_view utf8);

// kRtfHeader, the body (already RTF) and the closing brace.
std::string RtfDocument(std::string_view body);

}  // namespace qv
