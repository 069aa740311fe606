// Text files as lists of lines: splitting at any line end, writing with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Splits at CR LF, LF and lone CR; a final line end does not start another line.
std::vector<std::string> SplitLines(std::string_view text);
// Every line followed by CR LF, as the program's own text files are written.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);
// Without the blanks and control characters at both ends.
std::string_view TrimBlanks(std::string_view text);
// Removes a leading UTF-8 byte-order mark; true when there was one.
bool StripUtf8Bom(std::string_view& text);

}  // namespace qv
