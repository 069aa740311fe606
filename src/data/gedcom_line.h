// The anatomy of one GEDCOM line: level, tag, value and cross-reference id.
#pragma once

#include <string_view>

namespace qv {

// Only the single space character separates the parts of a line.
inline std::string_view LineLevelText(std::string_view line)
{
    return line.substr(0, line.find(' '));
}

// Between the first and the second space, or everything after the first space.
inline std::string_view LineTag(std::string_view line)
{
    size_t first = line.find(' ');
    if (first == std::string_view::npos) return {};
    size_t second = line.find(' ', first + 1);
    return line.substr(first + 1, second == std::string_view::npos ? second : second - first - 1);
}

// Everything after the second space, inner and trailing spaces kept.
inline std::string_view LineValue(std::string_view line)
{
    size_t first = line.find(' ');
    if (first == std::string_view::npos) return {};
    size_t second = line.find(' ', first + 1);
    return second == std::string_view::npos ? std::string_view{} : line.substr(second + 1);
}

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
