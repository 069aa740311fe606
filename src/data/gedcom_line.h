// The anatomy of one GEDCOM line: level, tag, value and cross-reference id.
#pragma once

#include <string_view>

namespace qv {

// Only the single space character separates the parts of a line.
inline std::string_view LineLevelText(std::string_view line)
{
    return line.substr(0, line.find(' '));
}

struct LineParts {
    std::string_view tag;
    std::string_view value;
};

// Tag: between the first and the second space, or everything after the first space.
// Value: everything after the second space, inner and trailing spaces kept.
inline LineParts SplitLine(std::string_view line)
{
    // One pass instead of several searches: the reader splits every line of large files.
    size_t first = 0;
    while (first < line.size() && line[first] != ' ') ++first;
    if (first == line.size()) return {};
    size_t second = first + 1;
    while (second < line.size() && line[second] != ' ') ++second;
    if (second == line.size()) return {line.substr(first + 1), {}};
    return {line.substr(first + 1, second - first - 1), line.substr(second + 1)};
}

inline std::string_view LineTag(std::string_view line) { return SplitLine(line).tag; }

inline std::string_view LineValue(std::string_view line) { return SplitLine(line).value; }

// The text between the first and the second "@"; empty when there are not two.
inline std::string_view XrefId(std::string_view text)
{
    size_t first = text.find('@');
    if (first == std::string_view::npos) return {};
    size_t second = text.find('@', first + 1);
    if (second == std::string_view::npos) return {};
    return text.substr(first + 1, second - first - 1);
}

}  // namespace qv
