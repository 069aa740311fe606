// How the footnote block below the tree chart breaks a footnote's text into lines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One line of the block: the key on a footnote's first line (empty after it) and the text,
// which starts with a blank before each word.
struct FootnoteLine {
    std::string Key;
    std::string Text;
};

using TextWidthFunction = std::function<int32_t(std::string_view)>;

// The footnote's lines: words (split at blanks) are added while the key, the line so far and
// the word stay within the wrap limit; a word that does not fit starts the next line.
std::vector<FootnoteLine> WrapFootnote(const std::string& key, const std::string& text,
                                       int32_t wrapLimit, const TextWidthFunction& textWidth);

}  // namespace qv
