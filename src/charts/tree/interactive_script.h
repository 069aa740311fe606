// The script text of the interactive ancestor chart, line by line.
#pragma once

#include <string>
#include <vector>

namespace qv {

// The first block: pointer position, hover boxes of symbols and lines, scrolling along lines.
std::vector<std::string> InteractiveDisplayScript();
// The colours of the context menu entry under the pointer.
std::vector<std::string> InteractiveMenuScript();
// Layout, lines, folding, cookie and menu functions, then the start-up calls; they follow the
// data lines in the main block.
std::vector<std::string> InteractiveMainScript();

}  // namespace qv
